#include "scroll_window_fixture.h"

#include <string>

using namespace scrolltest;

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const RECT& r)
{
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}

#define EXPECT_RECT(actual, ...) EXPECT_TRUE(Same(actual, RECT __VA_ARGS__)) << Show(actual)

std::wstring TextOf(HWND window)
{
    wchar_t text[64] = {};
    ::GetWindowTextW(window, text, 64);
    return text;
}

}  // namespace

TEST_F(WrappedWindowTest, FrameTakesTheWindowsPlaceAndClipsItsSystemBar)
{
    Wrap();
    const HWND limit = ::GetParent(child.m_hWnd);
    const HWND frame = Frame();
    EXPECT_EQ(TextOf(limit), L"LIMIT");
    EXPECT_EQ(::GetDlgCtrlID(limit), 200);
    EXPECT_EQ(TextOf(frame), L"SkinScrollBarFrame");
    EXPECT_EQ(::GetDlgCtrlID(frame), static_cast<int>(kChildId));
    EXPECT_EQ(::GetParent(frame), top.m_hWnd);
    EXPECT_EQ(g_pSkinScrollParent, &top);
    EXPECT_RECT(PlaceOf(frame), {10, 20, 210, 170});

    EXPECT_RECT(PlaceOf(child.m_hWnd), {0, 0, 200, 150});
    EXPECT_RECT(PlaceOf(limit), {0, 0, 187, 150});
    RECT client{};
    ::GetClientRect(child.m_hWnd, &client);
    EXPECT_EQ(client.right, 187);  // only the skinned width is reserved
    EXPECT_TRUE(::IsWindowVisible(VBar()));
    EXPECT_RECT(PlaceOf(VBar()), {187, 0, 200, 150});
    EXPECT_FALSE(::IsWindowVisible(HBar()));

    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{frame, 100, 500}}));
}

TEST_F(WrappedWindowTest, BothBarsLeaveACornerSquareAtTheBottomRightAndBothScroll)
{
    Wrap(WS_VSCROLL | WS_HSCROLL);
    EXPECT_RECT(PlaceOf(::GetParent(child.m_hWnd)), {0, 0, 187, 137});
    EXPECT_RECT(PlaceOf(VBar()), {187, 0, 200, 137});
    EXPECT_RECT(PlaceOf(HBar()), {0, 137, 187, 150});
    EXPECT_EQ(SkinPixelOf(Frame(), 195, 145), (SkinPixel{8, 0, 8, 8}));

    Click(HBar(), 180, 6);  // right arrow
    EXPECT_EQ(child.Take(), (std::vector<ScrollCall>{{WM_HSCROLL, SB_LINEDOWN, 0}}));
    EXPECT_EQ(child.Pos(SB_HORZ), 1);
}

TEST_F(WrappedWindowTest, LeftScrollBarPutsTheBarAndTheCornerOnTheLeft)
{
    Wrap(WS_VSCROLL | WS_HSCROLL, WS_EX_LEFTSCROLLBAR);
    EXPECT_RECT(PlaceOf(::GetParent(child.m_hWnd)), {13, 0, 200, 137});
    EXPECT_RECT(PlaceOf(child.m_hWnd), {-13, 0, 187, 150});
    EXPECT_RECT(PlaceOf(VBar()), {0, 0, 13, 137});
    EXPECT_RECT(PlaceOf(HBar()), {13, 137, 200, 150});
    // This square has always come from one bar width down the corner column.
    EXPECT_EQ(SkinPixelOf(Frame(), 5, 145), (SkinPixel{8, 1, 5, 5}));
}

TEST_F(WrappedWindowTest, BordersMoveToTheFrame)
{
    Wrap(WS_VSCROLL | WS_BORDER, WS_EX_CLIENTEDGE);
    EXPECT_TRUE(::GetWindowLongW(Frame(), GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(::GetWindowLongW(Frame(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(::GetWindowLongW(child.m_hWnd, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(::GetWindowLongW(child.m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const int inset = 2 * ::GetSystemMetrics(SM_CXBORDER) + 2 * ::GetSystemMetrics(SM_CXEDGE);
    EXPECT_RECT(PlaceOf(child.m_hWnd), {0, 0, 200 - inset, 150 - inset});
    EXPECT_RECT(PlaceOf(VBar()), {187 - inset, 0, 200 - inset, 150 - inset});
}

TEST_F(WrappedWindowTest, ResizingTheFrameLaysEverythingOutAgain)
{
    Wrap();
    ::MoveWindow(Frame(), 10, 20, 250, 120, TRUE);
    PumpPending();
    EXPECT_RECT(PlaceOf(child.m_hWnd), {0, 0, 250, 120});
    EXPECT_RECT(PlaceOf(::GetParent(child.m_hWnd)), {0, 0, 237, 120});
    EXPECT_RECT(PlaceOf(VBar()), {237, 0, 250, 120});
}

TEST_F(WrappedWindowTest, SkinnedBarFollowsTheWindowOnTimerAndOnErase)
{
    Wrap();
    SetChildScroll(SB_VERT, 0, 499, 120, 40);
    Fire(Frame(), 100);
    SCROLLINFO info = BarInfo(VBar());
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 499);
    EXPECT_EQ(info.nPage, 120u);
    EXPECT_EQ(info.nPos, 40);
    EXPECT_EQ(info.nTrackPos, -1);

    ::SetScrollPos(child.m_hWnd, SB_VERT, 70, FALSE);
    EraseChild();
    EXPECT_EQ(BarInfo(VBar()).nPos, 70);

    // A page that covers the whole range disables the skinned bar.
    SetChildScroll(SB_VERT, 0, 50, 100, 0, SIF_DISABLENOSCROLL);
    EraseChild();
    EXPECT_FALSE(::IsWindowEnabled(VBar()));
    SetChildScroll(SB_VERT, 0, 299, 100, 0);
    EraseChild();
    EXPECT_TRUE(::IsWindowEnabled(VBar()));
}

TEST_F(WrappedWindowTest, DestroyingTheWindowGivesItBackAndLeavesItsParentAlone)
{
    Wrap();
    const HWND frame = Frame();
    ::DestroyWindow(child.m_hWnd);

    EXPECT_TRUE(child.destroyed);
    EXPECT_EQ(child.parentAtDestroy, top.m_hWnd);
    EXPECT_RECT(child.rectAtDestroy, {10, 20, 210, 170});
    EXPECT_NE(child.procAtDestroy, reinterpret_cast<LONG_PTR>(&SkinScrollSubclassProc));
    EXPECT_EQ(child.userDataAtDestroy, 0);
    EXPECT_FALSE(::IsWindow(frame));
    EXPECT_EQ(g_wrappersDeleted, 1);

    EXPECT_TRUE(::IsWindow(top.m_hWnd));
    EXPECT_EQ(top.destroyMessages, 0);
}

TEST_F(WrappedWindowTest, DestroyingTheTopWindowTakesTheWrapperWithIt)
{
    Wrap(WS_VSCROLL | WS_HSCROLL);
    top.DestroyWindow();
    PumpPending();
    EXPECT_TRUE(child.destroyed);
    EXPECT_EQ(g_wrappersDeleted, 1);
    EXPECT_EQ(top.destroyMessages, 1);
    EXPECT_EQ(child.m_hWnd, nullptr);
}

TEST_F(WrappedWindowTest, WrappedWhileItsTopWindowIsHiddenItShowsWithThatWindow)
{
    // As a dialog wraps a child in its initialization, before it first shows.
    ASSERT_TRUE(top.CreateEx(0, nullptr, L"scroll test", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    ASSERT_TRUE(child.CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, kChildRect, &top, kChildId));
    SetChildScroll(SB_VERT, 0, 299, 100, 0);
    ASSERT_TRUE((new CountedWrapper)->SkinWindow(&child, skin.get()));
    PumpPending();
    EXPECT_FALSE(::IsWindowVisible(Frame()));

    ::ShowWindow(top.m_hWnd, SW_SHOWNOACTIVATE);
    ::RedrawWindow(top.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(::IsWindowVisible(Frame()));
    EXPECT_TRUE(::IsWindowVisible(child.m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(VBar()));
    EXPECT_EQ(SkinPixelOf(VBar(), 6, 5), (SkinPixel{0, 0, 6, 5}));  // the up arrow, drawn
}

TEST_F(WrappedWindowTest, AWindowHiddenItselfStaysHiddenWhenWrapped)
{
    ASSERT_TRUE(top.CreateEx(0, nullptr, L"scroll test", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    ASSERT_TRUE(child.CreateEx(0, nullptr, L"", WS_CHILD | WS_VSCROLL, kChildRect, &top, kChildId));
    ASSERT_TRUE((new CountedWrapper)->SkinWindow(&child, skin.get()));
    PumpPending();
    ::ShowWindow(top.m_hWnd, SW_SHOWNOACTIVATE);
    EXPECT_FALSE(::IsWindowVisible(Frame()));
}
