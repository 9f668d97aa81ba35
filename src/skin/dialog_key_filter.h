#pragma once
// The keys that the skinned dialogs keep from the dialog manager: Enter,
// Space, Escape and F1 would press a default button, close the dialog or
// ask for help. Each such window swallows them in PreTranslateMessage.

#include <windows.h>

// True for WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN and WM_SYSKEYUP carrying
// VK_RETURN, VK_SPACE, VK_ESCAPE or VK_F1.
bool IsSwallowedDialogKey(const MSG& msg);
