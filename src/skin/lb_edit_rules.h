#pragma once
// What the in-place list item editor writes back when an edit is committed,
// by edit context.

#include "classlib/cstring.h"

#include <cstdint>
#include <optional>
#include <vector>

// The edit contexts (g_nEditContext).
enum EditContext : std::uint8_t {
    kEditProfileName = 1,
    kEditMacroDelay = 2,
    kEditMacroName = 3,
};

// The largest pause a delay line can hold, in milliseconds.
constexpr int kMaxDelayMs = 65535;

// The pause of a typed delay: its leading decimal number (0 when there is
// none), held within 0 .. kMaxDelayMs however many digits were typed.
int ParseDelayMs(const CString& typed);

// The text of a delay line: "120 ms" for 120.
CString DelayText(int milliseconds);

// The text that replaces item `index` of a list holding `items` when an edit
// of it, started on `startText`, is committed with `typed`; nothing when the
// context changes no item.
//   delay: the typed pause as a delay line;
//   profile name: `typed`, or `startText` when `typed` equals (exactly, with
//     letter case) the text of any item, the edited one included;
//   macro name: as a profile name, and `startText` as well when the macro
//     store refuses `typed` as the name of macro `index`.
std::optional<CString> CommittedItemText(std::uint8_t context, const CString& typed, const CString& startText,
                                         const std::vector<CString>& items, int index);
