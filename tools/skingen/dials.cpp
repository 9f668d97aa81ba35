#include "dials.h"

#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace skingen {

namespace {

constexpr double kPi = std::numbers::pi;

// The ring's and the dial's radii.
constexpr float kRingInner = 37.0f;
constexpr float kRingOuter = 60.0f;
constexpr float kRingGap = 3.0f;  // degrees, centred on each axis
constexpr float kDialInner = 44.0f;
constexpr float kDialOuter = 70.0f;
constexpr float kDialGap = 1.5f;

// An annular sector in angles counted counter-clockwise from the right
// (y up), the way the pages measure them.
struct Sector {
    float inner, outer;
    float from, to;  // degrees, from < to
};

// Distance in pixels from a point to the sector; 0 inside it.
double distanceTo(const Sector& s, double dx, double dy)
{
    const double r = std::hypot(dx, dy);
    const double middle = (s.from + s.to) / 2.0;
    double angle = std::atan2(-dy, dx) * 180.0 / kPi;
    while (angle < middle - 180.0) {
        angle += 360.0;
    }
    while (angle >= middle + 180.0) {
        angle -= 360.0;
    }
    const double radial = std::max({0.0, s.inner - r, r - s.outer});
    double along = 0.0;
    if (angle < s.from) {
        along = (s.from - angle) * kPi / 180.0 * r;
    } else if (angle > s.to) {
        along = (angle - s.to) * kPi / 180.0 * r;
    }
    return std::hypot(radial, along);
}

// Fills a sector with a colour per point and an optional soft glow round it.
void paintSector(Canvas& canvas, PointF centre, const Sector& s,
                 const std::function<Rgb(double angle, double r)>& colour, float glowWidth, std::uint8_t glowAlpha)
{
    canvas.shade(RectF(0.0f, 0.0f, static_cast<float>(canvas.width()), static_cast<float>(canvas.height())),
                 [=](double x, double y) {
                     const double dx = x - centre.X;
                     const double dy = y - centre.Y;
                     const double d = distanceTo(s, dx, dy);
                     if (d <= 0.0) {
                         return Rgba(colour(std::atan2(-dy, dx) * 180.0 / kPi, std::hypot(dx, dy)), 255);
                     }
                     if (d >= glowWidth) {
                         return kTransparent;
                     }
                     const double t = 1.0 - d / glowWidth;
                     return Rgba(pal::kGlow, static_cast<std::uint8_t>(glowAlpha * t * t));
                 });
}

Sector quarterSector(int quarter, float inner, float outer)
{
    // Quarter 0 is the upper right (0 .. 90 degrees); the rest follow
    // clockwise on screen.
    const float from = std::fmod(360.0f - 90.0f * static_cast<float>(quarter), 360.0f);
    return {inner, outer, from + kRingGap / 2, from + 90.0f - kRingGap / 2};
}

// Level n's wedge: 18(11 - n) .. 18(12 - n) degrees, except that level 2
// ends at 175 and level 1 is 175 .. 180.
Sector levelSector(int level)
{
    float from = 18.0f * static_cast<float>(11 - level);
    float to = 18.0f * static_cast<float>(12 - level);
    if (level == 2) {
        to = 175.0f;
    } else if (level == 1) {
        from = 175.0f;
        to = 180.0f;
    }
    return {kDialInner, kDialOuter, from + kDialGap / 2, to - kDialGap / 2};
}

Rgb dimShade(double r, float inner, float outer)
{
    // Slightly darker towards the inner edge, like a shallow channel.
    const double t = std::clamp((r - inner) / (outer - inner), 0.0, 1.0);
    return mix(pal::kFaceBottom, pal::kFaceTop, t);
}

}  // namespace

void drawRateRingTrack(Canvas& canvas, PointF centre)
{
    for (int quarter = 0; quarter < 4; ++quarter) {
        paintSector(
            canvas, centre, quarterSector(quarter, kRingInner, kRingOuter),
            [](double, double r) { return dimShade(r, kRingInner, kRingOuter); }, 0.0f, 0);
    }
}

void drawRateQuarter(Canvas& canvas, RateQuarter quarter)
{
    const PointF centre(64.0f, 61.0f);
    paintSector(
        canvas, centre, quarterSector(static_cast<int>(quarter), kRingInner, kRingOuter),
        [](double, double r) {
            const double t = std::clamp((r - kRingInner) / (kRingOuter - kRingInner), 0.0, 1.0);
            return mix(pal::kCrimson, pal::kRedHi, 0.15 + 0.85 * t);
        },
        3.0f, 90);
}

void drawSpeedDialTrack(Canvas& canvas, PointF centre)
{
    for (int level = 1; level <= 11; ++level) {
        paintSector(
            canvas, centre, levelSector(level), [](double, double r) { return dimShade(r, kDialInner, kDialOuter); },
            0.0f, 0);
    }
    Gdiplus::GraphicsPath hub;
    addEllipse(hub, centre, 4.0f, 4.0f);
    fillPath(canvas, hub, Rgba(pal::kCrimson));
    Gdiplus::GraphicsPath hubLight;
    addEllipse(hubLight, centre, 1.8f, 1.8f);
    fillPath(canvas, hubLight, Rgba(pal::kRedHi));
}

void drawSpeedLevel(Canvas& canvas, int level)
{
    if (level < 1 || level > 11) {
        throw std::invalid_argument("speed levels are 1 to 11");
    }
    const PointF centre(71.0f, 71.0f);
    // Crimson at the slow end brightening to red-hi at the chosen level.
    const float slowEnd = 180.0f;
    const float litEnd = levelSector(level).from;
    for (int n = 1; n <= level; ++n) {
        paintSector(
            canvas, centre, levelSector(n),
            [=](double angle, double) {
                const double t = level == 1 ? 1.0 : std::clamp((slowEnd - angle) / (slowEnd - litEnd), 0.0, 1.0);
                return mix(pal::kCrimsonDark, pal::kRedHi, 0.25 + 0.75 * t);
            },
            0.0f, 0);
    }
}

}  // namespace skingen
