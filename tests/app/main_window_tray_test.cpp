// The notification-area icon of the main window, on real windows in the
// test process: the icon record it hands to the shell, the balloons of the
// mouse's events, the arrival and removal of the mouse's interfaces as the
// emulated mouse reports them, hiding while the mouse is absent, the window
// shown again from the icon, and the end of the process.

#include "main_window_fixture.h"

#include "app/tray_calls.h"
#include "device/emulated/emulated_mouse_control.h"
#include "device/emulated/hid_backend_choice.h"
#include "messages.h"

#include <algorithm>
#include <cstring>

using apptest::g_endCodes;
using apptest::g_trayCalls;
using apptest::MainWindowFixture;

namespace {

class MainWindowTray : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        mouse.SetDeviceChangeListener(&SendDeviceChangeToMainWindow);
    }
    void TearDown() override
    {
        mouse.SetDeviceChangeListener(nullptr);
        MainWindowFixture::TearDown();
    }

    LRESULT Tray(LPARAM mouseMessage, WPARAM icon = 128)
    {
        return window->SendMessage(WM_TRAYNOTIFY, icon, mouseMessage);
    }
    LRESULT Event(WPARAM code, LPARAM value) { return window->SendMessage(WM_DEVICE_NOTIFY, code, value); }

    std::vector<DWORD> Messages() const
    {
        std::vector<DWORD> messages;
        for (const apptest::TrayCall& call : g_trayCalls)
            messages.push_back(call.message);
        return messages;
    }
    size_t Frames(uint8_t code) const
    {
        const auto codes = CommandCodes();
        return static_cast<size_t>(
            std::count_if(codes.begin(), codes.end(), [code](const auto& c) { return c.first == code; }));
    }
};

}  // namespace

TEST_F(MainWindowTray, IconRecordAtStart)
{
    ASSERT_TRUE(CreateMainWindow());
    ASSERT_EQ(Messages(), std::vector<DWORD>{NIM_ADD});
    const NOTIFYICONDATAW& nid = g_trayCalls[0].data;
    EXPECT_EQ(nid.cbSize, NOTIFYICONDATAW_V3_SIZE);
    EXPECT_EQ(nid.hWnd, window->m_hWnd);
    EXPECT_EQ(nid.uID, 128u);
    EXPECT_EQ(nid.uFlags, 7u);
    EXPECT_EQ(nid.uCallbackMessage, 0x7F1u);
    EXPECT_NE(nid.hIcon, nullptr);
    EXPECT_EQ(std::wstring(nid.szTip), std::wstring(g_TextTable.Get(6)));
    EXPECT_EQ(Tray(WM_LBUTTONUP, 127), 1) << "another icon's message";
    EXPECT_EQ(Tray(WM_MOUSEMOVE), 0);
}

TEST_F(MainWindowTray, BalloonsOfTheMousesEvents)
{
    ASSERT_TRUE(CreateMainWindow());
    g_SettingsSaved.DpiStage[2] = 48;
    g_trayCalls.clear();
    mouse.ClearLog();

    Event(3, 3);
    ASSERT_EQ(Messages(), std::vector<DWORD>{NIM_MODIFY});
    NOTIFYICONDATAW nid = g_trayCalls.back().data;
    EXPECT_EQ(std::wstring(nid.szInfo), std::wstring(g_TextTable.Get(536) + L"(2400 DPI)"));
    EXPECT_EQ(std::wstring(nid.szInfoTitle), L"Info");
    EXPECT_EQ(nid.uTimeout, 5000u);
    EXPECT_EQ(nid.uFlags, 0x17u);
    EXPECT_EQ(nid.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
    EXPECT_EQ(Frames(0x82), 1u) << "the current profile read before the balloon";
    EXPECT_EQ(Frames(0x8C), 1u) << "the profile block read before the balloon";

    g_trayCalls.clear();
    mouse.ClearLog();
    Event(1, 0);
    Event(2, 8);
    Event(9, 0);
    Event(4, 1);
    EXPECT_TRUE(g_trayCalls.empty());
    EXPECT_TRUE(CommandCodes().empty()) << "no device read without a balloon";

    Event(9, 2);
    EXPECT_EQ(std::wstring(g_trayCalls.back().data.szInfo), std::wstring(g_TextTable.Get(545) + L"2"));
    Event(15, 0);
    nid = g_trayCalls.back().data;
    EXPECT_EQ(std::wstring(nid.szInfoTitle), L"Warning");
    EXPECT_EQ(nid.uTimeout, 100u);
}

// Unplugged: the lost balloon while the icon still exists, then the window
// hides and the icon goes. Plugged in again: the found balloon, the mouse
// read and the profile reloaded, the icon back, the window still hidden.
TEST_F(MainWindowTray, RemovalAndArrivalOfTheMouse)
{
    ASSERT_TRUE(CreateMainWindow());
    window->ShowWindow(SW_SHOW);
    g_trayCalls.clear();

    mouse.Unplug();
    EXPECT_FALSE(g_bDeviceOpen);
    EXPECT_FALSE(window->IsWindowVisible());
    ASSERT_FALSE(g_trayCalls.empty());
    EXPECT_EQ(g_trayCalls.front().message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(std::wstring(g_trayCalls.front().data.szInfo), std::wstring(g_TextTable.Get(547)));
    EXPECT_EQ(g_trayCalls.back().message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_TRUE(Logged(L"The system did not detect the gaming mouse."));

    // The profile on disk changes while the mouse is away.
    g_Settings.SensitivityX = 9;
    g_trayCalls.clear();
    mouse.ClearLog();
    mouse.SetCurrentProfile(0);
    mouse.Plug();
    EXPECT_TRUE(g_bDeviceOpen);
    EXPECT_FALSE(window->IsWindowVisible()) << "the window stays hidden until the icon is used";
    ASSERT_FALSE(g_trayCalls.empty());
    EXPECT_EQ(std::wstring(g_trayCalls.front().data.szInfo), std::wstring(g_TextTable.Get(548)));
    EXPECT_EQ(g_trayCalls.back().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_GE(Frames(0x82), 1u);
    EXPECT_NE(g_Settings.SensitivityX, 9) << "the profile was read again";
    EXPECT_EQ(std::memcmp(&g_SettingsSaved, &g_Settings, sizeof g_Settings), 0)
        << "a Cancel after the re-plug returns to the files";
}

TEST_F(MainWindowTray, ADeviceOfAnotherNameIsIgnored)
{
    ASSERT_TRUE(CreateMainWindow());
    g_trayCalls.clear();
    SendDeviceChangeToMainWindow(DeviceChange::Arrival, L"\\\\?\\HID#Vid_04d9&Pid_a10d#1");
    SendDeviceChangeToMainWindow(DeviceChange::Removal, L"\\\\?\\HID#VID_1234&PID_5678#1");
    EXPECT_TRUE(g_trayCalls.empty());
    EXPECT_TRUE(g_bDeviceOpen);
}

TEST_F(MainWindowTray, AStartWithoutTheMouseHidesTheWindowTwice)
{
    mouse.SetInterfaces(EmulatedMouse::StandardInterfaces(EmulatedMouse::Order::EventFirst, false));
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
    const auto showAndPaintFrame = [&] {
        window->ShowWindow(SW_SHOW);
        window->SendMessage(WM_NCPAINT, 1, 0);
    };
    // The creation may have painted the frame once already.
    EXPECT_GE(window->m_nNcPaintHides, 1);
    EXPECT_LE(window->m_nNcPaintHides, 2);
    while (window->m_nNcPaintHides > 0) {
        showAndPaintFrame();
        EXPECT_FALSE(window->IsWindowVisible());
    }
    showAndPaintFrame();
    EXPECT_TRUE(window->IsWindowVisible()) << "hidden at the first two non-client paints only";

    window->SetButtonPanelState(0);
    Tray(WM_LBUTTONDBLCLK);  // no mouse: the icon's window stays as it is
    EXPECT_EQ(window->m_nButtonPanelState, 0);
}

TEST_F(MainWindowTray, DoubleClickShowsTheWindowFolded)
{
    ASSERT_TRUE(CreateMainWindow());
    window->SetButtonPanelState(0);
    window->SetSecondPanelState(0);
    window->m_dlgPanel.ToggleDpiSection(0);
    window->ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    window->MoveWindow(5, 5, 100, 100);

    Tray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(window->IsWindowVisible());
    RECT rect{};
    window->GetWindowRect(&rect);
    EXPECT_EQ(rect.right - rect.left, window->m_nWindowWidth);
    EXPECT_EQ(rect.bottom - rect.top, window->m_nWindowHeight);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((rect.left + rect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_EQ(window->m_nButtonPanelState, 1);
    EXPECT_EQ(window->m_nAxisPanelState, 1);
    for (int collapsed : window->m_dlgPanel.m_bCollapsed)
        EXPECT_EQ(collapsed, 1);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(window->m_hWnd, GWL_EXSTYLE);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
}

// The read thread ends before the handles close, the icon goes, and the
// process is asked to end with code 1; in between the mouse's events keep
// arriving.
TEST_F(MainWindowTray, DestructionEndsTheProcessAfterTheReadThread)
{
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        ResetGlobals();
        g_trayCalls.clear();
        g_endCodes.clear();
        ASSERT_TRUE(CreateMainWindow());
        for (int k = 0; k < 5; ++k)
            mouse.ReportEvent(9, 1);
        window->DestroyWindow();
        EXPECT_EQ(g_pReadThread, nullptr) << "the read thread has ended";
        EXPECT_EQ(g_endCodes, std::vector<int>{1});
        ASSERT_FALSE(g_trayCalls.empty());
        EXPECT_EQ(g_trayCalls.back().message, static_cast<DWORD>(NIM_DELETE));
        EXPECT_EQ(mouse.OpenHandleCount(), 0u);
        EXPECT_TRUE(mouse.Errors().empty()) << FormatEmulatedLog(mouse.Errors());
        window.reset();
    }
}
