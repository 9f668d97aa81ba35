#include "device/clock.h"
#include "device/hid_backend.h"
#include "device/hid_link.h"
#include "device/win32_hid.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(Clock, AVirtualClockAdvancesByEachPauseAndRecordsIt)
{
    VirtualClock clock(5000);
    {
        ScopedClock use(clock);
        ClockSleep(100);
        ClockSleep(10);
        clock.Advance(7);
        EXPECT_EQ(ClockTickCount(), 5117u);
    }
    EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{100, 10}));
    // Back on the system clock: a pause of 0 does not touch the virtual one.
    ClockSleep(0);
    EXPECT_EQ(clock.Pauses().size(), 2u);
}

namespace {

// Whether an interface of the mouse is present, told by its device path
// alone (no open, no search of the link's own).
bool RealMousePresent(Win32Hid& real)
{
    const auto interfaces = real.GetPresentInterfaces();
    if (!interfaces)
        return false;
    DWORD error = 0;
    for (DWORD index = 0; interfaces->Enumerate(index, error); ++index) {
        std::optional<std::wstring> path = interfaces->DevicePath();
        if (!path)
            continue;
        CharUpperBuffW(path->data(), static_cast<DWORD>(path->size()));
        if (path->find(L"VID_04D9&PID_A10D") != std::wstring::npos)
            return true;
    }
    return false;
}

}  // namespace

// The real backend under the link: on a machine without the mouse the search
// walks every present interface through SetupAPI and ends without a handle.
// (Wine reports no process handle count, so the emulated mouse counts them.)
TEST(Win32HidSearch, EndsWithoutTheMouse)
{
    Win32Hid real;
    if (RealMousePresent(real))
        GTEST_SKIP() << "a mouse 04D9:A10D is plugged in";
    ScopedHidBackend use(real);
    EXPECT_FALSE(FindDevice());
    EXPECT_FALSE(FindDevice());
    EXPECT_FALSE(IsDeviceHandleValid(g_hDevCmd));
    EXPECT_FALSE(IsDeviceHandleValid(g_hDevRead));
}
