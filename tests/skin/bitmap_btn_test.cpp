#include "skin/bitmap_btn.h"
#include "skin/pointer_position.h"

#include "skin_test_helpers.h"

#include <gtest/gtest.h>

#include <utility>

using namespace skintest;

namespace {

constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kHover = RGB(0, 200, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);
constexpr COLORREF kDisabled = RGB(90, 90, 90);

// A 100 x 20 button at (40, 30) of the parent, its four state images cut
// from (10, 5)-(110, 25) of pictures that are magenta outside the cut.
class BitmapBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CBitmap pictures[4];
        const COLORREF colours[4] = {kNormal, kHover, kPressed, kDisabled};
        for (int i = 0; i < 4; ++i)
            PaintBitmap(pictures[i], 130, 40, [colour = colours[i]](int x, int y) {
                return (x >= 10 && x < 110 && y >= 5 && y < 25) ? colour : RGB(255, 0, 255);
            });
        ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{40, 30, 140, 50}, &parent, 0));
        button.LoadBitmaps(RECT{10, 5, 110, 25}, &pictures[0], &pictures[1], &pictures[2], &pictures[3]);
        ParentWindow::Pump();
        // Hover needs an active window.
        ASSERT_TRUE(MakeActive(parent.m_hWnd));
    }
    void TearDown() override { ::ReleaseCapture(); }

    COLORREF Face() { return WindowPixel(button.m_hWnd, 50, 10); }
    // A pointer move is sent with the pointer standing there, as the system
    // would report it.
    void Send(UINT message, WPARAM flags, int x, int y)
    {
        if (message == WM_MOUSEMOVE) {
            g_pointer = {x, y};
            ::ClientToScreen(button.m_hWnd, &g_pointer);
        }
        button.SendMessage(message, flags, Packed(x, y));
    }

    static BOOL WINAPI PointerAt(LPPOINT screen)
    {
        *screen = g_pointer;
        return TRUE;
    }
    static inline POINT g_pointer{};
    ScopedPointerPosition pointer{&PointerAt};
    std::vector<Posted> Moves() { return parent.TakePosted(WM_MOUSEMOVE, WM_MOUSEMOVE); }

    ParentWindow parent;
    CBitmapBtn button;
};

}  // namespace

TEST_F(BitmapBtnTest, StateImageFollowsHoverPressCheckAndDisable)
{
    EXPECT_EQ(button.GetStyle() & (BS_TYPEMASK | WS_TABSTOP | WS_BORDER), static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(Face(), kNormal);
    button.m_nHover = 1;
    EXPECT_EQ(Face(), kHover);
    button.SendMessage(BM_SETSTATE, TRUE);  // held down
    EXPECT_EQ(Face(), kPressed);
    button.SendMessage(BM_SETSTATE, FALSE);
    button.checked = 1;  // checked beats hover
    EXPECT_EQ(Face(), kPressed);
    button.EnableWindow(FALSE);  // disabled beats checked and hover
    EXPECT_EQ(Face(), kDisabled);
}

TEST_F(BitmapBtnTest, StatesGivenOnePictureShowItFromOneKeptCopy)
{
    CBitmap resting;
    CBitmap lit;
    PaintBitmap(resting, 100, 20, [](int, int) { return kNormal; });
    PaintBitmap(lit, 100, 20, [](int, int) { return kHover; });
    button.LoadBitmaps(RECT{0, 0, 100, 20}, &resting, &lit, &lit, &resting);
    resting.DeleteObject();  // the button keeps its own copies
    lit.DeleteObject();

    EXPECT_EQ(Face(), kNormal);
    button.m_nHover = 1;
    EXPECT_EQ(Face(), kHover);
    button.SendMessage(BM_SETSTATE, TRUE);
    EXPECT_EQ(Face(), kHover);
    button.SendMessage(BM_SETSTATE, FALSE);
    button.EnableWindow(FALSE);
    EXPECT_EQ(Face(), kNormal);
    // Two pictures, two copies: the pressed and disabled states share theirs.
    EXPECT_EQ(button.m_bmpPressed.GetSafeHandle(), nullptr);
    EXPECT_EQ(button.m_bmpDisabled.GetSafeHandle(), nullptr);

    // Loaded again with four pictures, every state has its own image again.
    CBitmap pictures[4];
    const COLORREF colours[4] = {kNormal, kHover, kPressed, kDisabled};
    for (int i = 0; i < 4; ++i)
        PaintBitmap(pictures[i], 100, 20, [colour = colours[i]](int, int) { return colour; });
    button.LoadBitmaps(RECT{0, 0, 100, 20}, &pictures[0], &pictures[1], &pictures[2], &pictures[3]);
    EXPECT_EQ(Face(), kDisabled);
    button.EnableWindow(TRUE);
    button.checked = 1;
    EXPECT_EQ(Face(), kPressed);
}

TEST_F(BitmapBtnTest, CaptionIsDrawnInItsColourWhereTheAlignmentPutsIt)
{
    // The first and last columns holding caption-coloured pixels.
    auto captionColumns = [this] {
        ::RedrawWindow(button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = ::GetDC(button.m_hWnd);
        std::pair<int, int> columns{-1, -1};
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 20; ++y)
                if (::GetPixel(dc, x, y) == CBitmapBtn::kCaptionColour) {
                    columns = {columns.first < 0 ? x : columns.first, x};
                    break;
                }
        ::ReleaseDC(button.m_hWnd, dc);
        return columns;
    };
    EXPECT_EQ(captionColumns().first, -1);  // image only

    button.m_strFontFace = L"Arial";
    button.SetCaption(L"IIII");
    const int left = captionColumns().first;
    EXPECT_GE(left, 5);
    EXPECT_LE(left, 9);
    button.m_nLeftIndent = 20;
    EXPECT_NEAR(captionColumns().first, left + 20, 2);
    // Centred in the width right of the 5-pixel inset; the indent is ignored.
    button.m_nAlign = 0;
    const auto centred = captionColumns();
    EXPECT_NEAR((centred.first + centred.second + 1) / 2.0, 52.5, 2.5);
}

TEST_F(BitmapBtnTest, HoverTakesTheCaptureAndMovesAreReportedInScreenCoordinates)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    EXPECT_EQ(button.m_nHover, 1);
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(Face(), kHover);

    Send(WM_MOUSEMOVE, 0, 7, 60);  // over the parent, below the button
    EXPECT_EQ(button.m_nHover, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Face(), kNormal);

    const auto moves = Moves();
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].lParam, Packed(ParentWindow::kLeft + 47, ParentWindow::kTop + 34));
    EXPECT_EQ(moves[1].lParam, Packed(ParentWindow::kLeft + 47, ParentWindow::kTop + 90));
}

// While a modal window of the program runs, the button's window is
// disabled: a pointer move still queued from before takes no capture, and a
// capture held from before is let go, so that the modal window gets the clicks.
TEST_F(BitmapBtnTest, NoHoverCaptureWhileTheWindowIsDisabled)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    ASSERT_EQ(::GetCapture(), button.m_hWnd);
    parent.EnableWindow(FALSE);
    Send(WM_MOUSEMOVE, 0, 8, 4);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(button.m_nHover, 0);

    Send(WM_MOUSEMOVE, 0, 9, 4);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(button.m_nHover, 0);
    parent.EnableWindow(TRUE);
}

// A move over the button handled once the pointer has left it (the user
// moved on before the program caught up) takes no capture, so the next
// press goes where the pointer is.
TEST_F(BitmapBtnTest, AMoveHandledAfterThePointerLeftTakesNoCapture)
{
    Send(WM_MOUSEMOVE, 0, 7, 60);  // the pointer is over the parent now
    button.SendMessage(WM_MOUSEMOVE, 0, Packed(7, 4));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(button.m_nHover, 0);
    EXPECT_EQ(Face(), kNormal);

    Send(WM_MOUSEMOVE, 0, 8, 4);  // and back over the button
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(button.m_nHover, 1);
}

TEST_F(BitmapBtnTest, LeavingWithTheButtonHeldKeepsTheCapture)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 7, 60);
    EXPECT_EQ(button.m_nHover, 0);
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    const auto moves = Moves();
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1].wParam, static_cast<WPARAM>(MK_LBUTTON));
}

TEST_F(BitmapBtnTest, DraggingOntoTheButtonNeitherHighlightsNorReports)
{
    Send(WM_MOUSEMOVE, MK_LBUTTON, 7, 4);
    EXPECT_EQ(button.m_nHover, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(Moves().empty());
}

TEST_F(BitmapBtnTest, LostCaptureOrFocus)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    ::SetCapture(parent.m_hWnd);  // another window's capture is left to it
    EXPECT_EQ(::GetCapture(), parent.m_hWnd);
    EXPECT_EQ(button.m_nHover, 1);
    ::ReleaseCapture();
    Send(WM_MOUSEMOVE, 0, 8, 4);  // the next move takes it again
    EXPECT_EQ(::GetCapture(), button.m_hWnd);

    button.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(button.m_nHover, 0);
}

TEST_F(BitmapBtnTest, ClickReachesTheParentAsCommandAndAsPostedRelease)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 7, 4);
    Send(WM_LBUTTONUP, 0, 7, 4);
    Send(WM_LBUTTONUP, 0, 7, 4);  // a release without a press

    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].wParam, MAKEWPARAM(0, BN_CLICKED));
    EXPECT_EQ(parent.commands[0].lParam, reinterpret_cast<LPARAM>(button.m_hWnd));
    const auto releases = parent.TakePosted(WM_LBUTTONUP, WM_LBUTTONUP);
    ASSERT_EQ(releases.size(), 2u);
    EXPECT_EQ(releases[1].wParam, 0u);
    EXPECT_EQ(releases[1].lParam, 0);
}

// A quick second click arrives as a double click; it is a click all the same.
TEST_F(BitmapBtnTest, BothClicksOfAQuickPairReachTheParent)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 7, 4);
    Send(WM_LBUTTONUP, 0, 7, 4);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, 7, 4);
    Send(WM_LBUTTONUP, 0, 7, 4);

    ASSERT_EQ(parent.commands.size(), 2u);
    EXPECT_EQ(parent.commands[1].wParam, MAKEWPARAM(0, BN_CLICKED));
}

TEST_F(BitmapBtnTest, PressActivatesAnInactiveOwner)
{
    CWnd other;
    other.CreateEx(0, nullptr, L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr);
    ::SetActiveWindow(other.m_hWnd);
    ASSERT_EQ(::GetActiveWindow(), other.m_hWnd);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 7, 4);
    Send(WM_LBUTTONUP, 0, 7, 4);
    EXPECT_EQ(::GetActiveWindow(), parent.m_hWnd);
}
