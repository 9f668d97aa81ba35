#pragma once
// Helpers of the popup-menu tests: a hook that lets a test look at a shown
// menu between the keys that drive it, and pixel reads of menu windows.

#include "classlib/wnd.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace menutest {

// A WH_MSGFILTER hook on this thread. The menu's modal loop hands it every
// message it takes from the queue before acting on it, so with the keys
// already queued the test runs `onMenuMessage` once per key, each time
// seeing the menu as the previous keys left it.
class MenuStepHook {
public:
    explicit MenuStepHook(std::function<void(int step)> onMenuMessage)
    {
        s_current = this;
        m_onMenuMessage = std::move(onMenuMessage);
        m_hook = ::SetWindowsHookExW(WH_MSGFILTER, &Filter, nullptr, ::GetCurrentThreadId());
    }
    ~MenuStepHook()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    MenuStepHook(const MenuStepHook&) = delete;
    MenuStepHook& operator=(const MenuStepHook&) = delete;

    int steps() const { return m_step; }

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (code == MSGF_MENU && s_current && msg->message == WM_KEYDOWN)
            s_current->m_onMenuMessage(s_current->m_step++);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline MenuStepHook* s_current = nullptr;
    std::function<void(int)> m_onMenuMessage;
    HHOOK m_hook = nullptr;
    int m_step = 0;
};

// Queues key presses for `owner`; the menu loop takes them in order. Every
// sequence ends in Esc presses, so TrackPopupMenu returns once they are
// used up and a test cannot hang on the menu.
inline void QueueKeys(const CWnd& owner, std::initializer_list<WPARAM> keys)
{
    for (WPARAM key : keys)
        owner.PostMessage(WM_KEYDOWN, key, 0);
}

// The visible popup-menu windows of this thread, the first shown first.
inline std::vector<HWND> MenuWindows()
{
    std::vector<HWND> windows;
    for (HWND window = ::FindWindowExW(nullptr, nullptr, L"#32768", nullptr); window;
         window = ::FindWindowExW(nullptr, window, L"#32768", nullptr)) {
        if (::IsWindowVisible(window))
            windows.insert(windows.begin(), window);
    }
    return windows;
}

// A pixel of a window, in coordinates of the whole window.
inline COLORREF WindowPixel(HWND window, int x, int y)
{
    const HDC dc = ::GetWindowDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

// Item `position` of `menu` in coordinates of the menu's window. The
// window that GetMenuItemRect is given is the menu's own, whose position the
// item rectangle is mapped from.
inline RECT ItemRectInWindow(HMENU menu, UINT position, HWND menuWindow)
{
    RECT item{};
    ::GetMenuItemRect(menuWindow, menu, position, &item);
    RECT window{};
    ::GetWindowRect(menuWindow, &window);
    ::OffsetRect(&item, -window.left, -window.top);
    return item;
}

}  // namespace menutest
