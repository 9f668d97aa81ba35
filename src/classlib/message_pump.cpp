#include "classlib/message_pump.h"

#include "classlib/menu_routing.h"
#include "classlib/win_app.h"
#include "classlib/window_map.h"
#include "classlib/wnd.h"

namespace msgpump {

BOOL PreTranslate(MSG& msg)
{
    CWnd* mainWnd = AfxGetMainWnd();
    const HWND stop = mainWnd ? mainWnd->m_hWnd : nullptr;
    for (HWND window = msg.hwnd; window; window = ::GetParent(window)) {
        if (CWnd* object = CWnd::FromHandlePermanent(window); object && object->PreTranslateMessage(&msg))
            return TRUE;
        if (window == stop)
            break;
    }
    return FALSE;
}

bool PumpMessage(int& quitCode)
{
    MSG msg{};
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
        quitCode = static_cast<int>(msg.wParam);
        return false;
    }
    if (got > 0 && !PreTranslate(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return true;
}

bool MessageWaiting()
{
    MSG msg;
    return ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
}

void Idle()
{
    wndmap::ReleaseTemporaries();
    ReleaseTemporaryMenus();
}

}  // namespace msgpump
