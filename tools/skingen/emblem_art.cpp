#include "emblem_art.h"

#include "mouse_drawing.h"
#include "shapes.h"
#include "stroke_font.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace skingen {

namespace {

constexpr const char* kBrand = "RV417";
constexpr const char* kModel = "TALVEN";

// Three arc segments round a centre, crimson brightening along each arc.
void drawRingSegments(Canvas& canvas, PointF centre, float inner, float outer, float startAngle, int segments,
                      float gap)
{
    const float span = 360.0f / static_cast<float>(segments);
    for (int i = 0; i < segments; ++i) {
        const float from = startAngle + span * static_cast<float>(i) + gap / 2;
        const float to = from + span - gap;
        Gdiplus::GraphicsPath arc;
        addRingSegment(arc, centre, inner, outer, from, to);
        canvas.shade(arc, [=](double x, double y) {
            double a = std::atan2(y - centre.Y, x - centre.X) * 180.0 / std::numbers::pi;
            while (a < from - 1.0) {
                a += 360.0;
            }
            const double t = std::clamp((a - from) / (to - from), 0.0, 1.0);
            return Rgba(mix(pal::kCrimson, pal::kRedHi, t), 255);
        });
    }
}

// "RV417" in red-hi and "TALVEN" in light grey on one line; returns the width.
float drawWordmark(Canvas& canvas, PointF topLeft, const TextStyle& style)
{
    drawText(canvas, kBrand, topLeft, style, Rgba(pal::kRedHi));
    const float gap = textWidth(std::string(kBrand) + " ", style) + style.tracking;
    drawText(canvas, kModel, PointF(topLeft.X + gap, topLeft.Y), style, Rgba(pal::kWordmark));
    return gap + textWidth(kModel, style);
}

}  // namespace

void drawLogo(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.width());
    const float h = static_cast<float>(canvas.height());
    fillRect(canvas, RectF(0.0f, 0.0f, w, h), Rgba(pal::kBody));
    const PointF centre(33.0f, h / 2);
    drawRingSegments(canvas, centre, 22.0f, 27.0f, -90.0f, 3, 22.0f);
    drawMouseEmblem(canvas, centre, 26.0f, Rgba(pal::kWhite), Rgba(pal::kBody));
    const TextStyle style{15.0f, 2.6f, 1.6f};
    drawWordmark(canvas, PointF(72.0f, h / 2 - style.capHeight / 2), style);
}

void drawStageMark(Canvas& canvas)
{
    // Seven rounded bars rising left to right, dim to red-hi: the DPI stages.
    constexpr Rgb kDim{0x3A, 0x3F, 0x49};
    for (int i = 0; i < 7; ++i) {
        const float t = static_cast<float>(i) / 6.0f;
        const float left = 8.0f + 27.0f * static_cast<float>(i);
        const float height = 16.0f + 40.0f * t;
        const RectF bar(left, 58.0f - height, 20.0f, height);
        const Rgb colour =
            t < 0.5f ? mix(kDim, pal::kCrimson, t * 2.0f) : mix(pal::kCrimson, pal::kRedHi, t * 2.0f - 1.0f);
        if (i == 6) {
            Gdiplus::GraphicsPath halo;
            addRoundedRect(halo, RectF(bar.X - 3, bar.Y - 3, bar.Width + 6, bar.Height + 3), 6.0f);
            canvas.shade(halo, [bar](double x, double y) {
                const double dx = std::max({bar.X - x, x - (bar.X + bar.Width), 0.0});
                const double dy = std::max(bar.Y - y, 0.0);
                const double d = std::hypot(dx, dy);
                return Rgba(pal::kGlow, static_cast<std::uint8_t>(std::max(0.0, 1.0 - d / 3.0) * 90));
            });
        }
        Gdiplus::GraphicsPath path;
        addRoundedRect(path, bar, 4.0f);
        canvas.shade(path, vertical(bar.Y, bar.Y + bar.Height, mix(colour, pal::kWhite, 0.12), colour));
    }
}

void drawSplash(Canvas& canvas)
{
    const float w = static_cast<float>(canvas.width());
    const float h = static_cast<float>(canvas.height());
    canvas.shade(RectF(0.0f, 0.0f, w, h), [w, h](double x, double y) {
        const double dx = (x - w * 0.42) / (w * 0.62);
        const double dy = (y - h * 0.5) / (h * 0.75);
        return Rgba(mix(pal::kBody, pal::kStrip, std::min(1.0, std::hypot(dx, dy))), 255);
    });

    // The mouse from the top, inside two thin crimson arcs.
    const PointF mouseCentre(118.0f, 135.0f);
    const float scale = 0.54f;
    drawFrontMouse(canvas, Placement{scale, PointF(mouseCentre.X - 109.0f * scale, mouseCentre.Y - 200.0f * scale)});
    Gdiplus::GraphicsPath arcs;
    addRingSegment(arcs, mouseCentre, 121.0f, 122.5f, 200.0f, 330.0f);
    addRingSegment(arcs, mouseCentre, 121.0f, 122.5f, 20.0f, 150.0f);
    fillPath(canvas, arcs, Rgba(pal::kCrimson));
    Gdiplus::GraphicsPath inner;
    addRingSegment(inner, mouseCentre, 112.0f, 113.0f, 215.0f, 300.0f);
    addRingSegment(inner, mouseCentre, 112.0f, 113.0f, 35.0f, 120.0f);
    fillPath(canvas, inner, Rgba(pal::kCrimsonMid, 200));

    // Product name on two lines at the right.
    const TextStyle brand{38.0f, 5.5f, 3.0f};
    const TextStyle model{22.0f, 3.2f, 5.0f};
    const float left = 262.0f;
    drawText(canvas, kBrand, PointF(left, 92.0f), brand, Rgba(pal::kRedHi));
    drawText(canvas, kModel, PointF(left + 1.0f, 146.0f), model, Rgba(pal::kWordmark));
    fillRect(canvas, RectF(left + 1.0f, 138.0f, textWidth(kModel, model), 1.0f), Rgba(pal::kLine));

    frameRect(canvas, RectF(0.0f, 0.0f, w, h), Rgba(pal::kLine));
}

void drawIcon(Canvas& canvas)
{
    const float s = static_cast<float>(canvas.width());
    const RectF tile(0.0f, 0.0f, s, s);
    const float radius = s * 0.2f;
    fillRoundedRect(canvas, tile, radius, Rgba(pal::kLine));
    fillRoundedRect(canvas, RectF(s / 32, s / 32, s - s / 16, s - s / 16), radius - s / 32, Rgba(pal::kBody));
    const PointF centre(s / 2, s / 2);
    // A three-quarter ring open at the lower left.
    Gdiplus::GraphicsPath ring;
    const float outer = s * 0.40f;
    const float width = std::max(2.0f, s * 0.085f);
    addRingSegment(ring, centre, outer - width, outer, 180.0f, 450.0f);
    canvas.shade(ring, [centre](double x, double y) {
        double a = std::atan2(y - centre.Y, x - centre.X) * 180.0 / std::numbers::pi;
        if (a < 180.0 - 1.0) {
            a += 360.0;
        }
        return Rgba(mix(pal::kCrimson, pal::kRedHi, std::clamp((a - 180.0) / 270.0, 0.0, 1.0)), 255);
    });
    if (s <= 16.0f) {
        Gdiplus::GraphicsPath dot;
        addEllipse(dot, centre, s * 0.14f, s * 0.14f);
        fillPath(canvas, dot, Rgba(pal::kWhite));
    } else {
        drawMouseEmblem(canvas, centre, s * 0.44f, Rgba(pal::kWhite), Rgba(pal::kBody));
    }
}

}  // namespace skingen
