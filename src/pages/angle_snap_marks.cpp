#include "pages/angle_snap_marks.h"

std::optional<uint8_t> AngleSnappingAt(POINT point)
{
    if (::PtInRect(&kAngleSnapOffMark, point))
        return uint8_t{0};
    if (::PtInRect(&kAngleSnapOnMark, point))
        return uint8_t{1};
    return std::nullopt;
}
