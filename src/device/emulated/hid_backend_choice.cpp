#include "device/emulated/hid_backend_choice.h"

#include "device/emulated/emulated_mouse.h"
#include "device/emulated/emulated_mouse_control.h"
#include "device/hid_backend.h"

#include <cstdlib>
#include <cstring>

HidBackend* InstallHidBackendOfEnvironment()
{
    const char* choice = std::getenv("RV417_HID");
    if (!choice || std::strcmp(choice, "emulated") != 0)
        return nullptr;
    static EmulatedMouse mouse;
    static EmulatedMouseControl control(mouse);
    SetHidBackend(&mouse);
    return &mouse;
}
