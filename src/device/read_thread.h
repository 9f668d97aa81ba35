#pragma once
// The device read thread: for the whole run of the program it reads the
// mouse's event reports from the event collection with overlapped I/O and
// hands each event to the main window as WM_DEVICE_NOTIFY, with a
// synchronous SendMessageW, so events are handled one at a time and in order
// on the user-interface thread.
//
// The thread shares g_bDeviceOpen, g_hDevRead and g_ovRead with the
// user-interface thread, which alone writes them; it never touches the
// command handle.

#include <windows.h>

class CWinThread;

// The main window, set before the thread is created.
extern HWND g_hMainWnd;

// The thread object, from CreateReadThread to StopReadThread. The main
// window resumes it at start-up when the mouse was found, otherwise the
// first arrival does (ResumeReadThread).
extern CWinThread* g_pReadThread;

// The smallest receive buffer; the mouse's event reports are shorter. An
// event collection with longer input reports gets a buffer of its report
// length, since the driver refuses a read into a shorter one.
constexpr DWORD kReadBufferSize = 40;

// The thread function. Its parameter (the main window) is not used. It loops
// until StopReadThread asks it to end, then makes sure no read of its own is
// still pending and returns 0.
UINT __cdecl ReadThreadFun(LPVOID pParam);

// For the main window's start-up, after the device search: creates the
// manual-reset event of g_ovRead (initially not signalled), then the read
// thread, suspended, in g_pReadThread. When the event cannot be created it
// outputs "CreateEvent failed." and creates no thread. TRUE when the thread
// exists.
BOOL CreateReadThread(LPVOID mainWindow);

// For the arrival handling, once g_bDeviceOpen is set after a successful
// search: lets a thread left suspended run (resuming a running thread does
// nothing) and wakes one that waits for the mouse. Does nothing without a
// thread.
void ResumeReadThread();

// For the main window's end, before the device handles are closed: asks the
// thread to end and wakes it wherever it waits (a pending read, the wait for
// the mouse, or not yet resumed), and returns once it has ended. Messages
// that the thread sends meanwhile to windows of the calling thread are
// handled, so it cannot stay blocked in its SendMessageW. Then closes the
// event of g_ovRead and forgets the thread. Does nothing without a thread.
void StopReadThread();
