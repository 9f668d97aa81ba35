#pragma once
// The font faces the windows choose by language code (compared whole and
// case-sensitively).

#include "classlib/cstring.h"

// "黑体" for "CHS" and "CHT", "Arial" for every other code.
const wchar_t* HeiTiOrArialFace(const CString& languageCode);

// "CHS": "黑体" on Windows version 6.2 (as GetVersion reports it), "宋体" on
// any other; "CHT": "黑体"; every other code: "Arial".
const wchar_t* SystemChineseOrArialFace(const CString& languageCode);
