#include "skin/scroll_bar_paint.h"

#include <algorithm>

namespace {

// The rows (columns) at each end of a thumb that are never tiled.
constexpr int kThumbCap = 6;

int Width(const RECT& r)
{
    return r.right - r.left;
}
int Height(const RECT& r)
{
    return r.bottom - r.top;
}

CDC MemoryDcFor(CDC& target)
{
    CDC dc;
    dc.CreateCompatibleDC(&target);
    return dc;
}

}  // namespace

void TileBlock(HDC to, const RECT& target, HDC from, const RECT& source)
{
    const int blockWidth = Width(source);
    const int blockHeight = Height(source);
    if (blockWidth <= 0 || blockHeight <= 0)
        return;
    for (int y = target.top; y < target.bottom; y += blockHeight) {
        const int height = std::min(blockHeight, static_cast<int>(target.bottom) - y);
        for (int x = target.left; x < target.right; x += blockWidth) {
            const int width = std::min(blockWidth, static_cast<int>(target.right) - x);
            ::BitBlt(to, x, y, width, height, from, source.left, source.top, SRCCOPY);
        }
    }
}

void DrawWithEndCaps(HDC to, const RECT& target, HDC from, const RECT& source, bool vertical)
{
    if (Width(target) <= 0 || Height(target) <= 0)
        return;
    if (vertical) {
        const int width = std::min(Width(source), Width(target));
        ::BitBlt(to, target.left, target.top, width, kThumbCap, from, source.left, source.top, SRCCOPY);
        ::BitBlt(to, target.left, target.bottom - kThumbCap, width, kThumbCap, from, source.left,
                 source.bottom - kThumbCap, SRCCOPY);
        TileBlock(to, {target.left, target.top + kThumbCap, target.right, target.bottom - kThumbCap}, from,
                  {source.left, source.top + kThumbCap, source.right, source.bottom - kThumbCap});
    } else {
        const int height = std::min(Height(source), Height(target));
        ::BitBlt(to, target.left, target.top, kThumbCap, height, from, source.left, source.top, SRCCOPY);
        ::BitBlt(to, target.right - kThumbCap, target.top, kThumbCap, height, from, source.right - kThumbCap,
                 source.top, SRCCOPY);
        TileBlock(to, {target.left + kThumbCap, target.top, target.right - kThumbCap, target.bottom}, from,
                  {source.left + kThumbCap, source.top, source.right - kThumbCap, source.bottom});
    }
}

void DrawArrowBlock(HDC to, const RECT& target, HDC from, const RECT& source)
{
    if (Width(target) == Width(source) && Height(target) == Height(source)) {
        const int side = Width(source);
        ::BitBlt(to, target.left, target.top, side, side, from, source.left, source.top, SRCCOPY);
    } else {
        ::StretchBlt(to, target.left, target.top, Width(target), Height(target), from, source.left, source.top,
                     Width(source), Height(source), SRCCOPY);
    }
}

ScrollBarPainter::ScrollBarPainter(CDC& target, HBITMAP skin, SkinCellSize cells, bool vertical)
    : m_target(target), m_skinDc(MemoryDcFor(target)), m_select(m_skinDc.m_hDC, skin), m_cells(cells),
      m_vertical(vertical)
{}

void ScrollBarPainter::PaintAll(const BarLayout& layout)
{
    for (ScrollBarPart arrow : {kScrollPartArrow1, kScrollPartArrow2})
        DrawArrowBlock(m_target, Along(layout.Part(arrow)), m_skinDc, SkinSquareRect(m_cells, Column(arrow)));
    DrawWithEndCaps(m_target, Along(layout.thumb), m_skinDc, SkinSquareRect(m_cells, Column(kScrollPartThumb)),
                    m_vertical);
    TileTrackSquare(layout.Part(kScrollPartTrackBefore));
    TileTrackSquare(layout.Part(kScrollPartTrackAfter));
}

void ScrollBarPainter::RedrawTrackAndThumb(const BarLayout& layout)
{
    TileTrackCell(layout.Part(kScrollPartTrackBefore));
    DrawThumb(layout.thumb, kSkinRowNormal);
    TileTrackCell(layout.Part(kScrollPartTrackAfter));
}

void ScrollBarPainter::DrawArrow(ScrollBarPart arrow, const BarLayout& layout, int row)
{
    DrawArrowBlock(m_target, Along(layout.Part(arrow)), m_skinDc, SkinCellRect(m_cells, Column(arrow), row));
}

void ScrollBarPainter::DrawThumb(BarSpan span, int row)
{
    DrawWithEndCaps(m_target, Along(span), m_skinDc, SkinCellRect(m_cells, Column(kScrollPartThumb), row), m_vertical);
}

void ScrollBarPainter::TileTrackCell(BarSpan span)
{
    TileBlock(m_target, Along(span), m_skinDc, SkinCellRect(m_cells, Column(kScrollPartTrackBefore), kSkinRowNormal));
}

void ScrollBarPainter::TileTrackSquare(BarSpan span)
{
    TileBlock(m_target, Along(span), m_skinDc, SkinSquareRect(m_cells, Column(kScrollPartTrackBefore)));
}
