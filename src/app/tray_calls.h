#pragma once
// The two calls of the notification-area code that tests replace: the
// shell's icon call, so a test reads back every icon record the window
// hands over, and the end of the process, so a test's process outlives
// the main window it destroys.

#include "classlib/scoped_install.h"

#include <windows.h>

#include <shellapi.h>

struct TrayCalls {
    // As Shell_NotifyIconW.
    BOOL(WINAPI* shellNotifyIcon)(DWORD message, PNOTIFYICONDATAW data);
    // Ends the process with `code`; the real call does not return.
    void (*endProcess)(int code);
};

// The calls in use: the installed ones, else the real ones.
const TrayCalls& CurrentTrayCalls();
TrayCalls RealTrayCalls();
// Installs `calls`; returns the ones installed before.
TrayCalls SetTrayCalls(const TrayCalls& calls);

// Installs calls for the lifetime of the object, then puts back the previous.
using ScopedTrayCalls = ScopedInstall<TrayCalls, &SetTrayCalls>;
