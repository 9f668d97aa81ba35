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
