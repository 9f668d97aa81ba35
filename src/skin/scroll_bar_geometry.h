#pragma once
// The arithmetic of the skinned scroll bar: where its arrows, track and
// thumb lie for a given length and scroll information, which part a point
// hits, where a thumb drag lands, and which skin cell draws which part.
// Everything is computed in 64 bits and truncates toward zero.

#include <windows.h>

// The parts of the bar, each numbered by the scroll code a press on it sends.
enum ScrollBarPart : int {
    kScrollPartNone = -1,
    kScrollPartArrow1 = SB_LINEUP,        // up or left arrow
    kScrollPartArrow2 = SB_LINEDOWN,      // down or right arrow
    kScrollPartTrackBefore = SB_PAGEUP,   // track between arrow 1 and the thumb
    kScrollPartTrackAfter = SB_PAGEDOWN,  // track between the thumb and arrow 2
    kScrollPartThumb = SB_THUMBTRACK,
};

// The scroll information the bar keeps, as its owner sets it.
struct ScrollValues {
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = -1;  // the thumb's place during a drag, -1 otherwise
};

// A thumb is never drawn or hit shorter than this.
constexpr int kMinThumbLength = 12;

// Drawing shows no thumb when nothing can scroll (the page covers the whole
// range); hit testing keeps one as long as the track has room for it.
enum class ThumbRule { Drawing, HitTesting };

// An interval along the bar, [begin, end).
struct BarSpan {
    int begin = 0;
    int end = 0;

    int Length() const { return end - begin; }
    bool Contains(int along) const { return along >= begin && along < end; }
    friend bool operator==(const BarSpan&, const BarSpan&) = default;
};

// The parts of a bar along its length: y for a vertical bar, x for a
// horizontal one.
struct BarLayout {
    int length = 0;  // the whole bar
    int arrow = 0;   // the length of each arrow
    BarSpan thumb;

    BarSpan Part(ScrollBarPart part) const;
};

// The layout of a bar `length` pixels long and `thickness` (the skin's cell
// width) across. The thumb sits at the track position while a drag runs,
// else at nPos; its offset along the track is scaled from the position
// itself, not from position - nMin.
BarLayout ComputeBarLayout(int length, int thickness, const ScrollValues& values, ThumbRule rule);

// The part under `along`, a coordinate along the bar; none before its start.
// Points past the end count as arrow 2.
ScrollBarPart HitTestBar(const BarLayout& layout, int along);

// The position a thumb drag reaches after the pointer moved `delta` pixels
// along the bar since the drag started at `startPos`. The result is at least
// nMin and at most nMax - nMin - nPage + 1.
int ThumbDragPosition(int length, int thickness, const ScrollValues& values, int startPos, int delta);

// The rectangle of an interval along a bar `thickness` pixels across, in
// the bar's client coordinates.
RECT BarSpanRect(BarSpan span, int thickness, bool vertical);

// The skin holds a grid of 9 columns and 3 rows of cells; these are the
// columns and rows.
constexpr int kSkinColumns = 9;
constexpr int kSkinRows = 3;
constexpr int kSkinCornerColumn = 8;
enum SkinRow : int { kSkinRowNormal = 0, kSkinRowHover = 1, kSkinRowPressed = 2 };

// The grid column that draws `part` (the two track parts share one).
int SkinColumn(ScrollBarPart part, bool vertical);

// The cell size of a skin bitmap W x H pixels.
struct SkinCellSize {
    int width = 0;   // W / 9, also the thickness of the bars
    int height = 0;  // H / 3
};
SkinCellSize SkinCellSizeOf(int bitmapWidth, int bitmapHeight);

// The whole cell of `column` in `row` (width x height) and the square at
// the top of a column's first row (width x width).
RECT SkinCellRect(SkinCellSize cells, int column, int row);
RECT SkinSquareRect(SkinCellSize cells, int column);
