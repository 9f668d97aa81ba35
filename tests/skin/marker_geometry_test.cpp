#include "skin/marker_geometry.h"

#include <gtest/gtest.h>

#include <string>

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

// The DPI sliders: 170 rows, a thumb of 7 (their width), range 1..216.
TEST(MarkerFillWithThumb, TheThumbShowsFromTheMinimumAndTheFillTakesOverAboveIt)
{
    struct Row {
        int length, thumb, position, minimum, maximum, expected;
    };
    const Row rows[] = {
        {170, 7, 1, 1, 216, 7},      // the minimum: the thumb alone (the fill alone is 0)
        {170, 7, 2, 1, 216, 7},      // 170 * 1 / 214 = 0
        {170, 7, 11, 1, 216, 7},     // 170 * 10 / 214 = 7.9
        {170, 7, 12, 1, 216, 8},     // 170 * 11 / 214 = 8.7: the fill is longer
        {170, 7, 108, 1, 216, 85},   // as the fill alone
        {170, 7, 215, 1, 216, 170},  // full one step below the maximum
        {170, 7, 216, 1, 216, 170},  // and cut at the edge at the maximum
        {170, 7, 0, 1, 216, 0},      // below the minimum (written by an owner)
        {5, 7, 1, 1, 216, 5},        // a thumb longer than the slider is cut to it
        {170, 0, 1, 1, 216, 0},      // no thumb: the fill alone
        {0, 7, 1, 1, 216, 0},        // no slider
    };
    for (const Row& r : rows)
        EXPECT_EQ(MarkerFillWithThumb(r.length, r.thumb, r.position, r.minimum, r.maximum), r.expected)
            << r.length << " " << r.thumb << " " << r.position << " " << r.minimum << ".." << r.maximum;
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

namespace {

std::string Shown(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

bool IsEmpty(const RECT& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

}  // namespace

TEST(ReachOfPicture, ThePictureFillsWhatItReachesAndLeavesStripsBeyondItsEdges)
{
    // The lighting sliders: 128 columns from a 127-column picture.
    PictureReach reach = ReachOfPicture({0, 0, 128, 8}, {0, 0}, {127, 11});
    EXPECT_EQ(Shown(reach.covered), "0,0-127,8");
    EXPECT_EQ(Shown(reach.right), "127,0-128,8");
    EXPECT_TRUE(IsEmpty(reach.below));

    // The track right of a fill of 40 columns, from the same place in the picture.
    reach = ReachOfPicture({40, 0, 128, 8}, {40, 0}, {127, 11});
    EXPECT_EQ(Shown(reach.covered), "40,0-127,8");
    EXPECT_EQ(Shown(reach.right), "127,0-128,8");

    // The DPI sliders: 170 rows from a 169-row picture, the fill's top rows
    // at the bottom of the slider.
    reach = ReachOfPicture({0, 0, 7, 170}, {0, 0}, {7, 169});
    EXPECT_EQ(Shown(reach.covered), "0,0-7,169");
    EXPECT_TRUE(IsEmpty(reach.right));
    EXPECT_EQ(Shown(reach.below), "0,169-7,170");
    reach = ReachOfPicture({0, 85, 7, 170}, {0, 0}, {7, 169});
    EXPECT_EQ(Shown(reach.covered), "0,85-7,170");
    EXPECT_TRUE(IsEmpty(reach.below));

    // Short in both directions: a strip right, full height, and one below.
    reach = ReachOfPicture({10, 20, 30, 40}, {5, 5}, {15, 20});
    EXPECT_EQ(Shown(reach.covered), "10,20-20,35");
    EXPECT_EQ(Shown(reach.right), "20,20-30,40");
    EXPECT_EQ(Shown(reach.below), "10,35-20,40");
}

TEST(ReachOfPicture, NothingIsCoveredOrLeftOfAnEmptyPartOrByAMissingPicture)
{
    for (const RECT part : {RECT{5, 5, 5, 30}, RECT{5, 5, 30, 5}, RECT{30, 5, 5, 30}}) {
        const PictureReach reach = ReachOfPicture(part, {0, 0}, {100, 100});
        EXPECT_TRUE(IsEmpty(reach.covered)) << Shown(part);
        EXPECT_TRUE(IsEmpty(reach.right)) << Shown(part);
        EXPECT_TRUE(IsEmpty(reach.below)) << Shown(part);
    }
    // A slider whose picture did not load is black all over.
    const PictureReach reach = ReachOfPicture({0, 0, 128, 8}, {0, 0}, {0, 0});
    EXPECT_TRUE(IsEmpty(reach.covered));
    EXPECT_EQ(Shown(reach.right), "0,0-128,8");
    EXPECT_TRUE(IsEmpty(reach.below));
}
