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

// The main window, set before the thread is created.
extern HWND g_hMainWnd;

// The receive buffer; the mouse's event reports are shorter. An event
// collection with longer reports is read no further than this.
constexpr DWORD kReadBufferSize = 40;

// The thread function. Its parameter (the main window) is not used. It loops
// until a stop is requested, then makes sure no read of its own is still
// pending and returns 0.
UINT __cdecl ReadThreadFun(LPVOID pParam);

// Clears a stop request, so that a new thread runs; FALSE when the stop
// signal cannot be created.
BOOL ResetReadThreadStop();

// Asks the thread to end and wakes it wherever it waits. From then on it
// sends no further event.
void RequestReadThreadStop();

// Waits until `thread` has ended. Messages that other threads send to this
// thread's windows meanwhile are handled, so a read thread blocked in its
// SendMessageW to a window of this thread can finish and end.
void WaitForThreadEnd(HANDLE thread);
