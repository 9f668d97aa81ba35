#pragma once
// What the notification-area icon shows: the balloon for each event the
// mouse reports, the DPI text of a stage, the bounded copies into the icon
// record's fixed text fields, and the device names that arrival and removal
// answer to. Plain functions, tested without a window.

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

// "(%d DPI)" with the stage value times 50: 72 gives "(3600 DPI)".
CString DpiText(uint8_t stageValue);

struct Balloon {
    CString text;
    CString title;
    UINT timeoutMs = 0;
};

// Event codes of the device-event message.
constexpr WPARAM kEventDpiStageFirst = 1;
constexpr WPARAM kEventDpiStageLast = 3;
constexpr WPARAM kEventMacroKey = 9;
constexpr WPARAM kEventDeviceFound = 14;
constexpr WPARAM kEventDeviceLost = 15;

// True for a DPI-stage event with a stage 1..7: the one balloon that reads
// the mouse before it shows.
bool IsDpiStageBalloon(WPARAM code, LPARAM value);

// The balloon of an event, with its texts from the text table and the DPI
// from `saved`; none for codes and values that show nothing.
std::optional<Balloon> BalloonForEvent(WPARAM code, LPARAM value, const SettingsRecord& saved);

// Copies `text` into a fixed field, cut so that it and its terminating zero
// fit; an empty field stays untouched.
void CopyBounded(std::span<wchar_t> field, const CString& text);

// Whether a device-interface name is one the arrival, or the removal,
// answers to (the exact letter cases the mouse's names take).
bool IsArrivalDeviceName(const wchar_t* name);
bool IsRemovalDeviceName(const wchar_t* name);
