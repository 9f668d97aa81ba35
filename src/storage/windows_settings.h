#pragma once
// The four settings of a profile that go to Windows instead of the mouse:
// enhanced pointer precision, pointer speed, wheel scrolling and double-click
// time.

#include <windows.h>

#include <array>
#include <cstdint>

// The SPI_SETMOUSE thresholds and acceleration for a PointerPrecision byte:
// {6, 10, 1} for 1 (on), {0, 0, 0} for anything else.
std::array<int, 3> WindowsMouseAcceleration(uint8_t pointerPrecision);
// Windows pointer speed 1..20 for a level 1..11.
int WindowsPointerSpeed(uint8_t level);
// Double-click time in milliseconds for a level 1..11.
UINT WindowsDoubleClickTime(uint8_t level);

// Applies the four settings of g_Settings with SystemParametersInfoW. Each
// failure outputs its debug text; the next setting is still applied. A
// pointer speed, double-click speed or line count outside what the pages can
// set is not applied: Windows keeps its own value of that setting.
void ApplyWindowsSettings();

// The function the settings go through, SystemParametersInfoW unless a test
// installs a recorder; returns the previous one. nullptr restores the real one.
using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT action, UINT uiParam, PVOID pvParam, UINT winIni);
SystemParametersInfoFunction SetSystemParametersInfoFunction(SystemParametersInfoFunction function);
