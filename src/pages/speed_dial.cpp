#include "pages/speed_dial.h"

#include "model/pointer_setting_ranges.h"

#include <cmath>
#include <cstdlib>

namespace {

// Degrees per radian as the dial has always counted them (a hair more than
// 180 / pi, so an exact multiple of 18 degrees lands on the higher level).
constexpr double kDegreesPerRadian = 57.295780490442965;

// The angle of a point on the upper half, from its offset to the centre
// (dy <= 0).
double DialAngle(int dx, int dy)
{
    const double across = std::abs(dx);
    const double up = std::abs(dy);
    if (dx > 0)
        return std::atan2(up, across) * kDegreesPerRadian;
    if (dx == 0)
        return 90.0;
    const double angle = 90.0 + std::atan2(across, up) * kDegreesPerRadian;
    return angle >= 175.0 ? 185.0 : angle;
}

}  // namespace

SpeedDialClick ClickSpeedDial(POINT point, uint8_t current)
{
    const int dx = point.x - kSpeedDialRect.left - kSpeedDialRadius;
    const int dy = point.y - kSpeedDialRect.top - kSpeedDialRadius;
    SpeedDialClick click;
    if (dy > 0) {
        click.ignored = true;
        click.level = current;
        return click;
    }

    uint8_t level = current;
    const double r = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (r >= kSpeedDialInnerRadius && r <= kSpeedDialRadius) {
        const double angle = DialAngle(dx, dy);
        click.angle = angle;
        level = static_cast<uint8_t>(static_cast<int>(12.0 - angle / 18.0));
    }
    if (level <= kMinSpeedLevel)
        level = kMinSpeedLevel;
    else if (level > kMaxSpeedLevel)
        level = kMaxSpeedLevel;
    click.level = level;
    return click;
}
