#include "classlib/win_app.h"

#include "classlib/message_pump.h"
#include "classlib/wnd.h"

#include <process.h>

namespace {

CWinApp* g_app = nullptr;

}  // namespace

// --- Threads ---

CWinThread::~CWinThread()
{
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

int CWinThread::Run()
{
    for (;;) {
        if (!msgpump::MessageWaiting())
            msgpump::Idle();
        if (!msgpump::PumpMessage(m_nExitCode))
            return ExitInstance();
    }
}

unsigned __stdcall CWinThread::ThreadEntry(void* thread)
{
    auto* self = static_cast<CWinThread*>(thread);
    const UINT code = self->m_pfnThreadProc(self->m_pThreadParams);
    // The object belongs to its thread unless its owner asked to keep it.
    if (self->m_bAutoDelete)
        delete self;
    return code;
}

CWinThread* AfxBeginThread(AFX_THREADPROC function, LPVOID parameter, int priority, UINT stackSize, DWORD flags,
                           LPSECURITY_ATTRIBUTES security)
{
    auto* thread = new CWinThread;
    thread->m_pfnThreadProc = function;
    thread->m_pThreadParams = parameter;
    // Always created suspended, so that the priority is set before the
    // function runs and the handle is stored before the object can go.
    unsigned id = 0;
    const uintptr_t handle =
        ::_beginthreadex(security, stackSize, &CWinThread::ThreadEntry, thread, CREATE_SUSPENDED, &id);
    if (handle == 0) {
        delete thread;
        return nullptr;
    }
    thread->m_hThread = reinterpret_cast<HANDLE>(handle);
    thread->m_nThreadID = id;
    thread->SetThreadPriority(priority);
    if (!(flags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}

// --- Application ---

BEGIN_MESSAGE_TABLE(CWinApp)
    MAP_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_TABLE()

CWinApp::CWinApp(LPCWSTR appName) : m_pszAppName(appName)
{
    g_app = this;
    m_hInstance = ::GetModuleHandleW(nullptr);
    m_hThread = nullptr;
    m_nThreadID = ::GetCurrentThreadId();
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

HICON CWinApp::LoadIcon(UINT resourceId) const
{
    return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId));
}

void AfxEnableControlContainer() {}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_app ? g_app->m_hInstance : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

int RunApplication(HINSTANCE instance, LPWSTR commandLine, int showCommand)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    app->m_nCmdShow = showCommand;
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}
