#include "device/emulated/hid_backend_choice.h"

#include "device/emulated/emulated_mouse.h"
#include "device/hid_backend.h"
#include "device/win32_hid.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The environment chooses the backend as the program starts; an installed one
// takes its place for a while.
TEST(HidBackendChoice, EmulatedByEnvironmentAndOverriddenByTests)
{
    _putenv_s("RV417_HID", "");
    EXPECT_EQ(InstallHidBackendOfEnvironment(), nullptr);
    EXPECT_NE(dynamic_cast<Win32Hid*>(&Hid()), nullptr);

    _putenv_s("RV417_HID", "emulated");
    HidBackend* chosen = InstallHidBackendOfEnvironment();
    ASSERT_NE(chosen, nullptr);
    EXPECT_NE(dynamic_cast<EmulatedMouse*>(chosen), nullptr);
    EXPECT_EQ(&Hid(), chosen);
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
