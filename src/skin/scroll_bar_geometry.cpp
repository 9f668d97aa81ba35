#include "skin/scroll_bar_geometry.h"

#include <algorithm>
#include <climits>

namespace {

using Wide = long long;

int Saturate(Wide value)
{
    return static_cast<int>(std::clamp<Wide>(value, INT_MIN, INT_MAX));
}

// nPage x track / (R + 1): the thumb's share of the track. A range with
// nMax = nMin - 1 would divide by zero; it gets no share.
Wide ProportionalThumb(Wide track, const ScrollValues& values)
{
    const Wide rangePlusOne = Wide{values.nMax} - values.nMin + 1;
    return rangePlusOne != 0 ? track * values.nPage / rangePlusOne : 0;
}

// R - nPage + 1: how far the position can travel.
Wide ScrollSpan(const ScrollValues& values)
{
    return Wide{values.nMax} - values.nMin - values.nPage + 1;
}

}  // namespace

BarSpan BarLayout::Part(ScrollBarPart part) const
{
    switch (part) {
    case kScrollPartArrow1:
        return {0, arrow};
    case kScrollPartTrackBefore:
        return {arrow, thumb.begin};
    case kScrollPartThumb:
        return thumb;
    case kScrollPartTrackAfter:
        return {thumb.end, length - arrow};
    case kScrollPartArrow2:
        return {length - arrow, length};
    case kScrollPartNone:
        break;
    }
    return {};
}

BarLayout ComputeBarLayout(int length, int thickness, const ScrollValues& values, ThumbRule rule)
{
    const Wide track = std::max<Wide>(Wide{length} - 2 * Wide{thickness}, 0);
    const Wide span = ScrollSpan(values);

    Wide thumbLength = 0;
    if (track >= kMinThumbLength && (rule == ThumbRule::HitTesting || span > 0))
        thumbLength = std::max<Wide>(ProportionalThumb(track, values), kMinThumbLength);

    const Wide position = values.nTrackPos != -1 ? values.nTrackPos : values.nPos;
    const Wide offset = span != 0 ? position * (track - thumbLength) / span : (track - thumbLength) / 2;

    BarLayout layout;
    layout.length = length;
    layout.arrow = track == 0 ? length / 2 : thickness;
    layout.thumb.begin = Saturate(layout.arrow + offset);
    layout.thumb.end = Saturate(layout.arrow + offset + thumbLength);
    return layout;
}

ScrollBarPart HitTestBar(const BarLayout& layout, int along)
{
    if (along < 0)
        return kScrollPartNone;
    if (along < layout.arrow)
        return kScrollPartArrow1;
    if (along < layout.thumb.begin)
        return kScrollPartTrackBefore;
    if (along < layout.thumb.end)
        return kScrollPartThumb;
    if (along < layout.length - layout.arrow)
        return kScrollPartTrackAfter;
    return kScrollPartArrow2;
}

int ThumbDragPosition(int length, int thickness, const ScrollValues& values, int startPos, int delta)
{
    const Wide track = Wide{length} - 2 * Wide{thickness};
    const Wide thumbLength =
        track < kMinThumbLength ? 0 : std::max<Wide>(ProportionalThumb(track, values), kMinThumbLength);
    const Wide move = track != thumbLength ? ScrollSpan(values) * delta / (track - thumbLength) : 0;

    const Wide position = Wide{startPos} + move;
    if (position < values.nMin)
        return values.nMin;
    return Saturate(std::min(position, ScrollSpan(values)));
}

RECT BarSpanRect(BarSpan span, int thickness, bool vertical)
{
    if (vertical)
        return {0, span.begin, thickness, span.end};
    return {span.begin, 0, span.end, thickness};
}

int SkinColumn(ScrollBarPart part, bool vertical)
{
    const int first = vertical ? 0 : 4;
    switch (part) {
    case kScrollPartArrow1:
        return first;
    case kScrollPartArrow2:
        return first + 1;
    case kScrollPartThumb:
        return first + 2;
    case kScrollPartTrackBefore:
    case kScrollPartTrackAfter:
        return first + 3;
    case kScrollPartNone:
        break;
    }
    return -1;
}

SkinCellSize SkinCellSizeOf(int bitmapWidth, int bitmapHeight)
{
    return {bitmapWidth / kSkinColumns, bitmapHeight / kSkinRows};
}

RECT SkinCellRect(SkinCellSize cells, int column, int row)
{
    const int left = column * cells.width;
    const int top = row * cells.height;
    return {left, top, left + cells.width, top + cells.height};
}

RECT SkinSquareRect(SkinCellSize cells, int column)
{
    const int left = column * cells.width;
    return {left, 0, left + cells.width, cells.width};
}
