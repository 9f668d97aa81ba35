#pragma once
// CMouseConfigurationApp: the application object. It lets only one
// instance of the program run (a second start brings the first one's window
// to the front and ends), prepares the class library, installs the popup
// menu hook, registers the program's window class and runs the main window.
// Its members are the values every window reads: the language code and the
// paths of the macro store and the profile list.

#include "classlib/cstring.h"
#include "classlib/shell_manager.h"
#include "classlib/win_app.h"
#include "text/program_language.h"

#include <windows.h>

#include <memory>

class HidBackend;

inline constexpr wchar_t kProgramWindowClass[] = L"PX540LClass";
inline constexpr wchar_t kSingleInstanceMutex[] = L"RV417TALVEN_Mutex";

// The process's exit code after the main window's modal run returned with
// `result`: 0 after a normal end, 1 when the window could not be made or its
// start-up failed.
int ExitCodeOfMainWindowRun(INT_PTR result);

class CMouseConfigurationApp : public CWinApp {
public:
    // Chooses the HID backend (the program: the one the environment names),
    // once the process knows it is the only instance.
    using HidBackendChoice = HidBackend* (*)();

    explicit CMouseConfigurationApp(HidBackendChoice chooseHidBackend = nullptr);
    ~CMouseConfigurationApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The single-instance mutex; null while the application holds none.
    HANDLE m_hMutex = nullptr;
    // The language code "CHS", "CHT", "EN" or "DE": the program's one
    // language string, read from the current profile at start-up.
    CString& m_strLanguage = ProgramLanguage();
    // Full paths of record.ini (the macro store) and str.ini (the profile
    // list). The main window's profile store forms them when it loads the
    // current profile and hands them over here at once; nothing else writes
    // them.
    CString m_strRecordIni;
    CString m_strStrIni;

    DECLARE_MESSAGE_TABLE(CMouseConfigurationApp, CWinApp)

private:
    // A window of an instance already running is restored and brought to
    // the front.
    static void RestoreRunningInstance();
    static bool RegisterProgramWindowClass();
    // False when another instance holds the mutex.
    bool AcquireSingleInstanceMutex();
    // Runs the main window modally; once it returns, stops the read thread
    // and closes the device handles.
    void RunMainWindow();

    HidBackendChoice m_chooseHidBackend;
    std::unique_ptr<CShellManager> m_pShellManager;
};
