#pragma once
// The program directory, the base of every skin image path.

#include "classlib/cstring.h"

#include <windows.h>

// The folder of the running executable, ending in a backslash. Callers append
// their own relative literals ("Skins\...", "/skins/...") unchanged.
extern wchar_t g_szAppDir[MAX_PATH];

// Copies `directory` (which must end in a separator) into g_szAppDir; a text
// that does not fit is cut at MAX_PATH - 1 characters.
void SetAppDir(const wchar_t* directory);

// g_szAppDir followed by `relative` exactly as the caller writes it (any mix
// of separators and letter case; the file system resolves them).
CString SkinPath(const wchar_t* relative);
