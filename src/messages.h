#pragma once
// The program's private window messages, each with its value. Senders and
// receivers include this header so that a value is defined in one place only.

#include <windows.h>

// Image sliders to their owner: wParam = the new position, lParam = the
// slider's control id.
constexpr UINT WM_MARKER_POS = 0x2B15;    // position chosen (release; vertical sliders also while dragging)
constexpr UINT WM_MARKER_TRACK = 0x2B16;  // position while a horizontal slider is dragged

// Scroll bar wrapper to itself, posted after the wrapped window's client
// area was calculated: wParam = the wrapped window's WS_VSCROLL bit, lParam =
// its WS_EX_LEFTSCROLLBAR bit.
constexpr UINT WM_SKINSCROLL_RELAYOUT = 0x464;

// The in-place list item editor to its list box when editing has ended,
// committed or cancelled: wParam = the edit control's id (1), lParam = the
// index of the edited item.
constexpr UINT WM_LEBEDIT_END = 0x464;

// A device event for the main window: wParam = event code, lParam = event
// value (device/device_events.h). Sent by the device read thread and by the
// main window's own arrival and removal handling.
constexpr UINT WM_DEVICE_NOTIFY = 0x7F2;

// The notification-area icon to the main window: wParam = the icon's id
// (128), lParam = the mouse message on the icon.
constexpr UINT WM_TRAYNOTIFY = 0x7F1;

// The settings panel to its current parent when it or one of its headers is
// pressed, so that the main window drops its button highlight; no data.
constexpr UINT WM_PANEL_CLICK = 0x7F4;

// The profile list window to the main window: wParam 0 import a profile
// file, 1 export one, 2 the list was closed; lParam = the selected index.
constexpr UINT WM_PROFILE_COMMAND = 0xB03;

// The key capture hook to the key capture dialog: a key was seen.
constexpr UINT WM_KEY_CAPTURED = 0xB04;

// The recording hook to the macro manager: one key event to add as a line.
// wParam 0 a press, 1 a release; lParam the key's virtual-key code (0x6C for
// the keypad Enter), so that each event carries its own key.
constexpr UINT WM_RECORD_KEY_EVENT = 0x926;
