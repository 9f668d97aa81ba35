#include "skin/bitmap_btn.h"

#include "skin_pictures.h"
#include "skin_windows.h"

#include <gtest/gtest.h>

#include <utility>

using skintest::Packed;
using skintest::ParentWindow;
using skintest::WindowPixel;

namespace {

constexpr COLORREF kNormal = RGB(200, 0, 0);
constexpr COLORREF kHover = RGB(0, 200, 0);
constexpr COLORREF kPressed = RGB(0, 0, 200);
constexpr COLORREF kDisabled = RGB(90, 90, 90);
constexpr COLORREF kCaption = RGB(253, 253, 253);

// The button sits at (40, 30)-(140, 50) of the parent, 100 x 20.
constexpr RECT kButtonRect{40, 30, 140, 50};

class BitmapBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Each state picture is bigger than the button and carries its colour
        // only inside the cut (10, 5)-(110, 25), so a wrong cut shows.
        auto picture = [](CBitmap& bitmap, COLORREF colour) {
            skintest::PaintBitmap(bitmap, 130, 40, [colour](int x, int y) {
                return (x >= 10 && x < 110 && y >= 5 && y < 25) ? colour : RGB(255, 0, 255);
            });
        };
        picture(m_normal, kNormal);
        picture(m_hover, kHover);
        picture(m_pressed, kPressed);
        picture(m_disabled, kDisabled);

        ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kButtonRect, &parent, 0));
        button.LoadBitmaps(RECT{10, 5, 110, 25}, &m_normal, &m_hover, &m_pressed, &m_disabled);
        ParentWindow::Pump();
        ::SetActiveWindow(parent.m_hWnd);
    }

    void TearDown() override
    {
        ::ReleaseCapture();
        ParentWindow::Pump();
    }

    COLORREF Face() { return WindowPixel(button.m_hWnd, 50, 10); }

    LRESULT Send(UINT message, WPARAM wParam, int x, int y)
    {
        return button.SendMessage(message, wParam, Packed(x, y));
    }

    ParentWindow parent;
    CBitmapBtn button;

private:
    CBitmap m_normal, m_hover, m_pressed, m_disabled;
};

} // namespace

TEST_F(BitmapBtnTest, CreatedOwnerDrawnWithoutTabStopOrBorder)
{
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(button.GetStyle() & (WS_TABSTOP | WS_BORDER), 0u);
    EXPECT_EQ(button.m_nFontHeight, 14);
    EXPECT_EQ(button.m_nAlign, 1);
}

TEST_F(BitmapBtnTest, StateImageFollowsHoverPressCheckAndDisable)
{
    EXPECT_EQ(Face(), kNormal);

    button.m_nHover = 1;
    EXPECT_EQ(Face(), kHover);

    button.SendMessage(BM_SETSTATE, TRUE);       // held down
    EXPECT_EQ(Face(), kPressed);
    button.SendMessage(BM_SETSTATE, FALSE);

    button.checked = 1;                          // checked beats hover
    EXPECT_EQ(Face(), kPressed);

    button.EnableWindow(FALSE);                  // disabled beats checked and hover
    EXPECT_EQ(Face(), kDisabled);

    button.EnableWindow(TRUE);
    button.checked = 0;
    button.m_nHover = 0;
    EXPECT_EQ(Face(), kNormal);
}

TEST_F(BitmapBtnTest, CaptionIsDrawnOverTheImageInItsColourAndPlace)
{
    // The first and last columns that hold caption-coloured pixels.
    auto captionColumns = [this]() {
        ::RedrawWindow(button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = ::GetDC(button.m_hWnd);
        std::pair<int, int> columns{-1, -1};
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 20; ++y)
                if (::GetPixel(dc, x, y) == kCaption) {
                    if (columns.first < 0)
                        columns.first = x;
                    columns.second = x;
                    break;
                }
        ::ReleaseDC(button.m_hWnd, dc);
        return columns;
    };

    EXPECT_EQ(captionColumns().first, -1);     // image only

    button.m_strFontFace = L"Arial";
    button.SetCaption(L"IIII");
    const auto left = captionColumns();
    EXPECT_GE(left.first, 5);
    EXPECT_LE(left.first, 9);
    EXPECT_EQ(WindowPixel(button.m_hWnd, 2, 10), kNormal);

    button.m_nLeftIndent = 20;
    const auto indented = captionColumns();
    EXPECT_GE(indented.first, left.first + 18);
    EXPECT_LE(indented.first, left.first + 22);

    // Centred in the client width less the 5-pixel left inset; the indent
    // does not apply.
    button.m_nAlign = 0;
    const auto centred = captionColumns();
    const int middle = (centred.first + centred.second + 1) / 2;
    EXPECT_GE(middle, 50);
    EXPECT_LE(middle, 55);

    EXPECT_EQ(button.GetCaption(), CString(L"IIII"));
}

TEST_F(BitmapBtnTest, PointerOverTheButtonHighlightsItAndReportsTheMoveInScreenCoordinates)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);

    EXPECT_EQ(button.m_nHover, 1);
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(Face(), kHover);
    const auto moves = parent.TakePosted(WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].wParam, 0u);
    EXPECT_EQ(moves[0].lParam, Packed(ParentWindow::kLeft + 40 + 7, ParentWindow::kTop + 30 + 4));
}

TEST_F(BitmapBtnTest, LeavingForAnotherWindowDropsHoverAndCapture)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    parent.TakePosted(WM_MOUSEMOVE);

    Send(WM_MOUSEMOVE, 0, 7, 60);            // over the parent, below the button

    EXPECT_EQ(button.m_nHover, 0);
    EXPECT_NE(::GetCapture(), button.m_hWnd);
    EXPECT_EQ(Face(), kNormal);
    const auto moves = parent.TakePosted(WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].lParam, Packed(ParentWindow::kLeft + 40 + 7, ParentWindow::kTop + 30 + 60));
}

TEST_F(BitmapBtnTest, LeavingWithTheButtonHeldKeepsTheCapture)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 7, 60);

    EXPECT_EQ(button.m_nHover, 0);
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
    const auto moves = parent.TakePosted(WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1].wParam, static_cast<WPARAM>(MK_LBUTTON));
}

TEST_F(BitmapBtnTest, DraggingOntoTheButtonNeitherHighlightsNorReports)
{
    Send(WM_MOUSEMOVE, MK_LBUTTON, 7, 4);

    EXPECT_EQ(button.m_nHover, 0);
    EXPECT_NE(::GetCapture(), button.m_hWnd);
    EXPECT_TRUE(parent.TakePosted(WM_MOUSEMOVE).empty());
}

TEST_F(BitmapBtnTest, LosingTheCaptureWhileHoveredKeepsHover)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    ::ReleaseCapture();

    EXPECT_EQ(button.m_nHover, 1);
    EXPECT_EQ(::GetCapture(), nullptr);
    // The next move over the button takes the capture again.
    Send(WM_MOUSEMOVE, 0, 8, 4);
    EXPECT_EQ(::GetCapture(), button.m_hWnd);
}

TEST_F(BitmapBtnTest, CaptureTakenByAnotherWindowIsLeftToIt)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    ::SetCapture(parent.m_hWnd);

    EXPECT_EQ(::GetCapture(), parent.m_hWnd);
    EXPECT_EQ(button.m_nHover, 1);
}

TEST_F(BitmapBtnTest, LosingFocusDropsHover)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    button.SendMessage(WM_KILLFOCUS, 0, 0);

    EXPECT_EQ(button.m_nHover, 0);
}

TEST_F(BitmapBtnTest, ClickReachesTheParentAsCommandAndAsPostedRelease)
{
    Send(WM_MOUSEMOVE, 0, 7, 4);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 7, 4);
    Send(WM_LBUTTONUP, 0, 7, 4);

    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].wParam, MAKEWPARAM(0, BN_CLICKED));
    EXPECT_EQ(parent.commands[0].lParam, reinterpret_cast<LPARAM>(button.m_hWnd));
    const auto releases = parent.TakePosted(WM_LBUTTONUP);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].wParam, 0u);
    EXPECT_EQ(releases[0].lParam, 0);
}

TEST_F(BitmapBtnTest, ReleaseWithoutPressStillPostsTheRelease)
{
    Send(WM_LBUTTONUP, 0, 7, 4);

    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(parent.TakePosted(WM_LBUTTONUP).size(), 1u);
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
    other.DestroyWindow();
}

TEST_F(BitmapBtnTest, LoadBitmapsReplacesTheStateImages)
{
    CBitmap white;
    skintest::PaintBitmap(white, 100, 20, [](int, int) { return RGB(255, 255, 255); });
    button.LoadBitmaps(RECT{0, 0, 100, 20}, &white, &white, &white, &white);

    EXPECT_EQ(Face(), RGB(255, 255, 255));
    EXPECT_EQ(skintest::BitmapSize(button.m_bmpDisabled).cx, 100);
}
