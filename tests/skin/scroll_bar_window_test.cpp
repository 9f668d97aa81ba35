#include "scroll_window_fixture.h"
#include "skin/pointer_position.h"

using namespace scrolltest;

// The wrapped child is 200 x 150 with a vertical range 0..299, page 100.
// Its skinned bar is 13 x 150: arrows 0..12 and 137..149, a 124-pixel track
// and a 41-pixel thumb that travels 83 pixels for 200 positions (at 0 it
// covers 13..53, at 100 54..94, at 200 96..136).
namespace {

constexpr int kX = 6;
constexpr int kUpArrowY = 5;
constexpr int kDownArrowY = 145;

std::vector<ScrollCall> V(std::initializer_list<std::pair<UINT, UINT>> calls)
{
    std::vector<ScrollCall> result;
    for (const auto& [code, position] : calls)
        result.push_back({WM_VSCROLL, code, position});
    return result;
}

}  // namespace

class SkinnedBarTest : public WrappedWindowTest {
protected:
    void SetUp() override
    {
        WrappedWindowTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(Wrap());
        bar = VBar();
        timers.Take();
    }

    HWND bar = nullptr;
};

TEST_F(SkinnedBarTest, ArrowAndTrackClicksScrollTheWindowByLinesAndPages)
{
    Click(bar, kX, kDownArrowY);
    Click(bar, kX, 100);  // track after the thumb
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}, {SB_PAGEDOWN, 0}}));
    EXPECT_EQ(child.Pos(SB_VERT), 101);
    EXPECT_EQ(BarInfo(bar).nPos, 101);  // read back after every action but a thumb track

    Click(bar, kX, 30);  // track before the thumb, now at 55..95
    Click(bar, kX, kUpArrowY);
    EXPECT_EQ(child.Take(), V({{SB_PAGEUP, 0}, {SB_LINEUP, 0}}));
    EXPECT_EQ(BarInfo(bar).nPos, 0);
}

TEST_F(SkinnedBarTest, DoubleClickOnAnArrowScrollsOneLine)
{
    Click(bar, kX, kDownArrowY);
    ::SendMessageW(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(kX, kDownArrowY));
    Release(bar, kX, kDownArrowY);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}}));
}

TEST_F(SkinnedBarTest, ThumbDragScrollsLiveAndTheTimerLeavesTheThumbAlone)
{
    Press(bar, kX, 20);
    Move(bar, kX, 60);  // 40 pixels: 200 x 40 / 83 = 96
    EXPECT_EQ(child.Take(), V({{SB_THUMBTRACK, 96}}));
    EXPECT_EQ(child.Pos(SB_VERT), 96);

    Fire(Frame(), 100);
    SCROLLINFO info = BarInfo(bar);
    EXPECT_EQ(info.nTrackPos, 96);
    EXPECT_EQ(info.nPos, 0);

    Move(bar, kX + 3, 60);                     // no move along the bar: nothing sent
    ::SendMessageW(bar, WM_MOUSELEAVE, 0, 0);  // leaving the bar is no move to (-1, -1)
    Move(bar, kX, 400);                        // past the end
    Move(bar, kX, -80);                        // before the start
    Move(bar, kX, 61);
    Release(bar, kX, 61);
    EXPECT_EQ(child.Take(), V({{SB_THUMBTRACK, 200}, {SB_THUMBTRACK, 0}, {SB_THUMBTRACK, 98}, {SB_THUMBPOSITION, 98}}));
    info = BarInfo(bar);
    EXPECT_EQ(info.nPos, 98);
    EXPECT_EQ(info.nTrackPos, -1);
}

TEST_F(SkinnedBarTest, HeldArrowRepeatsAfterTheDelayWhileThePointerStaysOnIt)
{
    Press(bar, kX, kDownArrowY);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}}));
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_DELAY, 500}}));

    Fire(bar, IDT_SCROLL_DELAY);
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_DELAY, 0}, {bar, IDT_SCROLL_REPEAT, 100}}));
    Fire(bar, IDT_SCROLL_REPEAT);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}}));

    Move(bar, kX, kUpArrowY);  // off the arrow: the repeat pauses
    Fire(bar, IDT_SCROLL_REPEAT);
    EXPECT_TRUE(child.Take().empty());
    Move(bar, kX, kDownArrowY);
    Fire(bar, IDT_SCROLL_REPEAT);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}}));

    Release(bar, kX, kDownArrowY);
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_REPEAT, 0}}));
    Fire(bar, IDT_SCROLL_REPEAT);
    EXPECT_TRUE(child.Take().empty());
    EXPECT_EQ(child.Pos(SB_VERT), 4);
}

TEST_F(SkinnedBarTest, ReleaseBeforeTheDelayStopsTheDelayAndLeavingCountsAsOffThePart)
{
    Click(bar, kX, kDownArrowY);
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_DELAY, 500}, {bar, IDT_SCROLL_DELAY, 0}}));

    Press(bar, kX, kDownArrowY);
    ::SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
    Fire(bar, IDT_SCROLL_DELAY);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}}));  // the two presses only
    Release(bar, kX, kDownArrowY);
}

TEST_F(SkinnedBarTest, RepeatStopsAtTheEndsOfTheRange)
{
    SetChildScroll(SB_VERT, 0, 3, 0, 2);
    Fire(Frame(), 100);
    Press(bar, kX, kDownArrowY);  // to 3, which is nMax
    Fire(bar, IDT_SCROLL_DELAY);
    Release(bar, kX, kDownArrowY);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}}));
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_DELAY, 500},
                                                     {bar, IDT_SCROLL_DELAY, 0},
                                                     {bar, IDT_SCROLL_REPEAT, 100},
                                                     {bar, IDT_SCROLL_REPEAT, 0},
                                                     {bar, IDT_SCROLL_REPEAT, 0}}));
}

TEST_F(SkinnedBarTest, HeldTrackPagesUntilTheThumbReachesThePointer)
{
    // Where the bar sees the pointer, without moving the shared real one.
    static POINT pointer;
    pointer = {kX, 120};
    ::ClientToScreen(bar, &pointer);
    const ScopedPointerPosition pointerHere([](LPPOINT at) -> BOOL WINAPI {
        *at = pointer;
        return TRUE;
    });

    Press(bar, kX, 120);          // to 100: thumb at 54..94
    Fire(bar, IDT_SCROLL_DELAY);  // to 200: thumb at 96..136, under the pointer
    Fire(bar, IDT_SCROLL_REPEAT);
    Release(bar, kX, 120);
    EXPECT_EQ(child.Take(), V({{SB_PAGEDOWN, 0}, {SB_PAGEDOWN, 0}}));
    EXPECT_EQ(timers.Take().at(3), (TimerCall{bar, IDT_SCROLL_REPEAT, 0}));
}

TEST_F(SkinnedBarTest, PartsShowHoverAndPressedLooks)
{
    EXPECT_EQ(SkinPixelOf(bar, kX, 30).column, 2);  // painted thumb
    EXPECT_EQ(SkinPixelOf(bar, kX, 80).column, 3);  // painted track

    Move(bar, kX, kUpArrowY, 0);
    EXPECT_EQ(SkinPixelOf(bar, kX, kUpArrowY).row, kSkinRowHover);
    Move(bar, kX, 30, 0);
    EXPECT_EQ(SkinPixelOf(bar, kX, kUpArrowY).row, kSkinRowNormal);
    EXPECT_EQ(SkinPixelOf(bar, kX, 30).row, kSkinRowHover);
    ::SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(SkinPixelOf(bar, kX, 30).row, kSkinRowNormal);

    Press(bar, kX, kDownArrowY);
    EXPECT_EQ(SkinPixelOf(bar, kX, kDownArrowY).row, kSkinRowPressed);
    Move(bar, kX, 80);
    EXPECT_EQ(SkinPixelOf(bar, kX, kDownArrowY).row, kSkinRowNormal);
    Release(bar, kX, 80);

    Press(bar, kX, 20);
    Move(bar, kX, 60);                                              // from 1 to 97: thumb at 53..93 in its pressed look
    EXPECT_EQ(SkinPixelOf(bar, kX, 70), (SkinPixel{2, 2, kX, 9}));  // middle rows tiled from 59
    EXPECT_EQ(SkinPixelOf(bar, kX, 30).column, 3);
    Release(bar, kX, 60);
}

TEST_F(SkinnedBarTest, EnablingAndDisablingKeepTheSkin)
{
    // The system bar would draw its own look over the skin on these changes.
    ::EnableWindow(bar, FALSE);
    PumpPending();
    ::UpdateWindow(bar);
    EXPECT_EQ(SkinPixelOf(bar, kX, 80).column, 3);
    EXPECT_EQ(SkinPixelOf(bar, kX, 30).column, 2);
    ::EnableWindow(bar, TRUE);
    PumpPending();
    ::UpdateWindow(bar);
    EXPECT_EQ(SkinPixelOf(bar, kX, 80).column, 3);
    EXPECT_EQ(SkinPixelOf(bar, kX, kUpArrowY).row, kSkinRowNormal);
}

TEST_F(SkinnedBarTest, LosingTheCaptureWhileAnArrowIsHeldStopsItsRepeat)
{
    Press(bar, kX, kDownArrowY);
    ::SetCapture(top.m_hWnd);  // another window takes the mouse before the delay ends
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_DELAY, 500}, {bar, IDT_SCROLL_DELAY, 0}}));
    ::ReleaseCapture();

    Press(bar, kX, kDownArrowY);
    Fire(bar, IDT_SCROLL_DELAY);
    timers.Take();
    ::SetCapture(top.m_hWnd);  // and once the repeat runs
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_REPEAT, 0}}));
    EXPECT_EQ(SkinPixelOf(bar, kX, kDownArrowY).row, kSkinRowNormal);
    ::ReleaseCapture();

    Fire(bar, IDT_SCROLL_REPEAT);  // a tick already queued scrolls no more
    Release(bar, kX, kDownArrowY);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}}));  // two presses, one repeat
    EXPECT_TRUE(timers.Take().empty());
}

TEST_F(SkinnedBarTest, LosingTheCaptureEndsAThumbDragWhereTheThumbStands)
{
    Press(bar, kX, 20);
    Move(bar, kX, 60);
    ::SetCapture(top.m_hWnd);
    EXPECT_EQ(child.Take(), V({{SB_THUMBTRACK, 96}, {SB_THUMBPOSITION, 96}}));
    const SCROLLINFO info = BarInfo(bar);
    EXPECT_EQ(info.nPos, 96);
    EXPECT_EQ(info.nTrackPos, -1);
    ::ReleaseCapture();

    Move(bar, kX, 100, 0);  // the pointer only hovers now
    Release(bar, kX, 100);
    EXPECT_TRUE(child.Take().empty());
}

TEST_F(SkinnedBarTest, CancelModeEndsThePressAndGivesUpTheCapture)
{
    Press(bar, kX, kDownArrowY);
    ASSERT_EQ(::GetCapture(), bar);
    ::SendMessageW(bar, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(timers.Take(), (std::vector<TimerCall>{{bar, IDT_SCROLL_DELAY, 500}, {bar, IDT_SCROLL_DELAY, 0}}));
    Fire(bar, IDT_SCROLL_DELAY);
    Release(bar, kX, kDownArrowY);
    EXPECT_EQ(child.Take(), V({{SB_LINEDOWN, 0}}));
    EXPECT_TRUE(timers.Take().empty());
}
