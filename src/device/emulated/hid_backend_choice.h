#pragma once
// Which HID backend the program runs with. Setting the environment variable
// RV417_HID to "emulated" runs it with the emulated mouse instead of the real
// devices, for anyone without the mouse at hand; any other value ("real"
// among them) or none keeps the real devices.

class HidBackend;

// Installs the backend the environment asks for, as the program starts: the
// emulated mouse (made once, kept until the program ends) with its control
// surface (device/emulated/emulated_mouse_control.h) on the calling thread,
// when RV417_HID is "emulated"; otherwise nothing is installed and the real
// devices stay. Returns the backend installed, or nullptr.
HidBackend* InstallHidBackendOfEnvironment();
