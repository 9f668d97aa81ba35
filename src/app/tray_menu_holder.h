#pragma once
// CTrayMenuHolder: a one-pixel window that is the foreground window while
// the popup menu of the hidden main window is open, so that the menu takes
// the keyboard.
//
// Keys reach a popup menu only while a window of its thread is the
// foreground window. On Windows the hidden main window can be made the
// foreground window, and that is enough. Under Wine on X a key goes to the
// program whose shown window holds the X input focus, and the X server gives
// that focus to no hidden window: the menu would never see Esc or the arrow
// keys, and only a click elsewhere (the menu holds the pointer) would close
// it. A shown window takes it, lying under the corner of the menu that opens
// at the same point.
//
// The X server also refuses the focus to a request it dates before the last
// focus change, and Wine dates requests by the program's own clock: when
// another program took the focus a moment before (the shell, as the main
// window hid), the first request can lose. The holder therefore asks again
// on a few timer ticks while it is still the foreground window.

#include "classlib/wnd.h"

#include <windows.h>

class CTrayMenuHolder : public CWnd {
public:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kTimerMilliseconds = 100;
    static constexpr int kFocusRequests = 5;

    // Shows the holder at the screen point `at` and makes it the foreground
    // window. False when it could not be made.
    BOOL Open(POINT at);

protected:
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_TABLE(CTrayMenuHolder, CWnd)

private:
    int m_nRequestsLeft = 0;
};
