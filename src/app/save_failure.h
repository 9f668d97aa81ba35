#pragma once
// The message shown when Save could not write the profile file.

#include "classlib/cstring.h"

#include <windows.h>

// The file's path, then the system's own text for `error` (its number
// when the system has no text for it).
CString SaveFailureText(const CString& path, DWORD error);
