// The application object inside the test process: the first instance runs
// the main window and ends cleanly when its modal run returns, a failed
// start-up ends with a non-zero exit code, and a second instance brings the
// first one's window back and ends at the mutex.

#include "main_window_fixture.h"

#include "app/app.h"
#include "app/device_watch.h"
#include "skin/menu_wnd_hook.h"

using apptest::MainWindowFixture;

namespace {

HDEVNOTIFY WINAPI FailToRegister(HANDLE, LPVOID, DWORD)
{
    return nullptr;
}

// True when no other handle keeps the single-instance mutex alive.
bool MutexIsFree()
{
    ::SetLastError(ERROR_SUCCESS);
    HANDLE probe = ::CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    const bool fresh = probe && ::GetLastError() != ERROR_ALREADY_EXISTS;
    if (probe)
        ::CloseHandle(probe);
    return fresh;
}

}  // namespace

class Application : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(MutexIsFree());
    }

    void TearDown() override
    {
        // Each test registers the program's class anew, as each process does.
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        if (::GetClassInfoExW(::GetModuleHandleW(nullptr), kProgramWindowClass, &windowClass) ||
            ::GetClassInfoExW(nullptr, kProgramWindowClass, &windowClass))
            ::UnregisterClassW(kProgramWindowClass, windowClass.hInstance);
        MainWindowFixture::TearDown();
    }

    // The splash's owner is the main window: it gets the command that ends
    // its modal run once its start-up is done.
    void EndTheMainWindowAfterStartup()
    {
        timers.onSplash = [](HWND splash) { PostCancel(::GetWindow(splash, GW_OWNER)); };
    }
};

// The modal run returns (here: Cancel): the read thread is stopped, the
// device closed, the mutex released, and the exit code is 0. The paths the
// profile loading found are the application's.
TEST_F(Application, ReturnedModalRunEndsTheApplicationCleanly)
{
    EndTheMainWindowAfterStartup();
    CMouseConfigurationApp app;
    EXPECT_EQ(app.m_dwRestartManagerSupportFlags, AFX_RESTART_MANAGER_SUPPORT_RESTART);

    EXPECT_FALSE(app.InitInstance());
    EXPECT_NE(timers.splash, nullptr) << "the main window ran";
    EXPECT_EQ(g_pReadThread, nullptr);
    EXPECT_FALSE(g_bDeviceOpen);
    EXPECT_EQ(mouse.OpenHandleCount(), 0u);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(app.m_strStrIni, folder.file(L"str.ini").c_str());
    EXPECT_EQ(app.m_strRecordIni, folder.file(L"record.ini").c_str());
    EXPECT_EQ(&app.m_strLanguage, &ProgramLanguage());
    EXPECT_EQ(app.m_strLanguage, L"EN");

    EXPECT_NE(app.m_hMutex, nullptr);
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(app.m_hMutex, nullptr);
    EXPECT_TRUE(MutexIsFree());
}

// A start-up that fails ends the application with exit code 1, the read
// thread stopped and the mutex released.
TEST_F(Application, FailedStartupEndsWithExitCodeOne)
{
    const ScopedDeviceWatchCalls failing({RealDeviceWatchCalls().createReadThread, &FailToRegister});
    CMouseConfigurationApp app;

    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(Logged(L"RegisterDeviceNotification failed!!!"));
    EXPECT_EQ(g_pReadThread, nullptr);
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_TRUE(MutexIsFree());
}

// A second instance restores and raises the first instance's hidden window,
// makes no window and touches no device of its own, and ends at the mutex
// with nothing to release. The menu hook stays the one installed first.
TEST_F(Application, SecondInstanceRestoresTheFirstWindowAndEnds)
{
    HANDLE firstMutex = ::CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    CWnd firstWindow;
    ASSERT_TRUE(firstWindow.CreateEx(0, nullptr, L"RV417 TALVEN", WS_POPUP, 10, 10, 200, 100, nullptr, nullptr));
    ASSERT_FALSE(firstWindow.IsWindowVisible());

    CMouseConfigurationApp app;
    EXPECT_FALSE(app.InitInstance());
    const HHOOK hook = g_hMenuHook;
    EXPECT_NE(hook, nullptr);
    EXPECT_TRUE(firstWindow.IsWindowVisible());
    EXPECT_EQ(::GetForegroundWindow(), firstWindow.m_hWnd);
    EXPECT_EQ(timers.splash, nullptr) << "no main window";
    EXPECT_EQ(mouse.OpenHandleCount(), 0u);
    EXPECT_EQ(app.m_hMutex, nullptr);
    EXPECT_EQ(app.ExitInstance(), 0);

    // Once more: the class is registered already, the hook stays.
    CMouseConfigurationApp again;
    EXPECT_FALSE(again.InitInstance());
    EXPECT_EQ(g_hMenuHook, hook);

    ::CloseHandle(firstMutex);
}

// The help command reaches the application's table.
TEST_F(Application, HelpCommandIsTheApplications)
{
    CMouseConfigurationApp app;
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP, 0));
}
