#include "skin/window_timers.h"

namespace {

WindowTimerSink* g_timerSink = nullptr;

}  // namespace

void StartWindowTimer(HWND window, UINT_PTR id, UINT elapse)
{
    if (g_timerSink)
        g_timerSink->Start(window, id, elapse);
    else
        ::SetTimer(window, id, elapse, nullptr);
}

void StopWindowTimer(HWND window, UINT_PTR id)
{
    if (g_timerSink)
        g_timerSink->Stop(window, id);
    else
        ::KillTimer(window, id);
}

void SetWindowTimerSink(WindowTimerSink* sink)
{
    g_timerSink = sink;
}
