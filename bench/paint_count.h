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

// Whether `window` is shown and lies at least in part inside `view` (screen
// coordinates); with `waiting`, whether it also has something to paint.
inline bool InView(HWND window, const RECT& view, bool waiting)
{
    RECT rect{}, common{};
    return ::IsWindowVisible(window) && ::GetWindowRect(window, &rect) && ::IntersectRect(&common, &rect, &view) &&
           (!waiting || ::GetUpdateRect(window, nullptr, FALSE));
}

// The number of windows from `window` down, itself included, in view of
// its window rectangle (the ones a full repaint of it paints); with
// `waiting`, only those with something to paint now.
inline int WindowsInViewOf(HWND window, bool waiting = false)
{
    struct View {
        RECT rect;
        bool waiting;
        int count;
    } view{{}, waiting, 0};
    ::GetWindowRect(window, &view.rect);
    view.count = InView(window, view.rect, waiting) ? 1 : 0;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            View& seen = *reinterpret_cast<View*>(param);
            if (InView(child, seen.rect, seen.waiting))
                ++seen.count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&view));
    return view.count;
}
