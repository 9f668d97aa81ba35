#pragma once
// Window timers of the skinned controls. They go through one replaceable
// sink, so that a test can see which timers a window starts and stops and
// fire them itself by sending WM_TIMER, without waiting for them.

#include <windows.h>

class WindowTimerSink {
public:
    virtual ~WindowTimerSink() = default;
    virtual void Start(HWND window, UINT_PTR id, UINT elapse) = 0;
    virtual void Stop(HWND window, UINT_PTR id) = 0;
};

// SetTimer / KillTimer on `window`, or the installed sink's Start / Stop.
void StartWindowTimer(HWND window, UINT_PTR id, UINT elapse);
void StopWindowTimer(HWND window, UINT_PTR id);

// Sends every later start and stop to `sink` instead of the system; null
// gives them back to the system. The sink is not owned.
void SetWindowTimerSink(WindowTimerSink* sink);
