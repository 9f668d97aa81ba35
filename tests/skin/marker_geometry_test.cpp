#include "skin/marker_geometry.h"

#include <gtest/gtest.h>

TEST(MarkerFillLength, FullOneStepBelowTheMaximumAndCutAtTheEdge)
{
    struct Row { int length, position, minimum, maximum, expected; };
    const Row rows[] = {
        {100, 1, 1, 6, 0},
        {100, 2, 1, 6, 25},
        {100, 3, 1, 6, 50},
        {100, 5, 1, 6, 100},
        {100, 6, 1, 6, 100},      // 125 before the cut
        {9, 4, 1, 11, 3},         // 9 * 3 / 9
        {208, 7, 1, 11, 138},     // 208 * 6 / 9 = 138.67, truncated
        {170, 216, 1, 216, 170},
        {170, 101, 1, 216, 79},   // 170 * 100 / 214 = 79.4, truncated
        {127, 0, 1, 6, 0},        // below the minimum (owner wrote it directly)
    };
    for (const Row& r : rows)
        EXPECT_EQ(MarkerFillLength(r.length, r.position, r.minimum, r.maximum), r.expected)
            << r.length << " " << r.position << " " << r.minimum << ".." << r.maximum;
}

TEST(MarkerFillLength, RangesTooSmallToDivideDoNotCrash)
{
    EXPECT_EQ(MarkerFillLength(50, 1, 1, 2), 0);
    EXPECT_EQ(MarkerFillLength(50, 2, 1, 2), 50);
    EXPECT_EQ(MarkerFillLength(50, 3, 3, 3), 0);
    EXPECT_EQ(MarkerFillLength(0, 3, 1, 6), 0);
}

TEST(MarkerPosition, HorizontalPointsMapLeftToRight)
{
    // Slider from x 20 to 120 (width 100), range 1..6.
    struct Row { int x, expected; };
    const Row rows[] = {
        {20, 1}, {-500, 1}, {39, 1}, {40, 2}, {70, 3},
        {119, 5},            // one pixel inside the right edge
        {120, 6}, {400, 6},  // the edge itself and beyond, while dragging
    };
    for (const Row& r : rows)
        EXPECT_EQ(MarkerPositionFromX(r.x, 20, 120, 1, 6), r.expected) << r.x;
}

TEST(MarkerPosition, VerticalPointsMapBottomToTop)
{
    // Slider from y 3 to 173 (height 170), range 1..216.
    struct Row { int y, expected; };
    const Row rows[] = {
        {173, 1}, {900, 1}, {172, 2}, {88, 108},
        {4, 214}, {3, 216}, {-40, 216},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MarkerPositionFromY(r.y, 3, 173, 1, 216), r.expected) << r.y;
}

TEST(MarkerPosition, SliderWithoutExtentPicksTheMinimum)
{
    EXPECT_EQ(MarkerPositionFromX(30, 20, 20, 1, 6), 1);
    EXPECT_EQ(MarkerPositionFromY(30, 20, 20, 1, 6), 1);
}

TEST(MarkerPositionForValue, OutOfRangeValuesGiveTheMinimum)
{
    EXPECT_EQ(MarkerPositionForValue(1, 1, 11), 1);
    EXPECT_EQ(MarkerPositionForValue(11, 1, 11), 11);
    EXPECT_EQ(MarkerPositionForValue(7, 1, 11), 7);
    EXPECT_EQ(MarkerPositionForValue(0, 1, 11), 1);
    EXPECT_EQ(MarkerPositionForValue(12, 1, 11), 1);
    EXPECT_EQ(MarkerPositionForValue(-3, 1, 11), 1);
}
