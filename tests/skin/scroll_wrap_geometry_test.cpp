#include "skin/scroll_wrap_geometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kW = 13;       // skinned bar
constexpr int kSystem = 17;  // system bar

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

}  // namespace

TEST(ScrollWrapFrame, PlainWindowKeepsItsSizeAndStyles)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
    const WrapFrame frame = ComputeWrapFrame(style, WS_EX_CONTROLPARENT, true, {260, 561}, 1, 2);
    EXPECT_EQ(frame.frameStyle, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | 0x0100));
    EXPECT_EQ(frame.frameExStyle, 0u);
    EXPECT_EQ(frame.windowStyle, style);
    EXPECT_EQ(frame.windowExStyle, static_cast<DWORD>(WS_EX_CONTROLPARENT));
    EXPECT_RECT(frame.inner, {0, 0, 260, 561});

    EXPECT_EQ(ComputeWrapFrame(WS_CHILD, 0, false, {10, 10}, 1, 2).frameStyle,
              static_cast<DWORD>(WS_CHILD | 0x0100));
}

TEST(ScrollWrapFrame, BordersMoveToTheFrameAndShrinkTheInnerWindow)
{
    const WrapFrame frame = ComputeWrapFrame(WS_CHILD | WS_BORDER | WS_VSCROLL,
                                             WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW, true, {200, 100}, 1, 2);
    EXPECT_EQ(frame.frameStyle & WS_BORDER, static_cast<DWORD>(WS_BORDER));
    EXPECT_EQ(frame.frameExStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW));
    EXPECT_EQ(frame.windowStyle, static_cast<DWORD>(WS_CHILD | WS_VSCROLL));
    EXPECT_EQ(frame.windowExStyle, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_RECT(frame.inner, {0, 0, 200 - 2 - 4, 100 - 2 - 4});
}

TEST(ScrollWrapClient, OnlyTheSkinnedWidthIsReservedForEachBar)
{
    // A 200 x 200 window without borders.
    const WrappedClientLayout vertical = ComputeWrappedClientLayout({0, 0, 183, 200}, WS_VSCROLL, 0, kW, kSystem);
    EXPECT_RECT(vertical.client, {0, 0, 187, 200});
    EXPECT_RECT(vertical.verticalBar, {187, 0, 200, 200});
    EXPECT_TRUE(vertical.hasVertical);
    EXPECT_FALSE(vertical.hasHorizontal);
    EXPECT_EQ(vertical.corner, kCornerNone);

    const WrappedClientLayout both =
        ComputeWrappedClientLayout({0, 0, 183, 183}, WS_VSCROLL | WS_HSCROLL, 0, kW, kSystem);
    EXPECT_RECT(both.client, {0, 0, 187, 187});
    EXPECT_RECT(both.verticalBar, {187, 0, 200, 187});
    EXPECT_RECT(both.horizontalBar, {0, 187, 187, 200});
    EXPECT_EQ(both.corner, kCornerBottomRight);

    const WrappedClientLayout left = ComputeWrappedClientLayout({17, 0, 200, 183}, WS_VSCROLL | WS_HSCROLL,
                                                                WS_EX_LEFTSCROLLBAR, kW, kSystem);
    EXPECT_RECT(left.client, {13, 0, 200, 187});
    EXPECT_RECT(left.verticalBar, {0, 0, 13, 187});
    EXPECT_RECT(left.horizontalBar, {13, 187, 200, 200});
    EXPECT_EQ(left.corner, kCornerBottomLeft);

    const WrappedClientLayout horizontal = ComputeWrappedClientLayout({0, 0, 200, 183}, WS_HSCROLL, 0, kW, kSystem);
    EXPECT_RECT(horizontal.client, {0, 0, 200, 187});
    EXPECT_RECT(horizontal.horizontalBar, {0, 187, 200, 200});
    EXPECT_EQ(horizontal.corner, kCornerNone);
}

TEST(ScrollWrapRelayout, ClippingChildLeavesRoomForTheVisibleBars)
{
    const RECT frame{0, 0, 200, 150};
    struct Row { bool vertical, left, horizontal; RECT limit; int windowX; };
    const Row rows[] = {
        {true, false, false, {0, 0, 187, 150}, 0},
        {true, false, true, {0, 0, 187, 137}, 0},
        {true, true, true, {13, 0, 200, 137}, -13},
        {false, true, true, {0, 0, 200, 137}, 0},
        {false, false, false, {0, 0, 200, 150}, 0},
    };
    for (const Row& r : rows) {
        const WrapRelayout relayout = ComputeWrapRelayout(frame, r.vertical, r.left, r.horizontal, kW);
        EXPECT_TRUE(Same(relayout.limit, r.limit)) << Show(relayout.limit) << " " << r.vertical << r.left << r.horizontal;
        EXPECT_EQ(relayout.windowX, r.windowX);
    }
}

TEST(ScrollWrapCorner, SquaresComeFromTheCornerColumn)
{
    const RECT client{0, 0, 200, 150};
    EXPECT_RECT(CornerSourceRect(kCornerBottomRight, kW), {104, 0, 117, 13});
    EXPECT_RECT(CornerSourceRect(kCornerBottomLeft, kW), {104, 13, 117, 26});
    EXPECT_RECT(CornerTargetRect(kCornerBottomRight, client, kW), {187, 137, 200, 150});
    EXPECT_RECT(CornerTargetRect(kCornerBottomLeft, client, kW), {0, 137, 13, 150});
    EXPECT_RECT(CornerTargetRect(kCornerNone, client, kW), {0, 0, 0, 0});
}
