#pragma once
// Real windows for the scroll bar wrapper tests: a top-level window, a
// child with scroll bars of its own that scrolls the way ordinary windows
// do, a recorder of the timers the skinned windows start and stop, and a
// fixture that wraps the child with the test skin.

#include "classlib/wnd.h"
#include "scroll_skin_bitmap.h"
#include "skin/skin_scroll_wnd.h"
#include "skin/window_timers.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace scrolltest {

inline SCROLLINFO EmptyScrollInfo(UINT mask)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = mask;
    return info;
}

// The rectangle of `window` in its parent's client coordinates.
inline RECT PlaceOf(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<LPPOINT>(&r), 2);
    return r;
}

// Where the pixel at (x, y) of a window's client area came from in the test skin.
inline SkinPixel SkinPixelOf(HWND window, int x, int y)
{
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return DecodeSkinPixel(colour);
}

struct TimerCall {
    HWND window;
    UINT_PTR id;
    UINT elapse;  // 0 for a stop
    friend bool operator==(const TimerCall&, const TimerCall&) = default;
};

inline void PrintTo(const TimerCall& c, std::ostream* os)
{
    *os << (c.elapse ? "start " : "stop ") << c.id << (c.elapse ? " (" + std::to_string(c.elapse) + " ms)" : "");
}

// Records timer starts and stops instead of running them.
class TimerLog : public WindowTimerSink {
public:
    TimerLog() { SetWindowTimerSink(this); }
    ~TimerLog() override { SetWindowTimerSink(nullptr); }
    TimerLog(const TimerLog&) = delete;
    TimerLog& operator=(const TimerLog&) = delete;

    void Start(HWND window, UINT_PTR id, UINT elapse) override { calls.push_back({window, id, elapse}); }
    void Stop(HWND window, UINT_PTR id) override { calls.push_back({window, id, 0}); }

    // The calls made since the last Take.
    std::vector<TimerCall> Take() { return std::exchange(calls, {}); }

    std::vector<TimerCall> calls;
};

// One WM_VSCROLL or WM_HSCROLL as the scrolled window received it.
struct ScrollCall {
    UINT message;
    UINT code;
    UINT position;
    friend bool operator==(const ScrollCall&, const ScrollCall&) = default;
};

inline void PrintTo(const ScrollCall& c, std::ostream* os)
{
    *os << (c.message == WM_VSCROLL ? "V" : "H") << " code " << c.code << " pos " << c.position;
}

// Scrolls like an ordinary window: a line is 1, a page the page size, and
// thumb messages go to the position they carry.
class ScrolledWindow : public CWnd {
public:
    std::vector<ScrollCall> scrolls;

    // What the window saw of itself when it was destroyed.
    bool destroyed = false;
    HWND parentAtDestroy = nullptr;
    RECT rectAtDestroy{};
    LONG_PTR procAtDestroy = 0;
    LONG_PTR userDataAtDestroy = 0;

    int Pos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }
    std::vector<ScrollCall> Take() { return std::exchange(scrolls, {}); }

protected:
    void OnVScroll(UINT code, UINT position, CScrollBar*) { Scroll(WM_VSCROLL, SB_VERT, code, position); }
    void OnHScroll(UINT code, UINT position, CScrollBar*) { Scroll(WM_HSCROLL, SB_HORZ, code, position); }
    void OnDestroy();

    DECLARE_MESSAGE_TABLE(ScrolledWindow, CWnd)

private:
    void Scroll(UINT message, int bar, UINT code, UINT position);
};

// A top-level window that notes a WM_DESTROY it receives.
class TopWindow : public CWnd {
public:
    int destroyMessages = 0;

protected:
    void OnDestroy()
    {
        ++destroyMessages;
        Default();
    }
    DECLARE_MESSAGE_TABLE(TopWindow, CWnd)
};

// The child's place in the top window.
constexpr RECT kChildRect{10, 20, 210, 170};  // 200 x 150
constexpr UINT kChildId = 1234;

// Counts the wrappers deleted.
inline int g_wrappersDeleted = 0;
class CountedWrapper : public CSkinScrollWnd {
public:
    ~CountedWrapper() override { ++g_wrappersDeleted; }
};

// A visible top window with a scrolled child wrapped by a CSkinScrollWnd.
class WrappedWindowTest : public ::testing::Test {
protected:
    void SetUp() override { g_wrappersDeleted = 0; }
    void TearDown() override
    {
        if (top.m_hWnd)
            top.DestroyWindow();
        PumpPending();
    }

    // Makes the windows and wraps the child. The child gets WS_CHILD |
    // WS_VISIBLE | `style` and `exStyle`, a vertical range 0..299 with page
    // 100 and a horizontal one 0..399 with page 50.
    void Wrap(DWORD style = WS_VSCROLL, DWORD exStyle = 0);

    HWND Frame() const { return ::GetParent(::GetParent(child.m_hWnd)); }
    HWND Bar(UINT id) const { return ::GetDlgItem(Frame(), static_cast<int>(id)); }
    HWND VBar() const { return Bar(kSkinScrollVertId); }
    HWND HBar() const { return Bar(kSkinScrollHorzId); }

    // The bar's scroll information, the track position included.
    static SCROLLINFO BarInfo(HWND bar);
    void SetChildScroll(int bar, int nMin, int nMax, UINT nPage, int nPos, UINT extraMask = 0);
    // Has the child erase its background now, as a repaint would.
    void EraseChild() { ::RedrawWindow(child.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW); }

    // Mouse messages straight to a bar, in its client coordinates.
    static void Press(HWND bar, int x, int y) { ::SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    static void Move(HWND bar, int x, int y, UINT keys = MK_LBUTTON)
    {
        ::SendMessageW(bar, WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
    }
    static void Release(HWND bar, int x, int y) { ::SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    static void Click(HWND bar, int x, int y)
    {
        Press(bar, x, y);
        Release(bar, x, y);
    }
    static void Fire(HWND window, UINT_PTR id) { ::SendMessageW(window, WM_TIMER, id, 0); }

    TimerLog timers;
    TestSkin skin;
    TopWindow top;
    ScrolledWindow child;
};

// The definitions below are not inline: each test program has one source
// file that includes this header.

BEGIN_MESSAGE_TABLE(ScrolledWindow)
    MAP_VSCROLL(OnVScroll)
    MAP_HSCROLL(OnHScroll)
    MAP_DESTROY(OnDestroy)
END_MESSAGE_TABLE()

void ScrolledWindow::Scroll(UINT message, int bar, UINT code, UINT position)
{
    scrolls.push_back({message, code, position});
    SCROLLINFO info = EmptyScrollInfo(SIF_ALL);
    ::GetScrollInfo(m_hWnd, bar, &info);
    int pos = info.nPos;
    switch (code) {
    case SB_LINEUP:
        pos -= 1;
        break;
    case SB_LINEDOWN:
        pos += 1;
        break;
    case SB_PAGEUP:
        pos -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        pos += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = static_cast<int>(position);
        break;
    default:
        return;
    }
    ::SetScrollPos(m_hWnd, bar, pos, TRUE);  // the system keeps it inside the range
}

void ScrolledWindow::OnDestroy()
{
    destroyed = true;
    parentAtDestroy = ::GetParent(m_hWnd);
    rectAtDestroy = PlaceOf(m_hWnd);
    procAtDestroy = ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
    userDataAtDestroy = ::GetWindowLongPtrW(m_hWnd, GWLP_USERDATA);
    Default();
}

BEGIN_MESSAGE_TABLE(TopWindow)
    MAP_DESTROY(OnDestroy)
END_MESSAGE_TABLE()

void WrappedWindowTest::Wrap(DWORD style, DWORD exStyle)
{
    ASSERT_TRUE(skin.get());
    ASSERT_TRUE(top.CreateEx(0, nullptr, L"scroll test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
    ::ShowWindow(top.m_hWnd, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(child.CreateEx(exStyle, nullptr, L"", WS_CHILD | WS_VISIBLE | style, kChildRect, &top, kChildId));
    if (style & WS_VSCROLL)
        SetChildScroll(SB_VERT, 0, 299, 100, 0);
    if (style & WS_HSCROLL)
        SetChildScroll(SB_HORZ, 0, 399, 50, 0);
    ASSERT_TRUE((new CountedWrapper)->SkinWindow(&child, skin.get()));
    PumpPending();  // the relayout the wrapper posted itself
    ::UpdateWindow(top.m_hWnd);
}

SCROLLINFO WrappedWindowTest::BarInfo(HWND bar)
{
    SCROLLINFO info = EmptyScrollInfo(SIF_ALL | SIF_TRACKPOS);
    ::SendMessageW(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

void WrappedWindowTest::SetChildScroll(int bar, int nMin, int nMax, UINT nPage, int nPos, UINT extraMask)
{
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | extraMask, nMin, nMax, nPage, nPos, 0};
    ::SetScrollInfo(child.m_hWnd, bar, &info, TRUE);
}

}  // namespace scrolltest
