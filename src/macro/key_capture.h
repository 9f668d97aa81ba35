#pragma once
// What the key capture makes of one low-level keyboard event, and the keys
// its dialog keeps from the dialog manager.

#include "classlib/cstring.h"

#include <windows.h>

#include <optional>

// The flag bits of a low-level keyboard event that the capture looks at.
constexpr DWORD kCaptureFlagMask = LLKHF_EXTENDED | LLKHF_UP;

// The virtual key an event stands for: the keypad Enter (Enter with the
// extended bit, pressed or released) becomes 0x6C so that it has a name of
// its own.
DWORD CapturedVirtualKey(DWORD vkCode, DWORD flags);

// The name the capture shows for an event, or nothing when the key cannot
// be assigned to a button: keys without a name and named keys without a
// keyboard usage ("Select", "Execute", "Help", ...) would store a button
// that does nothing.
std::optional<CString> AssignableKeyName(DWORD vkCode, DWORD flags);

// Whether the key capture dialog eats `msg` before the dialog manager sees
// it: any message carrying the left or right Windows key's code, and Enter,
// Space, Esc and F1 as key messages.
bool IsSwallowedCaptureDialogKey(const MSG& msg);
