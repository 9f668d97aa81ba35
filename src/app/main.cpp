#include "app/app.h"
#include "device/emulated/hid_backend_choice.h"

// The application object. The class library's entry point runs it; the
// HID backend is the one the environment names (RV417_HID).
CMouseConfigurationApp theApp(&InstallHidBackendOfEnvironment);
