#pragma once
// The events the mouse reports on its event collection, and the codes the
// main window receives with WM_DEVICE_NOTIFY.
//
// Event input report: 06 07 code value, the rest ignored.

#include <windows.h>

#include <cstdint>

constexpr uint8_t kEventReportByte0 = 0x06;
constexpr uint8_t kEventReportByte1 = 0x07;
constexpr size_t kEventCodeOffset = 2;
constexpr size_t kEventValueOffset = 3;

// Codes 1, 2 and 3 all tell that a DPI stage was switched on the mouse; the
// value is the stage now active.
constexpr WPARAM EVT_DPI_STAGE = 1;
constexpr WPARAM EVT_DPI_STAGE_LAST = 3;
// The mouse's macro key; the value as reported.
constexpr WPARAM EVT_MACRO_KEY = 9;
// Sent by the main window's arrival and removal handling, value 0.
constexpr WPARAM EVT_DEVICE_FOUND = 14;
constexpr WPARAM EVT_DEVICE_LOST = 15;

constexpr bool IsDpiStageEvent(WPARAM code)
{
    return code >= EVT_DPI_STAGE && code <= EVT_DPI_STAGE_LAST;
}
