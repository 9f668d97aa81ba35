// The main window's start-up, run inside the test process on real windows:
// what happens while the splash shows and after it, with and without the
// mouse, the language of the profile, the failures that end the start-up,
// and dragging the window by its free area.

#include "main_window_fixture.h"

#include "app/device_watch.h"
#include "storage/profile_file.h"

#include <cstring>

using apptest::MainWindowFixture;

namespace {

// The window's title.
std::wstring TitleOf(HWND window)
{
    wchar_t title[64] = {};
    ::GetWindowTextW(window, title, 64);
    return title;
}

// The thread's suspend count, left as it was.
DWORD SuspendCount(CWinThread& thread)
{
    const DWORD previous = thread.SuspendThread();
    thread.ResumeThread();
    return previous;
}

}  // namespace

class MainWindowStartup : public MainWindowFixture {
protected:
    // The current profile is profile 0 of the shipped data.
    std::wstring ProfilePath() const { return folder.file(L"config0.bin"); }
    std::wstring CaptionFile() const { return folder.file(L"str0.ini"); }

    // Rewrites the current profile with `change` applied to its record.
    template <class Change> void ChangeProfile(Change change) const
    {
        std::vector<unsigned char> bytes = ReadBinaryFile(ProfilePath());
        ASSERT_EQ(bytes.size(), sizeof(ProfileFile));
        SettingsRecord record{};
        std::memcpy(&record, bytes.data() + 1, sizeof record);
        change(record);
        std::memcpy(bytes.data() + 1, &record, sizeof record);
        WriteBinaryFile(ProfilePath(), bytes.data(), bytes.size());
    }

    void SetLanguage(const wchar_t* code) const
    {
        ::WritePrivateProfileStringW(L"Skins", L"Lan", code, CaptionFile().c_str());
    }
};

// While the splash shows, nothing else of the start-up has happened: no
// title, no main-window handle for the read thread, no device search. After
// it the mouse is open, the read thread runs, the profile and its texts are
// loaded, and the mouse has been asked for its firmware version twice with
// the option flags in between.
TEST_F(MainWindowStartup, SplashFirstThenDeviceProfileAndTexts)
{
    ChangeProfile([](SettingsRecord& r) { r.SensitivityX = 9; });
    SetLanguage(L"DE");
    ::WritePrivateProfileStringW(L"Setting-DE", L"Item1", L"Links", CaptionFile().c_str());

    bool splashSeen = false;
    timers.onSplash = [&](HWND splash) {
        splashSeen = true;
        EXPECT_NE(splash, window->m_hWnd);
        EXPECT_EQ(TitleOf(window->m_hWnd), L"");
        EXPECT_EQ(g_hMainWnd, nullptr);
        EXPECT_EQ(mouse.OpenHandleCount(), 0u);
        EXPECT_TRUE(mouse.Log().empty());
        EXPECT_EQ(g_pReadThread, nullptr);
    };
    ASSERT_TRUE(CreateMainWindow());
    ASSERT_TRUE(splashSeen);
    EXPECT_FALSE(::IsWindow(timers.splash)) << "the splash is closed when the start-up goes on";

    EXPECT_EQ(TitleOf(window->m_hWnd), L"RV417 TALVEN");
    EXPECT_EQ(g_hMainWnd, window->m_hWnd);
    EXPECT_TRUE(g_bDeviceOpen);
    EXPECT_GT(mouse.OpenHandleCount(), 0u);
    ASSERT_NE(g_pReadThread, nullptr);
    EXPECT_EQ(SuspendCount(*g_pReadThread), 0u) << "resumed at once when the mouse was found";

    EXPECT_EQ(g_Settings.SensitivityX, 9);
    EXPECT_EQ(std::memcmp(&g_SettingsSaved, &g_Settings, sizeof g_Settings), 0);

    EXPECT_EQ(ProgramLanguage(), L"DE");
    EXPECT_EQ(g_TextTable.Get(0), L"Setting-DE");
    EXPECT_EQ(window->m_strItem[0], L"Links");
    for (int i = 0; i < kDpiActionCount; ++i)
        EXPECT_EQ(g_strDpiActions[static_cast<size_t>(i)], g_TextTable.Get(41 + i));

    const std::vector<std::pair<uint8_t, uint8_t>> expected{{0x80, 0x00}, {0x01, 0x7C}, {0x80, 0x00}};
    EXPECT_EQ(CommandCodes(), expected);
    EXPECT_FALSE(apptest::g_pointerSettings.empty()) << "the pointer settings are applied";
    EXPECT_EQ(std::wstring(g_szAppDir), folder.path()) << "the program directory of every skin path";
}

// Without the mouse the start-up completes: the read thread waits suspended
// for the mouse, nothing is sent, and the profile is loaded all the same.
TEST_F(MainWindowStartup, WithoutTheMouseTheReadThreadStaysSuspended)
{
    mouse.SetInterfaces(EmulatedMouse::StandardInterfaces(EmulatedMouse::Order::EventFirst, false));
    ChangeProfile([](SettingsRecord& r) { r.SensitivityY = 4; });

    ASSERT_TRUE(CreateMainWindow());
    EXPECT_FALSE(g_bDeviceOpen);
    ASSERT_NE(g_pReadThread, nullptr);
    EXPECT_EQ(SuspendCount(*g_pReadThread), 1u);
    EXPECT_TRUE(CommandCodes().empty());
    EXPECT_EQ(g_Settings.SensitivityY, 4);
    EXPECT_EQ(std::memcmp(&g_SettingsSaved, &g_Settings, sizeof g_Settings), 0);
    EXPECT_EQ(TitleOf(window->m_hWnd), L"RV417 TALVEN");
}

// A missing or unknown language code leaves every language text empty: the
// text table, the DPI action names and the captions.
TEST_F(MainWindowStartup, MissingOrUnknownLanguageGivesEmptyTexts)
{
    for (const wchar_t* code : {static_cast<const wchar_t*>(nullptr), L"XX", L"en"}) {
        SCOPED_TRACE(code ? code : L"(missing)");
        ResetGlobals();
        SetLanguage(code);
        ASSERT_TRUE(CreateMainWindow());
        EXPECT_EQ(ProgramLanguage(), code ? code : L"");
        EXPECT_EQ(g_TextTable.Get(0), L"");
        EXPECT_EQ(g_TextTable.Get(6), L"");
        for (const CString& name : g_strDpiActions)
            EXPECT_EQ(name, L"");
        EXPECT_EQ(window->m_strItem[0], L"");
        window.reset();
        StopReadThread();
    }
}

// The modal run, as the program has it: it ends with the command IDCANCEL.
TEST_F(MainWindowStartup, ModalRunEndsWithCancel)
{
    EXPECT_EQ(RunMainWindow(&PostCancel), IDCANCEL);
    EXPECT_NE(g_hMainWnd, nullptr);
    EXPECT_FALSE(::IsWindow(g_hMainWnd)) << "the window is gone with its modal run";
    // Its destruction closed the mouse's handles and ended the process with 1.
    EXPECT_FALSE(g_bDeviceOpen);
    EXPECT_EQ(apptest::g_endCodes, std::vector<int>{1});
}

namespace {

BOOL FailToCreateReadThread(LPVOID)
{
    return FALSE;
}

HDEVNOTIFY WINAPI FailToRegister(HANDLE, LPVOID, DWORD)
{
    return nullptr;
}

}  // namespace

// When the read thread (with its event) cannot be made, the start-up ends
// its modal run with the failure result instead of leaving a window that
// cannot be closed; nothing after that step runs.
TEST_F(MainWindowStartup, ReadThreadFailureEndsTheModalRun)
{
    const ScopedDeviceWatchCalls failing({&FailToCreateReadThread, RealDeviceWatchCalls().registerDeviceNotification});
    g_SettingsSaved.SensitivityX = 77;

    EXPECT_EQ(RunMainWindow(), kStartupFailedResult);
    EXPECT_EQ(g_pReadThread, nullptr);
    EXPECT_EQ(g_SettingsSaved.SensitivityX, 77) << "the profile is not loaded";
    EXPECT_EQ(ProgramLanguage(), L"");
    EXPECT_TRUE(CommandCodes().empty()) << "no firmware request";
    EXPECT_FALSE(::IsWindow(g_hMainWnd));
}

// When the device notifications cannot be registered, the read thread
// already started is stopped again and the modal run ends with the failure
// result after the debug text.
TEST_F(MainWindowStartup, RegistrationFailureStopsTheReadThreadAndEndsTheModalRun)
{
    const ScopedDeviceWatchCalls failing({RealDeviceWatchCalls().createReadThread, &FailToRegister});
    g_SettingsSaved.SensitivityX = 77;

    EXPECT_EQ(RunMainWindow(), kStartupFailedResult);
    EXPECT_TRUE(Logged(L"RegisterDeviceNotification failed!!!"));
    EXPECT_EQ(g_pReadThread, nullptr) << "the read thread is stopped";
    EXPECT_EQ(g_ovRead.hEvent, nullptr);
    EXPECT_EQ(g_SettingsSaved.SensitivityX, 77);
    EXPECT_TRUE(CommandCodes().empty());
}

// A press on the window's free area starts a move of the window as its
// caption would: WM_NCLBUTTONDOWN with HTCAPTION and the point as received.
TEST_F(MainWindowStartup, PressOnTheFreeAreaDragsTheWindow)
{
    ASSERT_TRUE(CreateMainWindow());
    PumpPending();
    ::SendMessageW(window->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(123, 45));

    MSG posted{};
    ASSERT_TRUE(::PeekMessageW(&posted, window->m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(HTCAPTION));
    EXPECT_EQ(posted.lParam, MAKELPARAM(123, 45));
}

// The window's icon is the program's, for the title bar and the task bar.
TEST_F(MainWindowStartup, IconsAreTheProgramsIcon)
{
    ASSERT_TRUE(CreateMainWindow());
    ASSERT_NE(window->m_hIcon, nullptr);
    EXPECT_EQ(::SendMessageW(window->m_hWnd, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(window->m_hIcon));
    EXPECT_EQ(::SendMessageW(window->m_hWnd, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(window->m_hIcon));
    EXPECT_EQ(::SendMessageW(window->m_hWnd, WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(window->m_hIcon));
}

TEST(AppDirectory, IsTheModulesFolderWithItsSeparator)
{
    EXPECT_EQ(AppDirectoryOf(L"C:\\Program Files\\RV417\\RV417 TALVEN.exe"), L"C:\\Program Files\\RV417\\");
    EXPECT_EQ(AppDirectoryOf(L"Z:\\tmp\\x\\other name.exe"), L"Z:\\tmp\\x\\");
    EXPECT_EQ(AppDirectoryOf(L"RV417 TALVEN.exe"), L"");
}
