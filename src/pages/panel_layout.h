#pragma once
// The arithmetic of the settings panel: where its seven section headers and
// pages stand after a section opens or closes, how tall the scrollable
// content is, the scroll range that follows from the visible height, how far
// one scroll message moves the content, and how many steps a wheel message
// takes. The panel window applies these to its real windows.

#include <windows.h>

#include <array>

constexpr int kSectionCount = 7;
// The sections from the top: DPI stages, lighting, report rate, pointer
// speed, double-click speed, wheel scrolling, angle snapping.
enum PanelSection : int {
    kSectionDpi = 0,
    kSectionLighting,
    kSectionReportRate,
    kSectionMouseSpeed,
    kSectionDoubleClick,
    kSectionWheelSpeed,
    kSectionAngleSnap,
};

// The page pictures that give the pages their sizes; the pointer-speed and
// double-click pages share one.
constexpr int kPageImageCount = 6;
// The picture index of the page of `section`.
int PageImageOfSection(int section);

constexpr int kHeaderWidth = 242;
constexpr int kHeaderHeight = 20;
// Space between a header and whatever stands above it.
constexpr int kSectionGap = 5;
// What an open page adds to the content beyond its own height.
constexpr int kOpenPageAllowance = 10;
// The content is never shorter than this, whatever is open.
constexpr int kMinContentHeight = 563;
// One line of scrolling, in pixels.
constexpr int kScrollLineStep = 60;

using HeaderRects = std::array<RECT, kSectionCount>;
using SectionFlags = std::array<int, kSectionCount>;  // 1 = collapsed
using PageSizes = std::array<SIZE, kSectionCount>;    // by section

// The headers as created: 242 x 20 each, 5 pixels apart from y 2.
HeaderRects InitialHeaderRects();

// The sum of the header heights plus, for each open section, its page
// height and the allowance.
int SectionsTotal(const HeaderRects& headers, const SectionFlags& collapsed, const PageSizes& pages);
// The running total after section with a page `pageHeight` tall opens or closes.
int SectionsTotalAfterToggle(int total, int pageHeight, bool collapse);
int ContentHeightForTotal(int sectionsTotal);

// Where the page of a section goes under its header: same left edge, top at
// the header's bottom, the page picture's size.
RECT PageRectUnder(const RECT& header, SIZE page);

// Moves the headers of the sections after `section` so that each stands 5
// pixels below the end of the section above it, starting from `sectionEnd`,
// the bottom of the element that ends `section` (its page when open, else its
// header). Heights, lefts and rights are kept; earlier headers are left alone.
void RestackSectionsBelow(HeaderRects& headers, int section, int sectionEnd, const SectionFlags& collapsed,
                          const PageSizes& pages);

// The height the content shows in: the client rectangle's height, extended
// by a horizontal system bar's height (`cyHScroll`) where the window has room
// for one below it. `window` is the window rectangle in client coordinates.
int VisibleScrollHeight(const RECT& window, const RECT& client, int cyHScroll);

// What the vertical bar takes after the visible height or the content height
// changed.
struct ScrollRangeInfo {
    int page = 0;      // 0 while everything fits
    int position = 0;  // the new scroll position
    int maximum = 0;   // the range is 0..maximum
    int shift = 0;     // how far to scroll the content down (negative: up)
};
// `oldPage` is the page before the change, `position` the panel's scroll
// position and `barPosition` the bar's current one.
ScrollRangeInfo ComputeScrollRangeInfo(int visibleHeight, int contentHeight, int oldPage, int position,
                                       int barPosition);

// How far a scroll message with `code` moves the content, already kept
// within 0..the highest position; 0 for codes that do not scroll. While the
// page is 0 everything fits and nothing moves.
int ScrollDeltaFor(UINT code, int thumbPosition, int scrollPos, int pageHeight, int contentHeight);

// What one wheel message does: `steps` scroll messages with `code`.
struct WheelScroll {
    UINT code = SB_LINEDOWN;
    int steps = 0;
};
// `wheelDelta` is the message's signed delta, `wheelLines` the system's
// wheel setting (WHEEL_PAGESCROLL for page scrolling). Steps past the end
// of the content change nothing, so a caller may stop at the first one that
// does not move.
WheelScroll WheelScrollFor(short wheelDelta, UINT wheelLines);
