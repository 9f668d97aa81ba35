// The rules behind the small settings pages, without windows: which level,
// rate or state a click picks, and how the wheel page reads its number.

#include "pages/angle_snap_marks.h"
#include "pages/report_rate_ring.h"
#include "pages/speed_dial.h"
#include "pages/wheel_lines.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

namespace {

struct DialCase {
    POINT point;
    int level;  // with 6 in the field before the click
    const char* why;
};

}  // namespace

TEST(SpeedDial, EachEighteenDegreesOfTheUpperRingIsOneLevel)
{
    // Points on the ring at radius 60, one just either side of every step.
    const DialCase cases[] = {
        {{181, 90}, 11, "1 degree"},
        {{178, 73}, 11, "17.5"},
        {{178, 71}, 10, "19.3"},
        {{170, 57}, 10, "34.8"},
        {{169, 55}, 9, "36.9"},
        {{157, 43}, 9, "53.1"},
        {{155, 42}, 8, "55.2"},
        {{141, 34}, 8, "70.7"},
        {{139, 34}, 7, "72.5"},
        {{122, 31}, 7, "89.0"},
        {{120, 31}, 6, "91.0"},
        {{103, 34}, 6, "107.5"},
        {{101, 34}, 5, "109.3"},
        {{87, 42}, 5, "124.8"},
        {{85, 43}, 4, "126.9"},
        {{73, 55}, 4, "143.1"},
        {{72, 57}, 3, "145.2"},
        {{64, 71}, 3, "160.7"},
        {{64, 73}, 2, "162.5"},
        {{61, 85}, 2, "174.3"},
        {{61, 87}, 1, "176: counted as 185"},
        {{192, 91}, 11, "0 degrees gives 12, kept at 11"},
        {{50, 91}, 1, "180 degrees, outer edge"},
        {{121, 20}, 7, "straight up at the outer radius 71"},
        {{121, 48}, 7, "straight up at the inner radius 43"},
        {{178, 91}, 11, "on the centre line"},
    };
    for (const DialCase& c : cases) {
        const SpeedDialClick click = ClickSpeedDial(c.point, 6);
        EXPECT_FALSE(click.ignored) << c.why;
        EXPECT_TRUE(click.angle.has_value()) << c.why;
        EXPECT_EQ(click.level, c.level) << c.why << " at (" << c.point.x << ", " << c.point.y << ")";
    }
    EXPECT_DOUBLE_EQ(*ClickSpeedDial({61, 90}, 6).angle, 185.0);
    EXPECT_NEAR(*ClickSpeedDial({61, 85}, 6).angle, 174.29, 0.01);
}

TEST(SpeedDial, ClicksOffTheRingOnlyPullTheFieldIntoRange)
{
    for (POINT offRing : {POINT{121, 49}, POINT{121, 19}, POINT{121, 91}, POINT{5, 5}}) {
        EXPECT_EQ(ClickSpeedDial(offRing, 6).level, 6);
        EXPECT_FALSE(ClickSpeedDial(offRing, 6).angle.has_value());
        EXPECT_EQ(ClickSpeedDial(offRing, 0).level, 1) << "a damaged 0 becomes the slowest level";
        EXPECT_EQ(ClickSpeedDial(offRing, 200).level, 11);
        EXPECT_FALSE(ClickSpeedDial(offRing, 0).ignored);
    }
    // Below the centre line nothing happens at all, not even the pull.
    for (POINT below : {POINT{121, 92}, POINT{150, 100}, POINT{61, 92}}) {
        const SpeedDialClick click = ClickSpeedDial(below, 0);
        EXPECT_TRUE(click.ignored);
        EXPECT_EQ(click.level, 0);
    }
}

TEST(ReportRateRing, QuartersBetweenRadius35And64BothIncluded)
{
    // Offsets from the centre (121, 66) mirrored into each quarter. No point
    // off the axes lies at exactly 64 (64 squared is no sum of two non-zero
    // squares), so the outer edge is taken just inside and just outside it.
    struct Quarter {
        int sx, sy;
        uint8_t code;
    };
    const Quarter quarters[] = {{1, -1, 1}, {1, 1, 2}, {-1, 1, 4}, {-1, -1, 8}};
    for (const Quarter& q : quarters) {
        auto at = [&](int dx, int dy) { return ReportRateCodeAt({121 + q.sx * dx, 66 + q.sy * dy}); };
        EXPECT_EQ(at(21, 28), q.code) << "r = 35, code " << int(q.code);
        EXPECT_EQ(at(28, 21), q.code) << "r = 35";
        EXPECT_EQ(at(58, 27), q.code) << "r = 63.98";
        EXPECT_EQ(at(18, 30), std::nullopt) << "r = 34.99, in the hole";
        EXPECT_EQ(at(56, 31), std::nullopt) << "r = 64.01, outside";
        EXPECT_EQ(at(1, 1), std::nullopt) << "near the centre";
    }
    EXPECT_EQ(ReportRateCodeAt({150, 40}), 1);
    EXPECT_EQ(ReportRateCodeAt({90, 90}), 4);
}

TEST(ReportRateRing, TheAxisLinesAndTheCentreChangeNothing)
{
    for (POINT onAxis : {POINT{121, 20}, POINT{121, 2}, POINT{121, 31}, POINT{121, 112}, POINT{160, 66}, POINT{185, 66},
                         POINT{57, 66}, POINT{86, 66}, POINT{121, 66}})
        EXPECT_EQ(ReportRateCodeAt(onAxis), std::nullopt) << onAxis.x << ", " << onAxis.y;
}

TEST(ReportRateRing, CodesWithoutARateShowAndStayAs500Hz)
{
    for (int code = 0; code <= 255; ++code) {
        const uint8_t shown = ShownReportRateCode(static_cast<uint8_t>(code));
        const bool valid = code == 1 || code == 2 || code == 4 || code == 8;
        EXPECT_EQ(shown, valid ? code : 2) << code;
    }
    EXPECT_EQ(ReportsPerSecond(1), 1000);
    EXPECT_EQ(ReportsPerSecond(2), 500);
    EXPECT_EQ(ReportsPerSecond(4), 250);
    EXPECT_EQ(ReportsPerSecond(8), 125);
}

TEST(AngleSnapMarks, LeftAndTopEdgesInsideRightAndBottomOutside)
{
    struct Case {
        POINT point;
        std::optional<uint8_t> value;
    };
    const Case cases[] = {
        {{25, 30}, 1},
        {{34, 39}, 1},
        {{35, 30}, {}},
        {{25, 40}, {}},
        {{24, 30}, {}},
        {{25, 29}, {}},
        {{140, 30}, 0},
        {{149, 39}, 0},
        {{150, 35}, {}},
        {{145, 40}, {}},
        {{139, 35}, {}},
        {{145, 29}, {}},
        // The labels "ON" at (40, 30) and "OFF" at (155, 30).
        {{45, 35}, {}},
        {{160, 35}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AngleSnappingAt(c.point), c.value) << c.point.x << ", " << c.point.y;
}

TEST(WheelLines, ArrowsStayWithin1To100)
{
    struct Case {
        int from, up, down;
    };
    const Case cases[] = {
        {3, 4, 2},
        {1, 2, 1},
        {100, 100, 99},
        {99, 100, 98},
        // Damaged counts from a file end inside the range.
        {0, 1, 1},
        {101, 100, 100},
        {150, 100, 1},
        {255, 1, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WheelLinesUp(static_cast<uint8_t>(c.from)), c.up) << c.from;
        EXPECT_EQ(WheelLinesDown(static_cast<uint8_t>(c.from)), c.down) << c.from;
    }
}

TEST(WheelLines, TypedTextIsItsLeadingNumberOrElseOne)
{
    struct Case {
        const wchar_t* text;
        int lines;
        bool replaced;
    };
    const Case cases[] = {
        {L"7", 7, false},
        {L"1", 1, false},
        {L"100", 100, false},
        {L"15", 15, false},
        {L"", 1, true},
        {L"0", 1, true},
        {L"101", 1, true},
        {L"150", 1, true},
        {L"4294967297", 1, true},
        {L"4294967396", 1, true},
        {L"99999999999999999999", 1, true},
        {L"42abc", 42, false},
        {L"100x7", 100, false},
        {L"abc", 1, true},
        {L"-5", 1, true},
    };
    for (const Case& c : cases) {
        const TypedWheelLines typed = ReadTypedWheelLines(c.text);
        EXPECT_EQ(typed.lines, c.lines) << std::wstring(c.text).size();
        EXPECT_EQ(typed.replaceText, c.replaced) << c.lines;
    }
    EXPECT_EQ(ReadTypedWheelLines(nullptr).lines, 1);
    EXPECT_EQ(ValidWheelLines(0), 1);
    EXPECT_EQ(ValidWheelLines(100), 100);
    EXPECT_EQ(ValidWheelLines(INT_MAX), 1);
}
