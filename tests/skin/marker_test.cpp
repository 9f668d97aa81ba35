#include "skin/marker.h"

#include "messages.h"
#include "skin_test_helpers.h"

#include <gtest/gtest.h>

using namespace skintest;

namespace {

constexpr COLORREF kTrack = RGB(20, 20, 20);
constexpr COLORREF kFill = RGB(220, 30, 30);
constexpr UINT kId = 2045;

template <class Marker> class MarkerTest : public ::testing::Test {
protected:
    // The images are cut from (1, 0)-(128, 180) of pictures that are green
    // outside it, as the lighting page cuts its pictures.
    void Make(int left, int top, int right, int bottom, int minimum, int maximum)
    {
        ASSERT_TRUE(marker.Create(left, top, right, bottom, &parent, kId));
        marker.m_nMin = minimum;
        marker.m_nMax = maximum;
        CBitmap track, fill;
        auto inside = [](int x, int y) { return x >= 1 && x < 128 && y < 180; };
        PaintBitmap(track, 130, 190, [&](int x, int y) { return inside(x, y) ? kTrack : RGB(0, 255, 0); });
        PaintBitmap(fill, 130, 190, [&](int x, int y) { return inside(x, y) ? kFill : RGB(0, 255, 0); });
        marker.SetBitmaps(RECT{1, 0, 128, 180}, &track, &fill);
        ParentWindow::Pump();
    }
    void TearDown() override { ::ReleaseCapture(); }

    void Send(UINT message, WPARAM flags, int x, int y) { marker.SendMessage(message, flags, Packed(x, y)); }

    // The notifications posted since the last call, as (message, position);
    // each must carry the control id.
    std::vector<std::pair<UINT, int>> Notifications()
    {
        std::vector<std::pair<UINT, int>> seen;
        for (const Posted& p : parent.TakePosted(WM_MARKER_POS, WM_MARKER_TRACK)) {
            EXPECT_EQ(p.lParam, static_cast<LPARAM>(kId));
            seen.emplace_back(p.message, static_cast<int>(p.wParam));
        }
        return seen;
    }

    ParentWindow parent;
    Marker marker;
};

using Notes = std::vector<std::pair<UINT, int>>;

// 100 x 8 at (20, 10) of the parent, range 1..6.
class HorizontalMarker : public MarkerTest<CDMarker> {
protected:
    void SetUp() override { Make(20, 10, 120, 18, 1, 6); }
};

// 7 x 170 at (25, 3) of the parent, range 1..216.
class VerticalMarker : public MarkerTest<CDMarkerV> {
protected:
    void SetUp() override { Make(25, 3, 32, 173, 1, 216); }
};

// Wider and taller than the 127 x 180 pictures cut for them: 130 x 8 and
// 7 x 186.
class WideMarker : public MarkerTest<CDMarker> {
protected:
    void SetUp() override { Make(20, 10, 150, 18, 1, 6); }
};
class TallMarker : public MarkerTest<CDMarkerV> {
protected:
    void SetUp() override { Make(25, 3, 32, 189, 1, 216); }
};

constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

TEST_F(HorizontalMarker, ClicksAtTheEdgesAndInTheMiddle)
{
    for (const auto& [x, position] : {std::pair{0, 1}, {50, 3}, {99, 5}}) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, x, 4);
        EXPECT_EQ(::GetCapture(), marker.m_hWnd);
        Send(WM_LBUTTONUP, 0, x, 4);
        EXPECT_EQ(Notifications(), (Notes{{WM_MARKER_POS, position}})) << x;
        EXPECT_EQ(marker.m_nPos, position);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
}

TEST_F(HorizontalMarker, DragTracksEveryMoveAndSettlesOnRelease)
{
    Send(WM_MOUSEMOVE, 0, 50, 4);  // no drag yet: ignored
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 4);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 50, 4);
    Send(WM_MOUSEMOVE, MK_LBUTTON, -30, 4);   // left of the slider
    Send(WM_MOUSEMOVE, MK_LBUTTON, 250, 40);  // far right, below
    Send(WM_LBUTTONUP, 0, 250, 40);
    EXPECT_EQ(Notifications(),
              (Notes{{WM_MARKER_TRACK, 3}, {WM_MARKER_TRACK, 1}, {WM_MARKER_TRACK, 6}, {WM_MARKER_POS, 6}}));
    Send(WM_LBUTTONUP, 0, 75, 4);  // a press that began elsewhere
    EXPECT_EQ(Notifications(), (Notes{{WM_MARKER_POS, 4}}));
}

TEST_F(HorizontalMarker, FocusLossEndsTheDragButACaptureLossDoesNot)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 4);
    ::ReleaseCapture();
    Send(WM_MOUSEMOVE, MK_LBUTTON, 30, 4);
    EXPECT_EQ(Notifications(), (Notes{{WM_MARKER_TRACK, 2}}));
    marker.SendMessage(WM_KILLFOCUS, 0, 0);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 60, 4);
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(HorizontalMarker, SetPosKeepsValuesInRangeOtherwiseTakesTheMinimum)
{
    const int rows[][2] = {{4, 4}, {6, 6}, {7, 1}, {0, 1}};
    for (const auto& r : rows) {
        marker.SetPos(r[0]);
        EXPECT_EQ(marker.m_nPos, r[1]) << r[0];
    }
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(HorizontalMarker, FillCoversTheColumnsUpToThePosition)
{
    marker.SetPos(1);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 0, 4), kTrack);
    marker.SetPos(3);  // 50 columns
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 49, 4), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 50, 4), kTrack);
    marker.SetPos(6);  // wider than the slider, cut at its edge
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 99, 7), kFill);
}

TEST_F(VerticalMarker, DragPostsThePositionForEveryMoveAndAtTheRelease)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 3, 169);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 3, 170);  // the bottom edge
    Send(WM_MOUSEMOVE, MK_LBUTTON, 3, 85);   // 1 + 215 * 85 / 170
    Send(WM_MOUSEMOVE, MK_LBUTTON, 3, 1);    // one row below the top
    Send(WM_LBUTTONUP, 0, 3, -50);           // above the slider
    EXPECT_EQ(Notifications(),
              (Notes{{WM_MARKER_POS, 1}, {WM_MARKER_POS, 108}, {WM_MARKER_POS, 214}, {WM_MARKER_POS, 216}}));
}

TEST_F(VerticalMarker, FillRisesFromTheBottom)
{
    marker.SetPos(108);  // 170 * 107 / 214 = 85 rows
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 169), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 85), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 84), kTrack);
}

// At the minimum the fill alone would be empty: a thumb as long as the
// slider is wide (7 rows) still stands at the bottom.
TEST_F(VerticalMarker, TheMinimumShowsAThumbAtTheBottom)
{
    for (int position : {1, 2}) {
        SCOPED_TRACE(position);
        marker.SetPos(position);
        EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 169), kFill);
        EXPECT_EQ(WindowPixel(marker.m_hWnd, 0, 163), kFill);
        EXPECT_EQ(WindowPixel(marker.m_hWnd, 6, 162), kTrack);
    }
}

TEST_F(WideMarker, ColumnsBeyondThePicturesAreBlack)
{
    marker.SetPos(1);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 126, 4), kTrack);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 127, 4), kBlack);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 129, 7), kBlack);
    marker.SetPos(3);  // 65 columns
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 64, 4), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 65, 4), kTrack);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 128, 4), kBlack);
    marker.SetPos(6);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 126, 0), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 127, 0), kBlack);
}

TEST_F(TallMarker, RowsBeyondThePicturesAreBlack)
{
    marker.SetPos(1);  // the thumb's 7 rows from the fill's top, the track above them
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 178), kTrack);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 179), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 6, 185), kFill);
    marker.SetPos(108);  // 186 * 107 / 214 = 93 rows, from the fill's top
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 92), kTrack);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 93), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 185), kFill);
    marker.SetPos(216);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 0), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 179), kFill);
    EXPECT_EQ(WindowPixel(marker.m_hWnd, 3, 180), kBlack);
}
