#pragma once
// The layout of record.ini, the macro store: section "MacroName" lists the
// macros in order; each macro has a section of its own name with its options
// and its event lines.

#include "classlib/cstring.h"

inline constexpr const wchar_t* kMacroListSection = L"MacroName";
inline constexpr const wchar_t* kMacroCountKey = L"MacroCount";
inline constexpr const wchar_t* kDelayOptionKey = L"DelayTimeSelStatus";
inline constexpr const wchar_t* kLoopTimesKey = L"MacroLoopTimes";
inline constexpr const wchar_t* kLineCountKey = L"ItemCount";

// Event lines: key name + kPressSuffix, key name + kReleaseSuffix, or a pause
// "%d ms". Any line containing kPauseMark counts as a pause.
inline constexpr const wchar_t* kPressSuffix = L"   Dn";
inline constexpr const wchar_t* kReleaseSuffix = L"   Up";
inline constexpr const wchar_t* kPauseMark = L"ms";
inline constexpr const wchar_t* kPauseUnit = L" ms";

constexpr int kMinLoopCount = 1;
constexpr int kMaxLoopCount = 65535;
// The most event lines read of one macro, whatever its "ItemCount" says.
constexpr int kMaxMacroLines = 4096;

// The key of macro i in the list section ("0", "1", ...).
inline CString MacroListKey(int index)
{
    CString key;
    key.Format(L"%d", index);
    return key;
}

// The key of event line j of a macro ("Item0", "Item1", ...).
inline constexpr const wchar_t* kLineKeyPrefix = L"Item";
inline CString MacroLineKey(int index)
{
    CString key;
    key.Format(L"%s%d", kLineKeyPrefix, index);
    return key;
}

inline bool IsPauseLine(const CString& line)
{
    return line.Find(kPauseMark) >= 0;
}

// A loop count outside 1..65535 counts as 1.
inline int NormalizedLoopCount(int count)
{
    return count < kMinLoopCount || count > kMaxLoopCount ? 1 : count;
}
