#include "skin/marker.h"

#include "messages.h"
#include "skin_pictures.h"
#include "skin_windows.h"

#include <gtest/gtest.h>

using skintest::Packed;
using skintest::ParentWindow;
using skintest::Received;
using skintest::WindowPixel;

namespace {

constexpr COLORREF kTrack = RGB(20, 20, 20);
constexpr COLORREF kFill = RGB(220, 30, 30);
constexpr UINT kId = 2045;

// Pictures larger than the sliders, with their colour only inside the cut
// (1, 0)-(128, 180), as the lighting page cuts its pictures.
void SliderPictures(CBitmap& track, CBitmap& fill)
{
    auto inside = [](int x, int y) { return x >= 1 && x < 128 && y < 180; };
    skintest::PaintBitmap(track, 130, 190, [&](int x, int y) { return inside(x, y) ? kTrack : RGB(0, 255, 0); });
    skintest::PaintBitmap(fill, 130, 190, [&](int x, int y) { return inside(x, y) ? kFill : RGB(0, 255, 0); });
}

bool IsNotification(const Received& r, UINT message, int position)
{
    return r.message == message && r.wParam == static_cast<WPARAM>(position) && r.lParam == static_cast<LPARAM>(kId);
}

template <class Marker>
class MarkerFixture : public ::testing::Test {
protected:
    void Make(int left, int top, int right, int bottom, int minimum, int maximum)
    {
        ASSERT_TRUE(marker.Create(left, top, right, bottom, &parent, kId));
        marker.m_nMin = minimum;
        marker.m_nMax = maximum;
        CBitmap track, fill;
        SliderPictures(track, fill);
        marker.SetBitmaps(RECT{1, 0, 128, 180}, &track, &fill);
        ParentWindow::Pump();
    }

    void TearDown() override
    {
        ::ReleaseCapture();
        ParentWindow::Pump();
    }

    void Send(UINT message, WPARAM flags, int x, int y)
    {
        marker.SendMessage(message, flags, Packed(x, y));
    }

    std::vector<Received> Notifications()
    {
        return parent.TakePosted(WM_MARKER_POS, WM_MARKER_TRACK);
    }

    ParentWindow parent;
    Marker marker;
};

// A horizontal slider at (20, 10)-(120, 18) of the parent: 100 x 8, range 1..6.
class HorizontalMarker : public MarkerFixture<CDMarker> {
protected:
    void SetUp() override { Make(20, 10, 120, 18, 1, 6); }
};

// A vertical slider at (25, 3)-(32, 173): 7 x 170, range 1..216.
class VerticalMarker : public MarkerFixture<CDMarkerV> {
protected:
    void SetUp() override { Make(25, 3, 32, 173, 1, 216); }
};

} // namespace

TEST_F(HorizontalMarker, CreateResetsTheRangeAndPlacesTheWindow)
{
    CDMarker fresh;
    ASSERT_TRUE(fresh.Create(5, 6, 55, 16, &parent, 7));
    EXPECT_EQ(fresh.m_nMin, 0);
    EXPECT_EQ(fresh.m_nMax, 10);
    EXPECT_EQ(fresh.m_nPos, 0);
    EXPECT_EQ(fresh.GetDlgCtrlID(), 7);
    EXPECT_EQ(fresh.GetParent(), &parent);
    EXPECT_TRUE(fresh.GetStyle() & WS_TABSTOP);
    CRect window;
    fresh.GetWindowRect(&window);
    parent.ScreenToClient(&window);
    EXPECT_EQ(window, CRect(5, 6, 55, 16));
}

TEST_F(HorizontalMarker, ClicksAtTheEdgesAndInTheMiddle)
{
    struct Row { int x, position; };
    const Row rows[] = {{0, 1}, {50, 3}, {99, 5}};
    for (const Row& r : rows) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, r.x, 4);
        Send(WM_LBUTTONUP, 0, r.x, 4);
        const auto posted = Notifications();
        ASSERT_EQ(posted.size(), 1u) << r.x;
        EXPECT_TRUE(IsNotification(posted[0], WM_MARKER_POS, r.position)) << r.x << " gave " << posted[0].wParam;
        EXPECT_EQ(marker.m_nPos, r.position);
        EXPECT_EQ(marker.m_bDragging, 0);
        EXPECT_NE(::GetCapture(), marker.m_hWnd);
    }
}

TEST_F(HorizontalMarker, DragTracksEveryMoveAndSettlesOnRelease)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 4);
    EXPECT_EQ(::GetCapture(), marker.m_hWnd);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 50, 4);
    Send(WM_MOUSEMOVE, MK_LBUTTON, -30, 4);      // left of the slider
    Send(WM_MOUSEMOVE, MK_LBUTTON, 250, 40);     // far right, below
    Send(WM_LBUTTONUP, 0, 250, 40);

    const auto posted = Notifications();
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_TRUE(IsNotification(posted[0], WM_MARKER_TRACK, 3));
    EXPECT_TRUE(IsNotification(posted[1], WM_MARKER_TRACK, 1));
    EXPECT_TRUE(IsNotification(posted[2], WM_MARKER_TRACK, 6));
    EXPECT_TRUE(IsNotification(posted[3], WM_MARKER_POS, 6));
    EXPECT_EQ(marker.m_nPos, 6);
}

TEST_F(HorizontalMarker, MovesWithoutADragAreIgnored)
{
    Send(WM_MOUSEMOVE, 0, 50, 4);
    EXPECT_TRUE(Notifications().empty());
    EXPECT_EQ(marker.m_nPos, 0);
}

TEST_F(HorizontalMarker, ReleaseOfAPressMadeElsewhereSetsThePosition)
{
    Send(WM_LBUTTONUP, 0, 75, 4);
    const auto posted = Notifications();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_TRUE(IsNotification(posted[0], WM_MARKER_POS, 4));
}

TEST_F(HorizontalMarker, FocusLossEndsTheDragButACaptureLossDoesNot)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 4);
    ::ReleaseCapture();
    EXPECT_EQ(marker.m_bDragging, 1);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 30, 4);
    EXPECT_EQ(Notifications().size(), 1u);

    marker.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(marker.m_bDragging, 0);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 60, 4);
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(HorizontalMarker, SetPosKeepsValuesInRangeAndOtherwiseTakesTheMinimum)
{
    marker.SetPos(4);
    EXPECT_EQ(marker.m_nPos, 4);
    marker.SetPos(6);
    EXPECT_EQ(marker.m_nPos, 6);
    marker.SetPos(7);
    EXPECT_EQ(marker.m_nPos, 1);
    marker.SetPos(4);
    marker.SetPos(0);
    EXPECT_EQ(marker.m_nPos, 1);
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(HorizontalMarker, FillCoversTheColumnsUpToThePosition)
{
    marker.SetPos(1);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 0, 4), kTrack);
    marker.SetPos(3);                          // 50 columns
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 49, 4), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 50, 4), kTrack);
    marker.SetPos(6);                          // wider than the slider, cut at its edge
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 99, 7), kFill);
}

TEST_F(VerticalMarker, DragPostsThePositionForEveryMoveAndAtTheRelease)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 3, 169);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 3, 170);      // the bottom edge
    Send(WM_MOUSEMOVE, MK_LBUTTON, 3, 85);       // owner y 88: 1 + 215 * 85 / 170
    Send(WM_MOUSEMOVE, MK_LBUTTON, 3, 0);        // the top row
    Send(WM_LBUTTONUP, 0, 3, -50);               // above the slider

    const auto posted = Notifications();
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_TRUE(IsNotification(posted[0], WM_MARKER_POS, 1));
    EXPECT_TRUE(IsNotification(posted[1], WM_MARKER_POS, 108));
    EXPECT_TRUE(IsNotification(posted[2], WM_MARKER_POS, 216));
    EXPECT_TRUE(IsNotification(posted[3], WM_MARKER_POS, 216));
}

TEST_F(VerticalMarker, ClickBelowTheTopGivesLessThanTheMaximum)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 3, 1);
    Send(WM_LBUTTONUP, 0, 3, 1);
    const auto posted = Notifications();
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_TRUE(IsNotification(posted[0], WM_MARKER_POS, 214));
}

TEST_F(VerticalMarker, FillRisesFromTheBottom)
{
    marker.SetPos(108);                        // 170 * 107 / 214 = 85 rows
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 169), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 85), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 84), kTrack);
    marker.SetPos(1);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 169), kTrack);
}
