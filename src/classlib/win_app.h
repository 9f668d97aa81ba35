#pragma once
// The application object and threads.
//
// The program defines exactly one global object of a class derived from
// CWinApp. The library's wWinMain (app_entry.cpp) hands over to
// RunApplication, which runs the object's InitInstance; when that returns
// FALSE, ExitInstance runs at once and its result is the exit code;
// otherwise the message loop (Run) runs until WM_QUIT and ends with
// ExitInstance.
//
// Worker threads start with AfxBeginThread. Their CWinThread object deletes
// itself when the thread function returns, unless m_bAutoDelete is cleared.

#include "classlib/object.h"

#include <windows.h>

class CWnd;

class CWinThread : public CCmdTarget {
public:
    CWinThread() = default;
    ~CWinThread() override;

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;
    // The window whose tree message pre-translation stops at.
    CWnd* m_pMainWnd = nullptr;

    operator HANDLE() const { return m_hThread; }

    // Each returns the thread's previous suspend count (0xFFFFFFFF on failure).
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    BOOL SetThreadPriority(int priority) { return ::SetThreadPriority(m_hThread, priority); }
    int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }

    virtual BOOL InitInstance() { return TRUE; }
    // The exit code: the WM_QUIT code when Run ended, else 0.
    virtual int ExitInstance() { return m_nExitCode; }
    // The message loop; returns ExitInstance() after WM_QUIT.
    virtual int Run();

protected:
    int m_nExitCode = 0;

private:
    using ThreadFunction = UINT(__cdecl*)(LPVOID);
    friend CWinThread* AfxBeginThread(ThreadFunction, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
    static unsigned __stdcall ThreadEntry(void* thread);
    ThreadFunction m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;
};

using AFX_THREADPROC = UINT(__cdecl*)(LPVOID);

// Starts `function(parameter)` on a new thread with the given priority and
// stack size (0: the default). With CREATE_SUSPENDED in `flags` the thread
// waits for ResumeThread. Returns null when the thread cannot be created.
CWinThread* AfxBeginThread(AFX_THREADPROC function, LPVOID parameter, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD flags = 0, LPSECURITY_ATTRIBUTES security = nullptr);

// The standard Help command.
inline constexpr UINT ID_HELP = 0xE001;

// The value of the restart-manager flag that applications may set.
inline constexpr DWORD AFX_RESTART_MANAGER_SUPPORT_RESTART = 0x01;

class CWinApp : public CWinThread {
public:
    explicit CWinApp(LPCWSTR appName = nullptr);
    ~CWinApp() override;

    LPCWSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPWSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    // Start-up settings that change nothing of the program's behaviour on
    // this system: the restart-manager flag is kept but not acted on, and
    // SetRegistryKey and AfxEnableControlContainer have no effect.
    DWORD m_dwRestartManagerSupportFlags = 0;
    void SetRegistryKey(LPCWSTR) {}

    // An icon resource of the program's module.
    HICON LoadIcon(UINT resourceId) const;

protected:
    // The standard Help command; the program ships no help to open.
    void OnHelp() {}

    DECLARE_MESSAGE_TABLE(CWinApp, CWinThread)
};

void AfxEnableControlContainer();

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Runs the application object (see the top of this file); returns the
// process's exit code. The library's wWinMain calls it.
int RunApplication(HINSTANCE instance, LPWSTR commandLine, int showCommand);
