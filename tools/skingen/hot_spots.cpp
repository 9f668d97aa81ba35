#include "hot_spots.h"

#include "shapes.h"
#include "stroke_font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace skingen {

namespace {

struct Point {
    int x, y;
};

// Window coordinates of the main window: the canvas's top-left, the badge's
// top-left (20 x 20) and the target pixel on the button.
struct HotSpotLayout {
    Point canvas;
    Point badge;
    Point target;
};

constexpr std::array<HotSpotLayout, 7> kFront{{
    {{370, 102}, {370, 102}, {460, 112}},
    {{560, 102}, {634, 102}, {564, 112}},
    {{505, 175}, {634, 175}, {512, 185}},
    {{350, 222}, {370, 222}, {408, 232}},
    {{355, 275}, {370, 275}, {408, 285}},
    {{505, 230}, {634, 230}, {512, 240}},
    {{505, 265}, {634, 265}, {512, 275}},
}};

constexpr std::array<HotSpotLayout, 7> kSide{{
    {{400, 154}, {400, 154}, {410, 270}},
    {{325, 146}, {325, 154}, {335, 292}},
    {{415, 255}, {422, 395}, {432, 262}},
    {{490, 280}, {498, 395}, {508, 295}},
    {{535, 272}, {542, 395}, {552, 289}},
    {{480, 140}, {480, 154}, {490, 250}},
    {{507, 140}, {507, 154}, {517, 248}},
}};

constexpr float kBadgeRadius = 8.0f;
constexpr float kTargetRadius = 2.5f;

void drawBadge(Canvas& canvas, PointF centre, int button, bool over)
{
    const std::string digit(1, static_cast<char>('0' + button));
    const TextStyle style{9.0f, 1.6f};
    if (over) {
        Gdiplus::GraphicsPath halo;
        addEllipse(halo, centre, 10.0f, 10.0f);
        canvas.shade(halo, [centre](double x, double y) {
            const double d = std::hypot(x - centre.X, y - centre.Y);
            const double t = std::clamp((10.0 - d) / 2.5, 0.0, 1.0);
            return Rgba(pal::kGlow, static_cast<std::uint8_t>(90 * t));
        });
        Gdiplus::GraphicsPath disc;
        addEllipse(disc, centre, kBadgeRadius, kBadgeRadius);
        canvas.shade(disc, vertical(centre.Y - kBadgeRadius, centre.Y + kBadgeRadius, pal::kRedHi, pal::kCrimson));
        Gdiplus::GraphicsPath edge;
        addRing(edge, centre, kBadgeRadius - 1.0f, kBadgeRadius);
        fillPath(canvas, edge, Rgba(pal::kGlow, 150));
        drawTextCentred(canvas, digit, centre, style, Rgba(pal::kWhite));
    } else {
        Gdiplus::GraphicsPath disc;
        addEllipse(disc, centre, kBadgeRadius, kBadgeRadius);
        fillPath(canvas, disc, Rgba(pal::kCard));
        Gdiplus::GraphicsPath edge;
        addRing(edge, centre, kBadgeRadius - 1.5f, kBadgeRadius);
        fillPath(canvas, edge, Rgba(pal::kRim));
        drawTextCentred(canvas, digit, centre, style, Rgba(pal::kGlyph));
    }
}

void drawTarget(Canvas& canvas, PointF centre, bool over)
{
    if (over) {
        Gdiplus::GraphicsPath halo;
        addEllipse(halo, centre, kTargetRadius + 1.5f, kTargetRadius + 1.5f);
        fillPath(canvas, halo, Rgba(pal::kGlow, 90));
        Gdiplus::GraphicsPath dot;
        addEllipse(dot, centre, kTargetRadius, kTargetRadius);
        fillPath(canvas, dot, Rgba(pal::kRedHi));
    } else {
        Gdiplus::GraphicsPath ring;
        addRing(ring, centre, kTargetRadius - 1.0f, kTargetRadius);
        fillPath(canvas, ring, Rgba(pal::kGlyph));
    }
}

}  // namespace

void drawHotSpot(Canvas& canvas, MouseView view, int button, bool over)
{
    if (button < 1 || button > 7) {
        throw std::invalid_argument("hot spots are numbered 1 to 7");
    }
    const HotSpotLayout& spot = (view == MouseView::Front ? kFront : kSide)[static_cast<std::size_t>(button - 1)];
    // Badge and target in canvas coordinates, on pixel centres so that a
    // 1-px leader between them is sharp.
    const PointF badge(static_cast<float>(spot.badge.x - spot.canvas.x) + 10.5f,
                       static_cast<float>(spot.badge.y - spot.canvas.y) + 10.5f);
    const PointF target(static_cast<float>(spot.target.x - spot.canvas.x) + 0.5f,
                        static_cast<float>(spot.target.y - spot.canvas.y) + 0.5f);

    // The leader runs straight from the badge's edge to the target's.
    const float dx = target.X - badge.X;
    const float dy = target.Y - badge.Y;
    const float length = std::hypot(dx, dy);
    const float ux = dx / length;
    const float uy = dy / length;
    const float start = kBadgeRadius + (over ? 0.5f : 1.0f);
    const float end = length - kTargetRadius - (over ? 0.0f : 1.5f);
    strokeLine(canvas, PointF(badge.X + ux * start, badge.Y + uy * start),
               PointF(badge.X + ux * end, badge.Y + uy * end), over ? 2.0f : 1.0f,
               over ? Rgba(pal::kRedHi) : Rgba(pal::kGlyphDim));

    drawBadge(canvas, badge, button, over);
    drawTarget(canvas, target, over);
}

}  // namespace skingen
