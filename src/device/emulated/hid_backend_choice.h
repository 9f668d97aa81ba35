#pragma once
// Which HID backend the program runs with. Setting the environment variable
// RV417_HID to "emulated" runs it with the emulated mouse instead of the real
// devices, for anyone without the mouse at hand; any other value ("real"
// among them) or none keeps the real devices.

#include "device/emulated/emulated_mouse.h"

#include <string>

class HidBackend;

// Installs the backend the environment asks for, as the program starts: the
// emulated mouse (made once, kept until the program ends) with its control
// surface (device/emulated/emulated_mouse_control.h) on the calling thread,
// when RV417_HID is "emulated"; otherwise nothing is installed and the real
// devices stay. Returns the backend installed, or nullptr.
HidBackend* InstallHidBackendOfEnvironment();

// What the system sends a window registered for device-interface
// notifications, sent to the main window (g_hMainWnd): WM_DEVICECHANGE with
// the arrival or removal of the interface `path`. The emulated mouse calls
// it once per interface as it is plugged in or out.
void SendDeviceChangeToMainWindow(DeviceChange change, const std::wstring& path);
