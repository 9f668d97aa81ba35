#include "skin/marker_geometry.h"

#include <algorithm>
#include <cstdint>

namespace {

int Clamp(std::int64_t value, int low, int high)
{
    if (high < low)
        return low;
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

// minimum + offset * (maximum - minimum) / span, clamped to the range. A
// slider without extent picks its minimum instead of dividing by zero.
int PositionAlong(std::int64_t offset, int span, int minimum, int maximum)
{
    if (span <= 0)
        return Clamp(minimum, minimum, maximum);
    const std::int64_t range = static_cast<std::int64_t>(maximum) - minimum;
    return Clamp(minimum + offset * range / span, minimum, maximum);
}

}  // namespace

int MarkerFillLength(int length, int position, int minimum, int maximum)
{
    if (length <= 0)
        return 0;
    const std::int64_t steps = static_cast<std::int64_t>(maximum) - minimum - 1;
    const std::int64_t above = static_cast<std::int64_t>(position) - minimum;
    // A range of fewer than three values has no step size: show the fill
    // whole above the minimum rather than divide by zero.
    if (steps <= 0)
        return above > 0 ? length : 0;
    return Clamp(length * above / steps, 0, length);
}

int MarkerFillWithThumb(int length, int thumb, int position, int minimum, int maximum)
{
    const int fill = MarkerFillLength(length, position, minimum, maximum);
    if (position < minimum)
        return fill;
    return std::max(fill, std::clamp(thumb, 0, std::max(length, 0)));
}

int MarkerPositionFromX(int x, int left, int right, int minimum, int maximum)
{
    const int from = std::max(x, left);
    return PositionAlong(static_cast<std::int64_t>(from) - left, right - left, minimum, maximum);
}

int MarkerPositionFromY(int y, int top, int bottom, int minimum, int maximum)
{
    const int from = std::min(y, bottom);
    return PositionAlong(static_cast<std::int64_t>(bottom) - from, bottom - top, minimum, maximum);
}

int MarkerPositionForValue(int value, int minimum, int maximum)
{
    return (value >= minimum && value <= maximum) ? value : minimum;
}

PictureReach ReachOfPicture(RECT part, POINT from, SIZE picture)
{
    const auto inside = [](std::int64_t edge, LONG low, LONG high) {
        return high < low ? low : static_cast<LONG>(std::clamp<std::int64_t>(edge, low, high));
    };
    const LONG reachRight = inside(std::int64_t{part.left} + picture.cx - from.x, part.left, part.right);
    const LONG reachBottom = inside(std::int64_t{part.top} + picture.cy - from.y, part.top, part.bottom);
    return {
        {part.left, part.top, reachRight, reachBottom},
        {reachRight, part.top, std::max(part.right, reachRight), std::max(part.bottom, part.top)},
        {part.left, reachBottom, reachRight, std::max(part.bottom, reachBottom)},
    };
}
