#include "skin/scroll_bar_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int kW = 13;  // the thickness of a bar cut from a 117-pixel-wide skin

ScrollValues Values(int nMin, int nMax, UINT nPage, int nPos, int nTrackPos = -1)
{
    ScrollValues v;
    v.nMin = nMin;
    v.nMax = nMax;
    v.nPage = nPage;
    v.nPos = nPos;
    v.nTrackPos = nTrackPos;
    return v;
}

}  // namespace

TEST(ScrollBarLayout, ThumbSizeAndPlaceAlongA100PixelBar)
{
    // Track = 100 - 2 x 13 = 74 pixels.
    struct Row {
        ScrollValues values;
        BarSpan thumb;
    };
    const Row rows[] = {
        {Values(0, 99, 10, 0), {13, 25}},      // 7 pixels by proportion, drawn 12
        {Values(0, 99, 10, 45), {44, 56}},     // 45 x 62 / 90 = 31
        {Values(0, 99, 10, 90), {75, 87}},     // the last position ends at arrow 2
        {Values(0, 99, 50, 50), {50, 87}},     // 74 x 50 / 100 = 37 long
        {Values(0, 99, 10, 0, 90), {75, 87}},  // a running drag puts it at the track position
        {Values(10, 109, 10, 10), {19, 31}},   // the offset scales the position itself, not position - nMin
    };
    for (const Row& r : rows) {
        const BarLayout layout = ComputeBarLayout(100, kW, r.values, ThumbRule::Drawing);
        EXPECT_EQ(layout.thumb, r.thumb) << r.values.nPage << " " << r.values.nPos << " " << r.values.nTrackPos;
        EXPECT_EQ(layout.arrow, kW);
        EXPECT_EQ(layout.Part(kScrollPartArrow2), (BarSpan{87, 100}));
    }
}

TEST(ScrollBarLayout, PageCoveringTheRangeHasAThumbOnlyForHitTesting)
{
    const ScrollValues v = Values(0, 99, 100, 0);
    const BarLayout drawn = ComputeBarLayout(100, kW, v, ThumbRule::Drawing);
    EXPECT_EQ(drawn.thumb.Length(), 0);
    EXPECT_EQ(drawn.thumb.begin, 13 + 37);  // centred in the track

    const BarLayout hit = ComputeBarLayout(100, kW, v, ThumbRule::HitTesting);
    EXPECT_EQ(hit.thumb, (BarSpan{13, 87}));
    EXPECT_EQ(HitTestBar(hit, 50), kScrollPartThumb);
}

TEST(ScrollBarLayout, TrackShorterThanTheMinimumThumbHasNoThumbAndTheTrackPartsMeet)
{
    // 30 - 26 = 4 pixels of track.
    const ScrollValues v = Values(0, 99, 10, 45);
    for (ThumbRule rule : {ThumbRule::Drawing, ThumbRule::HitTesting}) {
        const BarLayout layout = ComputeBarLayout(30, kW, v, rule);
        EXPECT_EQ(layout.thumb, (BarSpan{15, 15}));
        EXPECT_EQ(HitTestBar(layout, 14), kScrollPartTrackBefore);
        EXPECT_EQ(HitTestBar(layout, 15), kScrollPartTrackAfter);
        EXPECT_EQ(HitTestBar(layout, 17), kScrollPartArrow2);
    }
}

TEST(ScrollBarLayout, DegenerateAndHugeRangesNeitherCrashNorOverflow)
{
    // nMax = nMin - 1 would divide by zero.
    const BarLayout empty = ComputeBarLayout(100, kW, Values(0, -1, 0, 0), ThumbRule::HitTesting);
    EXPECT_EQ(empty.thumb.Length(), kMinThumbLength);

    const BarLayout huge = ComputeBarLayout(100, kW, Values(INT_MIN, INT_MAX, 1u << 31, INT_MAX), ThumbRule::Drawing);
    EXPECT_EQ(huge.thumb, (BarSpan{49, 86}));  // half the range as page: half the track

    EXPECT_EQ(ThumbDragPosition(100, kW, Values(0, -1, 0, 0), 0, 10), 0);
    EXPECT_EQ(ThumbDragPosition(100, kW, Values(INT_MIN, INT_MAX, 0, 0), INT_MAX, 1000), INT_MAX);
}

TEST(ScrollBarHitTest, EveryPartAlongTheBar)
{
    const BarLayout layout = ComputeBarLayout(100, kW, Values(0, 99, 10, 45), ThumbRule::HitTesting);
    struct Row {
        int along;
        ScrollBarPart part;
    };
    const Row rows[] = {
        {-1, kScrollPartNone},        {0, kScrollPartArrow1},  {12, kScrollPartArrow1}, {13, kScrollPartTrackBefore},
        {43, kScrollPartTrackBefore}, {44, kScrollPartThumb},  {55, kScrollPartThumb},  {56, kScrollPartTrackAfter},
        {86, kScrollPartTrackAfter},  {87, kScrollPartArrow2}, {99, kScrollPartArrow2}, {400, kScrollPartArrow2},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HitTestBar(layout, r.along), r.part) << r.along;
}

TEST(ScrollBarDrag, PointerTravelScalesToPositionsAndStopsAtTheEnds)
{
    // Track 74, thumb 12: 62 pixels of travel for 90 positions.
    const ScrollValues v = Values(0, 99, 10, 0);
    struct Row {
        int start, delta, expected;
    };
    const Row rows[] = {
        {0, 31, 45},  {0, 1, 1},   // 1.45 truncated
        {45, -1, 44},              // -1.45 truncated toward zero
        {0, 0, 0},    {0, -5, 0},  // before the start: nMin
        {0, 100, 90},              // past the end: nMax - nMin - nPage + 1
        {45, 62, 90},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ThumbDragPosition(100, kW, v, r.start, r.delta), r.expected) << r.start << " " << r.delta;

    // The upper limit subtracts nMin once more: 109 - 10 - 10 + 1.
    EXPECT_EQ(ThumbDragPosition(100, kW, Values(10, 109, 10, 50), 50, 500), 90);
    // A track exactly as long as the thumb cannot move it.
    EXPECT_EQ(ThumbDragPosition(38, kW, Values(0, 99, 10, 20), 20, 30), 20);
}
