#pragma once
// Observes the paints of the program's windows from the benchmark's side,
// without code of the program's own: PaintCounted<W> is window class W with
// every WM_PAINT that reaches its own window procedure (whose message table
// hands it to the class's paint handler) counted, and NothingLeftToPaint
// tells that the handlers validated what was invalidated. A paint counts as
// done when the counter went up by one and nothing was left to paint.

#include "classlib/wnd.h"

#include <windows.h>

template <class Window> class PaintCounted : public Window {
public:
    using Window::Window;
    long paints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            ++paints;
        return Window::WindowProc(message, wParam, lParam);
    }
};

// True when `window` and every visible window below it have an empty update
// region.
inline bool NothingLeftToPaint(HWND window)
{
    if (::GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool empty = true;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM result) -> BOOL {
            if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) {
                *reinterpret_cast<bool*>(result) = false;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&empty));
    return empty;
}

// The number of visible windows from `window` down, itself included, that
// lie at least in part inside its window rectangle: the ones a full repaint
// of it paints.
inline int WindowsInViewOf(HWND window)
{
    struct View {
        RECT rect;
        int count;
    } view{{}, ::IsWindowVisible(window) ? 1 : 0};
    ::GetWindowRect(window, &view.rect);
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            View& seen = *reinterpret_cast<View*>(param);
            RECT rect{}, common{};
            if (::IsWindowVisible(child) && ::GetWindowRect(child, &rect) &&
                ::IntersectRect(&common, &rect, &seen.rect))
                ++seen.count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&view));
    return view.count;
}
