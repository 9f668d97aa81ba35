#include "pages/panel_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// The page pictures of the skin, by section (pointer speed and double-click
// share one).
const PageSizes kPages{{{247, 230}, {247, 308}, {247, 134}, {247, 110}, {247, 110}, {247, 70}, {247, 52}}};

std::vector<int> Tops(const HeaderRects& headers)
{
    std::vector<int> tops;
    for (const RECT& r : headers)
        tops.push_back(r.top);
    return tops;
}

// The panel's own order of work for one toggle: the end of the toggled
// section, then everything below it.
void Toggle(HeaderRects& headers, SectionFlags& collapsed, int& total, int section, int collapse)
{
    const auto k = static_cast<size_t>(section);
    collapsed[k] = collapse;
    total = SectionsTotalAfterToggle(total, kPages[k].cy, collapse != 0);
    const int end = collapse ? headers[k].bottom : PageRectUnder(headers[k], kPages[k]).bottom;
    RestackSectionsBelow(headers, section, end, collapsed, kPages);
}

// Every header stands 5 pixels below the end of the section above it, keeps
// its size, and the total counts headers and open pages.
void ExpectStacked(const HeaderRects& headers, const SectionFlags& collapsed, int total, int firstTop)
{
    int end = firstTop - kSectionGap;
    for (size_t j = 0; j < headers.size(); ++j) {
        SCOPED_TRACE("section " + std::to_string(j));
        EXPECT_EQ(headers[j].top, end + kSectionGap);
        EXPECT_EQ(headers[j].bottom - headers[j].top, kHeaderHeight);
        EXPECT_EQ(headers[j].left, 0);
        EXPECT_EQ(headers[j].right, kHeaderWidth);
        end = collapsed[j] ? headers[j].bottom : PageRectUnder(headers[j], kPages[j]).bottom;
    }
    EXPECT_EQ(total, SectionsTotal(headers, collapsed, kPages));
}

}  // namespace

TEST(PanelSections, HeadersStartFivePixelsApartAndEverythingCollapsedTotals140)
{
    const HeaderRects headers = InitialHeaderRects();
    EXPECT_EQ(Tops(headers), (std::vector<int>{2, 27, 52, 77, 102, 127, 152}));
    const SectionFlags collapsed{1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(SectionsTotal(headers, collapsed, kPages), 140);
    EXPECT_EQ(ContentHeightForTotal(140), 563);
    EXPECT_EQ(ContentHeightForTotal(1224), 1224);
}

TEST(PanelSections, OpeningASectionMovesTheLaterHeadersByItsPageAndClosingPutsThemBack)
{
    for (int k = 0; k < kSectionCount; ++k) {
        SCOPED_TRACE("section " + std::to_string(k));
        HeaderRects headers = InitialHeaderRects();
        SectionFlags collapsed{1, 1, 1, 1, 1, 1, 1};
        int total = 140;

        Toggle(headers, collapsed, total, k, 0);
        ExpectStacked(headers, collapsed, total, 2);
        const int height = kPages[static_cast<size_t>(k)].cy;
        EXPECT_EQ(total, 140 + height + 10);
        for (int j = 0; j < kSectionCount; ++j)
            EXPECT_EQ(headers[static_cast<size_t>(j)].top, 2 + 25 * j + (j > k ? height : 0)) << j;

        Toggle(headers, collapsed, total, k, 1);
        EXPECT_EQ(Tops(headers), Tops(InitialHeaderRects()));
        EXPECT_EQ(total, 140);
    }
}

TEST(PanelSections, ManyOpenSectionsStackAndRepeatedTogglesNeverGrowTheTotal)
{
    HeaderRects headers = InitialHeaderRects();
    SectionFlags collapsed{1, 1, 1, 1, 1, 1, 1};
    int total = 140;
    for (int k : {5, 1, 3, 0, 6, 2, 4}) {
        Toggle(headers, collapsed, total, k, 0);
        ExpectStacked(headers, collapsed, total, 2);
    }
    EXPECT_EQ(total, 140 + 1014 + 70);  // every page open
    for (int round = 0; round < 5; ++round) {
        Toggle(headers, collapsed, total, 1, 1);
        Toggle(headers, collapsed, total, 1, 0);
    }
    EXPECT_EQ(total, 1224);
    ExpectStacked(headers, collapsed, total, 2);
}

TEST(PanelSections, ScrolledContentStacksFromWhereTheSectionsReallyStand)
{
    // Content scrolled up by 100: the headers stand 100 pixels higher.
    HeaderRects headers = InitialHeaderRects();
    for (RECT& r : headers) {
        r.top -= 100;
        r.bottom -= 100;
    }
    SectionFlags collapsed{1, 1, 1, 1, 1, 1, 1};
    int total = 140;
    Toggle(headers, collapsed, total, 2, 0);
    ExpectStacked(headers, collapsed, total, -98);
    EXPECT_EQ(headers[3].top, 77 - 100 + 134);
}

TEST(PanelSections, APageWithoutAPictureAddsOnlyItsAllowance)
{
    PageSizes pages = kPages;
    pages[2] = {0, 0};
    HeaderRects headers = InitialHeaderRects();
    SectionFlags collapsed{1, 1, 1, 1, 1, 1, 1};
    collapsed[2] = 0;
    RestackSectionsBelow(headers, 2, PageRectUnder(headers[2], pages[2]).bottom, collapsed, pages);
    EXPECT_EQ(Tops(headers), Tops(InitialHeaderRects()));
    EXPECT_EQ(SectionsTotal(headers, collapsed, pages), 150);
}

TEST(PanelScrollRange, VisibleHeightCountsTheRoomOfAHorizontalBarOnlyWhenTheWindowHasIt)
{
    struct Row {
        RECT window, client;
        int expected;
    };
    const Row rows[] = {
        {{0, 0, 260, 561}, {0, 0, 247, 561}, 561},  // wrapped: the window ends at the client's bottom
        {{0, 0, 264, 578}, {0, 0, 247, 561}, 578},  // room for a bar below the client
        {{0, 0, 264, 570}, {0, 0, 247, 561}, 561},  // not enough room
    };
    for (const Row& r : rows)
        EXPECT_EQ(VisibleScrollHeight(r.window, r.client, 17), r.expected);
}

TEST(PanelScrollRange, PagePositionAndShiftForEachChange)
{
    struct Row {
        const char* what;
        int visible, content, oldPage, position, barPosition;
        ScrollRangeInfo expected;  // page, position, maximum, shift
    };
    const Row rows[] = {
        {"everything fits", 600, 563, 561, 0, 0, {0, 0, 0, 0}},
        {"fits again while scrolled: back to the top", 800, 698, 561, 100, 100, {0, 0, 0, 100}},
        {"first range, content just taller", 561, 563, 0, 0, 0, {561, 0, 562, 0}},
        {"past the visible height", 561, 698, 561, 0, 0, {561, 0, 697, 0}},
        {"smaller window scales the position", 400, 698, 561, 137, 137, {400, 97, 697, 40}},
        {"content shrank under the position", 561, 563, 561, 137, 137, {561, 1, 562, 136}},
        {"no old page: position kept", 400, 1224, 0, 300, 300, {400, 300, 1223, 0}},
    };
    for (const Row& r : rows) {
        const ScrollRangeInfo got = ComputeScrollRangeInfo(r.visible, r.content, r.oldPage, r.position, r.barPosition);
        EXPECT_EQ(got.page, r.expected.page) << r.what;
        EXPECT_EQ(got.position, r.expected.position) << r.what;
        EXPECT_EQ(got.maximum, r.expected.maximum) << r.what;
        EXPECT_EQ(got.shift, r.expected.shift) << r.what;
    }
}

TEST(PanelScrollStep, DeltaOfEachCodeStaysInsideTheContent)
{
    // Content 698 in a 561-pixel page: positions 0..137.
    struct Row {
        const char* what;
        UINT code;
        int thumb, position, expected;
    };
    const Row rows[] = {
        {"line down", SB_LINEDOWN, 0, 0, 60},
        {"line down at the end stops there", SB_LINEDOWN, 0, 100, 37},
        {"line down past the end", SB_LINEDOWN, 0, 137, 0},
        {"line up from 30 moves 30", SB_LINEUP, 0, 30, -30},
        {"line up", SB_LINEUP, 0, 100, -60},
        {"page down", SB_PAGEDOWN, 0, 0, 137},
        {"page up", SB_PAGEUP, 0, 137, -137},
        {"thumb track", SB_THUMBTRACK, 90, 20, 70},
        {"thumb position past the end", SB_THUMBPOSITION, 500, 20, 117},
        {"end of scrolling", SB_ENDSCROLL, 0, 40, 0},
        {"to the top", SB_TOP, 0, 40, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ScrollDeltaFor(r.code, r.thumb, r.position, 561, 698), r.expected) << r.what;
}

TEST(PanelScrollStep, NothingMovesWhileThePageIsZero)
{
    // A page of 0 means everything fits (or no range was set yet).
    for (UINT code : {SB_LINEDOWN, SB_PAGEDOWN, SB_THUMBTRACK, SB_LINEUP}) {
        EXPECT_EQ(ScrollDeltaFor(code, 300, 0, 0, 563), 0) << code;
        EXPECT_EQ(ScrollDeltaFor(code, 300, 0, 0, 0), 0) << code;
    }
    EXPECT_EQ(ScrollDeltaFor(SB_LINEUP, 0, 40, 0, 563), -40);  // a stale position goes back to 0
}

TEST(PanelWheel, StepsOfOneMessage)
{
    struct Row {
        const char* what;
        short delta;
        UINT lines;
        WheelScroll expected;
    };
    const Row rows[] = {
        {"one notch, 3 lines: one step", 120, 3, {SB_LINEUP, 1}},
        {"one notch down", -120, 3, {SB_LINEDOWN, 1}},
        {"two notches at once, 3 lines", -240, 3, {SB_LINEDOWN, 2}},
        {"one notch, 10 lines", 120, 10, {SB_LINEUP, 3}},
        {"fine wheel still one step", 30, 3, {SB_LINEUP, 1}},
        {"fine wheel down", -30, 3, {SB_LINEDOWN, 1}},
        {"no lines set: one step", -120, 0, {SB_LINEDOWN, 1}},
        {"zero delta counts as down", 0, 3, {SB_LINEDOWN, 1}},
        {"page scrolling, one notch", 120, WHEEL_PAGESCROLL, {SB_PAGEUP, 1}},
        {"page scrolling, fine wheel", -30, WHEEL_PAGESCROLL, {SB_PAGEDOWN, 1}},
        {"page scrolling, many notches", -1200, WHEEL_PAGESCROLL, {SB_PAGEDOWN, 1}},
        {"largest delta, absurd lines: no overflow", SHRT_MIN, 0xFFFFFFF0u, {SB_LINEDOWN, INT_MAX}},
    };
    for (const Row& r : rows) {
        const WheelScroll got = WheelScrollFor(r.delta, r.lines);
        EXPECT_EQ(got.code, r.expected.code) << r.what;
        EXPECT_EQ(got.steps, r.expected.steps) << r.what;
    }
}
