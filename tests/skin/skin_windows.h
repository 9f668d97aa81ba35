#pragma once
// Real windows for the skin control tests: a top-level parent that records
// what its children send and post, and helpers to drive and read them.

#include "classlib/wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace skintest {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A visible, active top-level window at a fixed place on the screen, with no
// frame so that its client area starts at its window origin.
class ParentWindow : public CWnd {
public:
    static constexpr int kLeft = 300;
    static constexpr int kTop = 200;

    ParentWindow()
    {
        CreateEx(WS_EX_TOPMOST, nullptr, L"skin test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                 kLeft, kTop, 400, 300, nullptr, nullptr);
        ::SetForegroundWindow(m_hWnd);
        ::SetActiveWindow(m_hWnd);
        Pump();
    }
    ~ParentWindow() override { DestroyWindow(); }

    // Messages that reached the window procedure and are of interest.
    std::vector<Received> commands;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }

    // Removes the messages posted to this window in first..last from the
    // queue, in order, without dispatching them.
    std::vector<Received> TakePosted(UINT first, UINT last)
    {
        std::vector<Received> taken;
        MSG msg;
        while (::PeekMessageW(&msg, m_hWnd, first, last, PM_REMOVE))
            taken.push_back({msg.message, msg.wParam, msg.lParam});
        return taken;
    }
    std::vector<Received> TakePosted(UINT message) { return TakePosted(message, message); }

    // Handles everything waiting in the thread's queue.
    static void Pump()
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
};

inline LPARAM Packed(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// Paints `window` now and returns one pixel of its client area.
inline COLORREF WindowPixel(HWND window, int x, int y)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

} // namespace skintest
