#include "device/emulated/hid_backend_choice.h"

#include "device/emulated/emulated_mouse.h"
#include "device/emulated/emulated_mouse_control.h"
#include "device/hid_backend.h"
#include "device/win32_hid.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, kEmulatedMouseControlClass, nullptr), nullptr);

    _putenv_s("RV417_HID", "emulated");
    HidBackend* chosen = InstallHidBackendOfEnvironment();
    ASSERT_NE(chosen, nullptr);
    EXPECT_NE(dynamic_cast<EmulatedMouse*>(chosen), nullptr);
    EXPECT_EQ(&Hid(), chosen);
    EXPECT_NE(FindWindowExW(HWND_MESSAGE, nullptr, kEmulatedMouseControlClass, nullptr), nullptr)
        << "the emulated mouse comes with its control surface";
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
