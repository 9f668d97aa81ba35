#pragma once
// The two start-up calls of the main window that can fail: creating the
// read thread with the event of its reads, and registering the window for
// device-interface notifications. Tests replace them to see how a failed
// start-up ends.

#include "classlib/scoped_install.h"

#include <windows.h>

struct DeviceWatchCalls {
    // As CreateReadThread (device/read_thread.h): TRUE when the thread exists.
    BOOL (*createReadThread)(LPVOID mainWindow);
    // As RegisterDeviceNotificationW: null on failure.
    HDEVNOTIFY(WINAPI* registerDeviceNotification)(HANDLE recipient, LPVOID filter, DWORD flags);
};

// The calls in use: the installed ones, else the real ones.
const DeviceWatchCalls& CurrentDeviceWatchCalls();
// The real calls.
DeviceWatchCalls RealDeviceWatchCalls();

// Installs `calls`; returns the ones installed before.
DeviceWatchCalls SetDeviceWatchCalls(const DeviceWatchCalls& calls);

// Installs calls for the lifetime of the object, then puts back the previous.
using ScopedDeviceWatchCalls = ScopedInstall<DeviceWatchCalls, &SetDeviceWatchCalls>;
