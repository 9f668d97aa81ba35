#include "skin/marker_geometry.h"

#include <gtest/gtest.h>

TEST(MarkerFillLength, FullOneStepBelowTheMaximumAndCutAtTheEdge)
{
    struct Row {
        int length, position, minimum, maximum, expected;
    };
    const Row rows[] = {
        {100, 1, 1, 6, 0},      {100, 3, 1, 6, 50}, {100, 5, 1, 6, 100}, {100, 6, 1, 6, 100},  // 125 before the cut
        {208, 7, 1, 11, 138},    // 208 * 6 / 9 = 138.7, truncated
        {170, 101, 1, 216, 79},  // 170 * 100 / 214 = 79.4
        {127, 0, 1, 6, 0},       // below the minimum (written by an owner)
        {50, 2, 1, 2, 50},       // two values only: no division by zero
        {50, 1, 1, 2, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(MarkerFillLength(r.length, r.position, r.minimum, r.maximum), r.expected)
            << r.length << " " << r.position << " " << r.minimum << ".." << r.maximum;
}

TEST(MarkerPosition, PointsMapAlongTheSliderAndAreClamped)
{
    // Horizontal from x 20 to 120, range 1..6; the maximum only at the far edge.
    const int xs[][2] = {{20, 1}, {-500, 1}, {39, 1}, {40, 2}, {70, 3}, {119, 5}, {120, 6}, {400, 6}};
    for (const auto& r : xs)
        EXPECT_EQ(MarkerPositionFromX(r[0], 20, 120, 1, 6), r[1]) << r[0];
    // Vertical from y 3 (top) to 173 (bottom), range 1..216.
    const int ys[][2] = {{173, 1}, {900, 1}, {172, 2}, {88, 108}, {4, 214}, {3, 216}, {-40, 216}};
    for (const auto& r : ys)
        EXPECT_EQ(MarkerPositionFromY(r[0], 3, 173, 1, 216), r[1]) << r[0];
    // No extent: the minimum, not a division by zero.
    EXPECT_EQ(MarkerPositionFromX(30, 20, 20, 1, 6), 1);
    EXPECT_EQ(MarkerPositionFromY(30, 20, 20, 1, 6), 1);
}

TEST(MarkerPositionForValue, OutOfRangeValuesGiveTheMinimum)
{
    const int rows[][2] = {{1, 1}, {11, 11}, {7, 7}, {0, 1}, {12, 1}, {-3, 1}};
    for (const auto& r : rows)
        EXPECT_EQ(MarkerPositionForValue(r[0], 1, 11), r[1]) << r[0];
}
