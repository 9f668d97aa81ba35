#pragma once
// Drawing the parts of a skinned scroll bar from its skin bitmap (a grid of
// 9 x 3 cells, see scroll_bar_geometry.h).

#include "classlib/gdi.h"
#include "skin/scroll_bar_geometry.h"

#include <windows.h>

// Copies `source` of `from` over `target` of `to` again and again, left to
// right and top to bottom from the target's top-left corner; the last
// column and row are cut to the target. Nothing happens when either
// rectangle is empty.
void TileBlock(HDC to, const RECT& target, HDC from, const RECT& source);

// Draws a thumb: the first and last 6 rows of `source` (6 columns for a
// horizontal bar) go to the ends of `target` unscaled, and the source's
// middle is tiled over the target's middle. Nothing happens when the target
// is empty.
void DrawWithEndCaps(HDC to, const RECT& target, HDC from, const RECT& source, bool vertical);

// Draws an arrow: when `target` has the size of `source`, a square as wide
// as the source is copied from the source's top; otherwise the whole source
// is stretched into the target.
void DrawArrowBlock(HDC to, const RECT& target, HDC from, const RECT& source);

// The parts of one bar drawn into `target` (the bar's client area) with the
// skin selected into a memory device context of its own.
class ScrollBarPainter {
public:
    ScrollBarPainter(CDC& target, HBITMAP skin, SkinCellSize cells, bool vertical);
    ScrollBarPainter(const ScrollBarPainter&) = delete;
    ScrollBarPainter& operator=(const ScrollBarPainter&) = delete;

    // The whole bar from the squares at the top of the grid's first row.
    void PaintAll(const BarLayout& layout);
    // The track before the thumb, the thumb and the track after it, from the
    // whole cells of the first row; the arrows are left alone.
    void RedrawTrackAndThumb(const BarLayout& layout);

    // An arrow in a state (SkinRow), from the whole cell of that row.
    void DrawArrow(ScrollBarPart arrow, const BarLayout& layout, int row);
    // The thumb over `span` from the whole cell of `row`.
    void DrawThumb(BarSpan span, int row);
    // The track's whole first-row cell tiled over `span`.
    void TileTrackCell(BarSpan span);
    // The track's square (the top of its first-row cell) tiled over `span`.
    void TileTrackSquare(BarSpan span);

private:
    RECT Along(BarSpan span) const { return BarSpanRect(span, m_cells.width, m_vertical); }
    int Column(ScrollBarPart part) const { return SkinColumn(part, m_vertical); }

    CDC& m_target;
    CDC m_skinDc;
    ScopedSelectObject m_select;
    SkinCellSize m_cells;
    bool m_vertical;
};
