#include "app/tray_menu_holder.h"

#include "skin/menu_colours.h"
#include "skin/window_timers.h"

BEGIN_MESSAGE_TABLE(CTrayMenuHolder)
    MAP_TIMER(OnTimer)
END_MESSAGE_TABLE()

namespace {

LPCWSTR HolderClass()
{
    // The class keeps its brush for the life of the program.
    static const CBrush frame(kMenuSelectedBackground);
    static const LPCWSTR name = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), frame);
    return name;
}

}  // namespace

BOOL CTrayMenuHolder::Open(POINT at)
{
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, HolderClass(), L"", WS_POPUP, at.x, at.y, 1, 1, nullptr, nullptr))
        return FALSE;
    // Shown first, then made the foreground window: the X server gives the
    // input focus only to a window that is on the screen already.
    ShowWindow(SW_SHOWNOACTIVATE);
    SetForegroundWindow();
    m_nRequestsLeft = kFocusRequests;
    StartWindowTimer(m_hWnd, kTimerId, kTimerMilliseconds);
    return TRUE;
}

void CTrayMenuHolder::OnTimer(UINT_PTR id)
{
    if (id != kTimerId)
        return;
    if (m_nRequestsLeft <= 0 || ::GetForegroundWindow() != m_hWnd) {
        // Done, or the user has gone to another window: leave the focus there.
        StopWindowTimer(m_hWnd, kTimerId);
        return;
    }
    --m_nRequestsLeft;
    // Wine asks the X server for the focus only when the focus changes, and
    // dates the request by the message being handled: this timer's, now.
    ::SetFocus(nullptr);
    ::SetFocus(m_hWnd);
}
