#include "storage/windows_settings.h"

#include "classlib/debug_output.h"
#include "model/pointer_setting_ranges.h"
#include "model/settings_record.h"

#include <utility>

namespace {

SystemParametersInfoFunction g_systemParametersInfo = &SystemParametersInfoW;

}  // namespace

SystemParametersInfoFunction SetSystemParametersInfoFunction(SystemParametersInfoFunction function)
{
    return std::exchange(g_systemParametersInfo, function ? function : &SystemParametersInfoW);
}

std::array<int, 3> WindowsMouseAcceleration(uint8_t pointerPrecision)
{
    if (pointerPrecision == 1)
        return {6, 10, 1};
    return {0, 0, 0};
}

int WindowsPointerSpeed(uint8_t level)
{
    return level == 1 ? 1 : 2 * level - 2;
}

UINT WindowsDoubleClickTime(uint8_t level)
{
    return static_cast<UINT>(970 - 70 * level);
}

void ApplyWindowsSettings()
{
    std::array<int, 3> acceleration = WindowsMouseAcceleration(g_Settings.PointerPrecision);
    if (!g_systemParametersInfo(SPI_SETMOUSE, 0, acceleration.data(), SPIF_SENDWININICHANGE))
        DebugTrace(L"SETMOUSE failed.\n");

    // A value that no page can set (a damaged profile file) leaves that
    // Windows setting as it is rather than storing nonsense in it.
    if (IsSpeedLevel(g_Settings.PointerSpeed)) {
        // The speed travels in the pointer argument itself.
        const int speed = WindowsPointerSpeed(g_Settings.PointerSpeed);
        if (!g_systemParametersInfo(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)),
                                    SPIF_SENDWININICHANGE))
            DebugTrace(L"SETMOUSESPEED failed.\n");
    }

    if (g_Settings.WheelPageMode != 0 || IsWheelLineCount(g_Settings.WheelLines)) {
        const UINT lines = g_Settings.WheelPageMode != 0 ? WHEEL_PAGESCROLL : g_Settings.WheelLines;
        if (!g_systemParametersInfo(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_SENDWININICHANGE))
            DebugTrace(L"SETWHEELSCROLLLINES failed.\n");
    }

    // Only the double-click time is also stored in the user's profile.
    if (IsSpeedLevel(g_Settings.DoubleClickSpeed) &&
        !g_systemParametersInfo(SPI_SETDOUBLECLICKTIME, WindowsDoubleClickTime(g_Settings.DoubleClickSpeed), nullptr,
                                SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE))
        DebugTrace(L"SPI_SETDOUBLECLICKTIME failed.\n");
}
