#pragma once
// The program's private window messages, each with its value. Senders and
// receivers include this header so that a value is defined in one place only.

#include <windows.h>

// A device event for the main window: wParam = event code, lParam = event
// value (device/device_events.h). Sent by the device read thread and by the
// main window's own arrival and removal handling.
constexpr UINT WM_DEVICE_NOTIFY = 0x7F2;
