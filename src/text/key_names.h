#pragma once
// Key names and the one-byte usages the mouse sends for them.
//
// Keys are known by fixed English names in every language. A key pressed
// during recording or capture arrives as a virtual-key code and is named by
// GetKeyStr; a name goes to the mouse as a Keyboard/Keypad page usage.
// The mouse buttons are numbered differently on the two sides: virtual-key
// codes 0xF1..0xF5 (L, R, M, 4, 5) but usages 0xF0..0xF2 (L, R, M).

#include "classlib/cstring.h"

#include <cstdint>

constexpr int kShortcutCount = 10;
constexpr int kMultimediaCount = 8;

// The name of a virtual-key code; empty when the code has none. Callers pass
// 0x6C for the keypad Enter so that it is named "Num Enter".
CString GetKeyStr(uint32_t vkCode);

// The usage of a key name, compared whole and case-sensitively; 0 when no
// name matches. Used by the main window's encoder and single-key assignment.
uint8_t KeyNameToHidUsage(CString name);

// As KeyNameToHidUsage, for the macro manager's encoder: it does not know
// "Application" and also accepts "Left GUI".
uint8_t MacroKeyNameToHidUsage(CString name);

// The name of a usage as KeyNameToHidUsage knows it ("Application" for
// 0x65); "N/A" for a usage without a name.
CString HidUsageToKeyName(uint8_t usage);

// The letter pressed with Ctrl for an entry of the edit-shortcut catalogue;
// 0 outside 0..9.
uint8_t ShortcutIndexToUsage(int index);

// The Consumer-page usage byte of an entry of the multimedia catalogue;
// 0 outside 0..7. Entry 0 is the low byte of 0x183.
uint8_t MultimediaIndexToUsage(int index);
