#include "device/emulated/hid_backend_choice.h"

#include "device/emulated/emulated_mouse.h"
#include "device/emulated/emulated_mouse_control.h"
#include "device/hid_backend.h"
#include "device/win32_hid.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Whether this process has a control surface (other processes may have theirs).
bool HasOwnControlSurface()
{
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, kEmulatedMouseControlClass, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, kEmulatedMouseControlClass, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId())
            return true;
    }
    return false;
}

}  // namespace

// The environment chooses the backend as the program starts ("emulated"
// exactly; anything else keeps the real devices); an installed one takes its
// place for a while.
TEST(HidBackendChoice, EmulatedByEnvironmentAndOverriddenByTests)
{
    for (const char* real : {"", "real", "Emulated"}) {
        _putenv_s("RV417_HID", real);
        EXPECT_EQ(InstallHidBackendOfEnvironment(), nullptr) << real;
        EXPECT_NE(dynamic_cast<Win32Hid*>(&Hid()), nullptr);
    }
    EXPECT_FALSE(HasOwnControlSurface());

    _putenv_s("RV417_HID", "emulated");
    HidBackend* chosen = InstallHidBackendOfEnvironment();
    ASSERT_NE(chosen, nullptr);
    EXPECT_NE(dynamic_cast<EmulatedMouse*>(chosen), nullptr);
    EXPECT_EQ(&Hid(), chosen);
    EXPECT_TRUE(HasOwnControlSurface()) << "the emulated mouse comes with its control surface";
    _putenv_s("RV417_HID", "");
    EXPECT_EQ(&Hid(), chosen);

    EmulatedMouse mine;
    {
        ScopedHidBackend use(mine);
        EXPECT_EQ(&Hid(), &mine);
    }
    EXPECT_EQ(&Hid(), chosen);

    SetHidBackend(nullptr);
    EXPECT_NE(dynamic_cast<Win32Hid*>(&Hid()), nullptr);
}
