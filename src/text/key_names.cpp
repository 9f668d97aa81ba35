#include "text/key_names.h"

#include <array>
#include <string_view>

namespace {

struct VirtualKeyName {
    uint32_t code;
    const wchar_t* name;
};

// Every virtual-key code that has a name. The generic modifier codes
// (0x10..0x12) have none: only the left and right codes are named, the left
// ones without a side.
// clang-format off
constexpr VirtualKeyName kVirtualKeyNames[] = {
    {0x08, L"Backspace"}, {0x09, L"Tab"}, {0x0D, L"Enter"},
    {0x13, L"Pause"}, {0x14, L"Caps Lock"}, {0x1B, L"Esc"},
    {0x20, L"Space"}, {0x21, L"Page Up"}, {0x22, L"Page Down"}, {0x23, L"End"}, {0x24, L"Home"},
    {0x25, L"Left"}, {0x26, L"Up"}, {0x27, L"Right"}, {0x28, L"Down"},
    {0x29, L"Select"}, {0x2B, L"Execute"},
    {0x2C, L"Prnt Scrn"}, {0x2D, L"Insert"}, {0x2E, L"Delete"}, {0x2F, L"Help"},
    {0x30, L"0"}, {0x31, L"1"}, {0x32, L"2"}, {0x33, L"3"}, {0x34, L"4"},
    {0x35, L"5"}, {0x36, L"6"}, {0x37, L"7"}, {0x38, L"8"}, {0x39, L"9"},
    {0x41, L"A"}, {0x42, L"B"}, {0x43, L"C"}, {0x44, L"D"}, {0x45, L"E"}, {0x46, L"F"},
    {0x47, L"G"}, {0x48, L"H"}, {0x49, L"I"}, {0x4A, L"J"}, {0x4B, L"K"}, {0x4C, L"L"},
    {0x4D, L"M"}, {0x4E, L"N"}, {0x4F, L"O"}, {0x50, L"P"}, {0x51, L"Q"}, {0x52, L"R"},
    {0x53, L"S"}, {0x54, L"T"}, {0x55, L"U"}, {0x56, L"V"}, {0x57, L"W"}, {0x58, L"X"},
    {0x59, L"Y"}, {0x5A, L"Z"},
    {0x5B, L"Left Windows"}, {0x5C, L"Right Windows"}, {0x5D, L"App"},
    {0x60, L"Num 0"}, {0x61, L"Num 1"}, {0x62, L"Num 2"}, {0x63, L"Num 3"}, {0x64, L"Num 4"},
    {0x65, L"Num 5"}, {0x66, L"Num 6"}, {0x67, L"Num 7"}, {0x68, L"Num 8"}, {0x69, L"Num 9"},
    // 0x6C is the separator key's code; the keyboard hooks pass it for the keypad Enter.
    {0x6A, L"Num *"}, {0x6B, L"Num +"}, {0x6C, L"Num Enter"}, {0x6D, L"Num -"}, {0x6E, L"Num Del"},
    {0x6F, L"Num /"},
    {0x70, L"F1"}, {0x71, L"F2"}, {0x72, L"F3"}, {0x73, L"F4"}, {0x74, L"F5"}, {0x75, L"F6"},
    {0x76, L"F7"}, {0x77, L"F8"}, {0x78, L"F9"}, {0x79, L"F10"}, {0x7A, L"F11"}, {0x7B, L"F12"},
    {0x90, L"Num Lock"}, {0x91, L"Scroll Lock"},
    {0xA0, L"Shift"}, {0xA1, L"Right Shift"}, {0xA2, L"Ctrl"}, {0xA3, L"Right Ctrl"},
    {0xA4, L"Alt"}, {0xA5, L"Right Alt"},
    {0xBA, L";"}, {0xBB, L"="}, {0xBC, L","}, {0xBD, L"-"}, {0xBE, L"."}, {0xBF, L"/"}, {0xC0, L"`"},
    {0xDB, L"["}, {0xDC, L"\\"}, {0xDD, L"]"}, {0xDE, L"'"},
    // Private codes of the mouse buttons.
    {0xF1, L"L-Button"}, {0xF2, L"R-Button"}, {0xF3, L"M-Button"}, {0xF4, L"Button 4"},
    {0xF5, L"Button 5"},
};
// clang-format on

// Which of the two name lookups knows a name.
enum KnownBy : uint8_t { kBoth, kMainOnly, kMacroOnly };

struct UsageName {
    const wchar_t* name;
    uint8_t usage;
    KnownBy knownBy = kBoth;
};

// The names the mouse understands, in lookup order (first match wins).
// Usages are those of the Keyboard/Keypad page, except the private mouse
// button values 0xF0..0xF2.
// clang-format off
constexpr UsageName kUsageNames[] = {
    {L"A", 0x04}, {L"B", 0x05}, {L"C", 0x06}, {L"D", 0x07}, {L"E", 0x08}, {L"F", 0x09},
    {L"G", 0x0A}, {L"H", 0x0B}, {L"I", 0x0C}, {L"J", 0x0D}, {L"K", 0x0E}, {L"L", 0x0F},
    {L"M", 0x10}, {L"N", 0x11}, {L"O", 0x12}, {L"P", 0x13}, {L"Q", 0x14}, {L"R", 0x15},
    {L"S", 0x16}, {L"T", 0x17}, {L"U", 0x18}, {L"V", 0x19}, {L"W", 0x1A}, {L"X", 0x1B},
    {L"Y", 0x1C}, {L"Z", 0x1D},
    {L"1", 0x1E}, {L"2", 0x1F}, {L"3", 0x20}, {L"4", 0x21}, {L"5", 0x22},
    {L"6", 0x23}, {L"7", 0x24}, {L"8", 0x25}, {L"9", 0x26}, {L"0", 0x27},
    {L"Enter", 0x28}, {L"Esc", 0x29}, {L"Backspace", 0x2A}, {L"Tab", 0x2B}, {L"Space", 0x2C},
    {L"-", 0x2D}, {L"=", 0x2E}, {L"[", 0x2F}, {L"]", 0x30}, {L"\\", 0x31},
    // The non-US hash and tilde key; no virtual-key code is given this name.
    {L"Eurpo(Note 2)", 0x32},
    {L";", 0x33}, {L"'", 0x34}, {L"`", 0x35}, {L",", 0x36}, {L".", 0x37}, {L"/", 0x38},
    {L"Caps Lock", 0x39},
    {L"F1", 0x3A}, {L"F2", 0x3B}, {L"F3", 0x3C}, {L"F4", 0x3D}, {L"F5", 0x3E}, {L"F6", 0x3F},
    {L"F7", 0x40}, {L"F8", 0x41}, {L"F9", 0x42}, {L"F10", 0x43}, {L"F11", 0x44}, {L"F12", 0x45},
    {L"Prnt Scrn", 0x46}, {L"Scroll Lock", 0x47}, {L"Pause", 0x48}, {L"Insert", 0x49},
    {L"Home", 0x4A}, {L"Page Up", 0x4B}, {L"Delete", 0x4C}, {L"End", 0x4D}, {L"Page Down", 0x4E},
    {L"Right", 0x4F}, {L"Left", 0x50}, {L"Down", 0x51}, {L"Up", 0x52},
    {L"Num Lock", 0x53}, {L"Num /", 0x54}, {L"Num *", 0x55}, {L"Num -", 0x56}, {L"Num +", 0x57},
    {L"Num Enter", 0x58},
    {L"Num 1", 0x59}, {L"Num 2", 0x5A}, {L"Num 3", 0x5B}, {L"Num 4", 0x5C}, {L"Num 5", 0x5D},
    {L"Num 6", 0x5E}, {L"Num 7", 0x5F}, {L"Num 8", 0x60}, {L"Num 9", 0x61}, {L"Num 0", 0x62},
    {L"Num Del", 0x63},
    {L"Application", 0x65, kMainOnly}, {L"App", 0x65},
    {L"Ctrl", 0xE0}, {L"Shift", 0xE1}, {L"Alt", 0xE2}, {L"Left Windows", 0xE3},
    {L"Right Ctrl", 0xE4}, {L"Right Shift", 0xE5}, {L"Right Alt", 0xE6}, {L"Right Windows", 0xE7},
    {L"Left GUI", 0xE3, kMacroOnly},
    {L"L-Button", 0xF0}, {L"R-Button", 0xF1}, {L"M-Button", 0xF2},
};
// clang-format on

// Ctrl+letter of each edit shortcut: New, Cut, Copy, Paste, Save, Print,
// Find, Redo, Undo, Select All.
// clang-format off
constexpr std::array<uint8_t, kShortcutCount> kShortcutUsages = {
    0x11 /* N */, 0x1B /* X */, 0x06 /* C */, 0x19 /* V */, 0x16 /* S */,
    0x13 /* P */, 0x09 /* F */, 0x1C /* Y */, 0x1D /* Z */, 0x04 /* A */,
};
// clang-format on

// Consumer-page usages: media player (low byte of 0x183), next, previous,
// stop, play/pause, mute, volume up, volume down.
// clang-format off
constexpr std::array<uint8_t, kMultimediaCount> kMultimediaUsages = {
    0x83, 0xB5, 0xB6, 0xB7, 0xCD, 0xE2, 0xE9, 0xEA,
};
// clang-format on

uint8_t LookUpUsage(const CString& name, KnownBy skipped)
{
    const std::wstring_view wanted = name.str();
    for (const UsageName& entry : kUsageNames) {
        if (entry.knownBy != skipped && wanted == entry.name)
            return entry.usage;
    }
    return 0;
}

template <size_t N> uint8_t AtIndex(const std::array<uint8_t, N>& table, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= N)
        return 0;
    return table[static_cast<size_t>(index)];
}

}  // namespace

CString GetKeyStr(uint32_t vkCode)
{
    for (const VirtualKeyName& entry : kVirtualKeyNames) {
        if (entry.code == vkCode)
            return CString(entry.name);
    }
    return CString();
}

uint8_t KeyNameToHidUsage(CString name)
{
    return LookUpUsage(name, kMacroOnly);
}

uint8_t MacroKeyNameToHidUsage(CString name)
{
    return LookUpUsage(name, kMainOnly);
}

CString HidUsageToKeyName(uint8_t usage)
{
    for (const UsageName& entry : kUsageNames) {
        if (entry.knownBy != kMacroOnly && entry.usage == usage)
            return CString(entry.name);
    }
    return CString(L"N/A");
}

uint8_t ShortcutIndexToUsage(int index)
{
    return AtIndex(kShortcutUsages, index);
}

uint8_t MultimediaIndexToUsage(int index)
{
    return AtIndex(kMultimediaUsages, index);
}
