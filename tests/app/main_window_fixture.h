#pragma once
// Runs the main window inside the test process: a private copy of the
// installed data files and skins that the window takes for the program's
// folder, the emulated mouse behind the HID link, a virtual clock, window
// timers through the timer seam (the splash's timer fires at once, the
// others are only recorded), the Windows pointer settings recorded instead
// of applied, and the debug texts collected. Every global the start-up
// writes is reset before and after each test.
//
// The main window's tests derive from MainWindowFixture and either create
// the window modeless (CreateMainWindow: its start-up has run when it
// returns) or run it modally (RunMainWindow), as the program does.

#include "app/main_window.h"
#include "app/program_module_path.h"
#include "app/splash.h"
#include "app/tray_calls.h"
#include "classlib/debug_output.h"
#include "classlib/win_app.h"
#include "device/clock.h"
#include "device/emulated/emulated_mouse.h"
#include "device/hid_link.h"
#include "device/read_thread.h"
#include "device/single_commands.h"
#include "model/settings_record.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/window_timers.h"
#include "storage/profile_store.h"
#include "storage/windows_settings.h"
#include "support/test_support.h"
#include "text/function_catalogues.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace apptest {

struct TimerCall {
    HWND window;
    UINT_PTR id;
    UINT elapse;  // 0 for a stop
};

// The timer seam of the main window's tests: records every start and stop;
// the splash's timer fires at once (posted WM_TIMER), after `onSplash` has
// seen the splash window, unless `holdSplash` is set.
class StartupTimers : public WindowTimerSink {
public:
    StartupTimers() { SetWindowTimerSink(this); }
    ~StartupTimers() override { SetWindowTimerSink(nullptr); }
    StartupTimers(const StartupTimers&) = delete;
    StartupTimers& operator=(const StartupTimers&) = delete;

    void Start(HWND window, UINT_PTR id, UINT elapse) override
    {
        calls.push_back({window, id, elapse});
        if (!IsSplash(window) || id != IDT_SPLASH)
            return;
        splash = window;
        if (onSplash)
            onSplash(window);
        if (!holdSplash)
            ::PostMessageW(window, WM_TIMER, id, 0);
    }
    void Stop(HWND window, UINT_PTR id) override { calls.push_back({window, id, 0}); }

    static bool IsSplash(HWND window) { return dynamic_cast<CDlgSplash*>(CWnd::FromHandlePermanent(window)); }

    std::vector<TimerCall> calls;
    HWND splash = nullptr;
    std::function<void(HWND splash)> onSplash;
    bool holdSplash = false;
};

// The pointer settings the start-up applies, recorded.
struct PointerSetting {
    UINT action;
    UINT uiParam;
};
inline std::vector<PointerSetting> g_pointerSettings;

inline BOOL WINAPI RecordPointerSetting(UINT action, UINT uiParam, PVOID, UINT)
{
    g_pointerSettings.push_back({action, uiParam});
    return TRUE;
}

// What the main window handed to the shell's icon call, and the exit codes
// it asked the process to end with (the process goes on in tests).
struct TrayCall {
    DWORD message;
    NOTIFYICONDATAW data;
};
inline std::vector<TrayCall> g_trayCalls;
inline std::vector<int> g_endCodes;
inline BOOL WINAPI RecordTrayCall(DWORD message, PNOTIFYICONDATAW data)
{
    g_trayCalls.push_back({message, *data});
    return TRUE;
}
inline void RecordEndOfProcess(int code)
{
    g_endCodes.push_back(code);
}

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The program's data and skins, without the program itself.
        ASSERT_TRUE(CopyFolderTree(RV417_BIN_DIR_W L"\\", folder.path(), [](const std::wstring& name) {
            return name.size() < 4 || name.substr(name.size() - 4) != L".exe";
        }));
        ResetGlobals();
        g_trayCalls.clear();
        g_endCodes.clear();
        m_savedDpiActions = g_strDpiActions;
        g_pointerSettings.clear();
        m_previousPointerFunction = SetSystemParametersInfoFunction(&RecordPointerSetting);
        m_previousSink = SetDebugSink([this](const std::wstring& text) { debugTexts.push_back(text); });
    }

    void TearDown() override
    {
        window.reset();
        StopReadThread();
        CloseDeviceHandles();
        SetDebugSink(m_previousSink);
        SetSystemParametersInfoFunction(m_previousPointerFunction);
        g_strDpiActions = m_savedDpiActions;
        ResetGlobals();
    }

    // The program's path inside the private folder.
    std::wstring ModulePath() const { return folder.file(L"RV417 TALVEN.exe"); }

    // Makes the main window modeless; its start-up (splash included) has run
    // when this returns. False when the window could not be made.
    bool CreateMainWindow()
    {
        window = std::make_unique<CMouseConfigurationDlg>();
        return window->Create(IDD_MAIN) != FALSE;
    }

    // Runs the main window modally, as the program does, until its modal run
    // ends; `whileSplash` may post what the window should meet once its
    // start-up is done (for example IDCANCEL to end the run).
    INT_PTR RunMainWindow(const std::function<void(HWND mainWindow)>& whileSplash = {})
    {
        timers.onSplash = [this, whileSplash](HWND) {
            if (whileSplash)
                whileSplash(window->m_hWnd);
        };
        window = std::make_unique<CMouseConfigurationDlg>();
        const INT_PTR result = window->DoModal();
        timers.onSplash = nullptr;
        return result;
    }

    // Posts the command that ends a modal run, for RunMainWindow.
    static void PostCancel(HWND mainWindow) { ::PostMessageW(mainWindow, WM_COMMAND, IDCANCEL, 0); }

    // The command frames the mouse received: bytes 1 and 2 (code and first argument).
    std::vector<std::pair<uint8_t, uint8_t>> CommandCodes() const
    {
        std::vector<std::pair<uint8_t, uint8_t>> codes;
        for (const EmulatedLogEntry& e : mouse.Log())
            if (e.Kind == EmulatedLogKind::FeatureSet && e.Bytes.size() >= 3)
                codes.emplace_back(e.Bytes[1], e.Bytes[2]);
        return codes;
    }

    bool Logged(const std::wstring& text) const
    {
        for (const std::wstring& t : debugTexts)
            if (t.find(text) != std::wstring::npos)
                return true;
        return false;
    }

    static void ResetGlobals()
    {
        CloseDeviceHandles();
        g_ovRead = OVERLAPPED{};
        g_DevImage = DeviceImage{};
        g_Settings = SettingsRecord{};
        g_SettingsSaved = SettingsRecord{};
        g_TextTable = CTextTable{};
        ProgramLanguage().Empty();
        g_hMainWnd = nullptr;
        g_nCurProfile = 0;
        g_bRestoreDefaults = 0;
        SetAppDir(L"");
    }

    TempFolder folder;
    EmulatedMouse mouse;
    VirtualClock clock;
    StartupTimers timers;
    std::vector<std::wstring> debugTexts;
    std::unique_ptr<CMouseConfigurationDlg> window;

private:
    ScopedHidBackend m_useMouse{mouse};
    ScopedClock m_useClock{clock};
    ScopedProgramModulePath m_useFolder{ModulePath().c_str()};
    ScopedTrayCalls m_useTray{TrayCalls{&RecordTrayCall, &RecordEndOfProcess}};
    DpiActionNames m_savedDpiActions;
    SystemParametersInfoFunction m_previousPointerFunction = nullptr;
    DebugSink m_previousSink;
};

}  // namespace apptest
