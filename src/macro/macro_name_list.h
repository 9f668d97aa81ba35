#pragma once
// The macro names of record.ini as a picker lists them: read only, in list
// order, never more than the device has macro slots.

#include "classlib/cstring.h"

#include <vector>

// The first `limit` names of the list section of `recordIni` (fewer when its
// "MacroCount" is smaller). A listed name without a key reads as an empty
// name; a missing file gives no names. Nothing is written.
std::vector<CString> ReadListedMacroNames(const CString& recordIni, int limit);
