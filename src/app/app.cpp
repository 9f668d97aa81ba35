#include "app/app.h"

#include "app/main_window.h"
#include "device/hid_link.h"
#include "device/read_thread.h"
#include "skin/menu_wnd_hook.h"

#include <commctrl.h>

int ExitCodeOfMainWindowRun(INT_PTR result)
{
    return result == kStartupFailedResult ? 1 : 0;
}

BEGIN_MESSAGE_TABLE(CMouseConfigurationApp)
    MAP_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_TABLE()

CMouseConfigurationApp::CMouseConfigurationApp(HidBackendChoice chooseHidBackend)
    : CWinApp(nullptr), m_chooseHidBackend(chooseHidBackend)
{
    m_dwRestartManagerSupportFlags = AFX_RESTART_MANAGER_SUPPORT_RESTART;
}

CMouseConfigurationApp::~CMouseConfigurationApp() = default;

BOOL CMouseConfigurationApp::InitInstance()
{
    RestoreRunningInstance();

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    m_pShellManager = std::make_unique<CShellManager>();
    CMFCVisualManager::SetDefaultManager<CMFCVisualManagerWindows>();
    SetRegistryKey(L"应用程序向导生成的本地应用程序");
    CMenuWndHook::InstallHook(m_hInstance);

    if (!RegisterProgramWindowClass())
        return FALSE;
    if (!AcquireSingleInstanceMutex())
        return FALSE;

    RunMainWindow();
    // The application ends here; ExitInstance releases the mutex.
    return FALSE;
}

void CMouseConfigurationApp::RestoreRunningInstance()
{
    if (HWND running = ::FindWindowW(nullptr, kMainWindowTitle)) {
        ::ShowWindow(running, SW_RESTORE);
        ::SetForegroundWindow(running);
    }
}

bool CMouseConfigurationApp::RegisterProgramWindowClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!::GetClassInfoExW(nullptr, L"#32770", &windowClass))
        return false;
    windowClass.lpszClassName = kProgramWindowClass;
    return ::RegisterClassExW(&windowClass) != 0;
}

bool CMouseConfigurationApp::AcquireSingleInstanceMutex()
{
    ::SetLastError(ERROR_SUCCESS);
    m_hMutex = ::CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        return false;
    }
    return true;
}

void CMouseConfigurationApp::RunMainWindow()
{
    if (m_chooseHidBackend)
        m_chooseHidBackend();
    {
        CMouseConfigurationDlg dlg;
        m_pMainWnd = &dlg;
        m_nExitCode = ExitCodeOfMainWindowRun(dlg.DoModal());
    }
    m_pMainWnd = nullptr;
    StopReadThread();
    CloseDeviceHandles();
    m_pShellManager.reset();
}

int CMouseConfigurationApp::ExitInstance()
{
    if (m_hMutex) {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
    return CWinApp::ExitInstance();
}
