#include "page_art.h"

#include "dials.h"
#include "shapes.h"
#include "stroke_font.h"

#include <cmath>
#include <numbers>

namespace skingen {

namespace {

constexpr float kCardWidth = 242.0f;

void drawPageCard(Canvas& canvas)
{
    const float height = static_cast<float>(canvas.height());
    fillRect(canvas, RectF(0.0f, 0.0f, static_cast<float>(canvas.width()), height), Rgba(pal::kWell));
    const RectF card(0.0f, 0.0f, kCardWidth, height);
    fillRoundedRect(canvas, card, 4.0f, Rgba(pal::kLine));
    fillRoundedRect(canvas, RectF(1.0f, 1.0f, kCardWidth - 2, height - 2), 3.0f, Rgba(pal::kCard));
}

void disc(Canvas& canvas, PointF centre, float radius, Rgba colour)
{
    Gdiplus::GraphicsPath path;
    addEllipse(path, centre, radius, radius);
    fillPath(canvas, path, colour);
}

// Pictograms of the zone-B effects, centred in x 28-48 of their rows.
void drawStandardPictogram(Canvas& canvas, PointF centre)
{
    disc(canvas, centre, 3.5f, Rgba(pal::kRedHi));
}

void drawRespirationPictogram(Canvas& canvas, PointF centre)
{
    disc(canvas, centre, 2.5f, Rgba(pal::kRedHi));
    for (int i = 0; i < 2; ++i) {
        Gdiplus::GraphicsPath ring;
        const float r = 5.0f + 3.0f * static_cast<float>(i);
        addRing(ring, centre, r - 1.0f, r);
        fillPath(canvas, ring, Rgba(pal::kRedHi, static_cast<std::uint8_t>(150 - 80 * i)));
    }
}

Rgb hue(double degrees)
{
    // Fully saturated hue, slightly darkened to sit in the dark theme.
    const double h = std::fmod(degrees, 360.0) / 60.0;
    const double x = 1.0 - std::fabs(std::fmod(h, 2.0) - 1.0);
    double r = 0;
    double g = 0;
    double b = 0;
    switch (static_cast<int>(h)) {
    case 0:
        r = 1;
        g = x;
        break;
    case 1:
        r = x;
        g = 1;
        break;
    case 2:
        g = 1;
        b = x;
        break;
    case 3:
        g = x;
        b = 1;
        break;
    case 4:
        r = x;
        b = 1;
        break;
    default:
        r = 1;
        b = x;
        break;
    }
    auto channel = [](double v) { return static_cast<std::uint8_t>(40 + v * 190); };
    return {channel(r), channel(g), channel(b)};
}

void drawNeonPictogram(Canvas& canvas, PointF centre)
{
    Gdiplus::GraphicsPath ring;
    addRing(ring, centre, 3.5f, 6.5f);
    canvas.shade(ring, [centre](double x, double y) {
        return Rgba(hue(std::atan2(y - centre.Y, x - centre.X) * 180.0 / std::numbers::pi + 180.0), 255);
    });
}

void drawSun(Canvas& canvas, const RectF& box)
{
    const PointF centre(box.X + box.Width / 2, box.Y + box.Height / 2);
    disc(canvas, centre, 2.5f, Rgba(pal::kGlyph));
    for (int i = 0; i < 8; ++i) {
        const float a = static_cast<float>(i) * std::numbers::pi_v<float> / 4.0f;
        strokeLine(canvas, PointF(centre.X + 4.0f * std::cos(a), centre.Y + 4.0f * std::sin(a)),
                   PointF(centre.X + 6.0f * std::cos(a), centre.Y + 6.0f * std::sin(a)), 1.2f, Rgba(pal::kGlyph));
    }
}

// A zone group: a rim outline and a small tab carrying the zone's letter.
void drawZoneGroup(Canvas& canvas, float top, float bottom, float tabTop, const char* letter)
{
    frameRoundedRect(canvas, edges(4.0f, top, 238.0f, bottom + 1), 4.0f, 1.0f, Rgba(pal::kRim));
    const RectF tab = edges(10.0f, tabTop, 30.0f, tabTop + 17.0f);
    fillRoundedRect(canvas, tab, 3.0f, Rgba(pal::kRim));
    fillRoundedRect(canvas, RectF(tab.X + 1, tab.Y + 1, tab.Width - 2, tab.Height - 2), 2.0f, Rgba(pal::kFaceTop));
    drawTextCentred(canvas, letter, PointF(tab.X + tab.Width / 2, tab.Y + tab.Height / 2), TextStyle{9.0f, 1.5f},
                    Rgba(pal::kWhite));
}

}  // namespace

void drawDpiPage(Canvas& canvas)
{
    drawPageCard(canvas);
    for (int i = 0; i < 7; ++i) {
        const float x = 30.0f * static_cast<float>(i);
        // Well round each stage slider, frame round each colour swatch.
        fillRect(canvas, edges(24.0f + x, 2.0f, 33.0f + x, 174.0f), Rgba(pal::kGroove));
        frameRect(canvas, edges(24.0f + x, 2.0f, 33.0f + x, 174.0f), Rgba(pal::kRim));
        frameRect(canvas, edges(24.0f + x, 214.0f, 36.0f + x, 226.0f), Rgba(pal::kRim));
    }
}

void drawLightingPage(Canvas& canvas)
{
    drawPageCard(canvas);
    drawZoneGroup(canvas, 2.0f, 118.0f, 120.0f, "A");
    drawZoneGroup(canvas, 196.0f, 306.0f, 179.0f, "B");
    // Zone-B effect boxes and their pictograms.
    const float rows[] = {205.0f, 234.0f, 263.0f};
    for (float top : rows) {
        frameRect(canvas, RectF(10.0f, top, 9.0f, 9.0f), Rgba(pal::kRim));
    }
    drawStandardPictogram(canvas, PointF(38.0f, rows[0] + 4.5f));
    drawRespirationPictogram(canvas, PointF(38.0f, rows[1] + 4.5f));
    drawNeonPictogram(canvas, PointF(38.0f, rows[2] + 4.5f));
    drawSun(canvas, edges(9.0f, 289.0f, 21.0f, 301.0f));
}

void drawReportRatePage(Canvas& canvas)
{
    drawPageCard(canvas);
    drawRateRingTrack(canvas, PointF(121.0f, 66.0f));
    const TextStyle style{9.0f, 1.4f, 1.0f};
    const Rgba ink(pal::kGlyph);
    auto rightOfRing = [&](const char* text, float rowTop) {
        drawText(canvas, text, PointF(190.0f, rowTop + 4.0f), style, ink);
    };
    auto leftOfRing = [&](const char* text, float rowTop) {
        drawText(canvas, text, PointF(54.0f - textWidth(text, style), rowTop + 4.0f), style, ink);
    };
    rightOfRing("1000 Hz", 10.0f);
    rightOfRing("500 Hz", 106.0f);
    leftOfRing("250 Hz", 106.0f);
    leftOfRing("125 Hz", 10.0f);
}

void drawSpeedPage(Canvas& canvas)
{
    drawPageCard(canvas);
    drawSpeedDialTrack(canvas, PointF(121.0f, 91.0f));
}

void drawWheelPage(Canvas& canvas)
{
    drawPageCard(canvas);
    // A wheel: a rounded capsule with ridges, and arrows for its two turns.
    const RectF wheel = edges(216.0f, 17.0f, 230.0f, 53.0f);
    Gdiplus::GraphicsPath capsule;
    addRoundedRect(capsule, wheel, 7.0f);
    canvas.shade(capsule, [](double, double y) {
        const double t = std::fabs(y - 35.0) / 18.0;
        return Rgba(mix(pal::kRim, pal::kFaceBottom, t * t), 255);
    });
    frameRoundedRect(canvas, wheel, 7.0f, 1.0f, Rgba(pal::kGlyphDim));
    for (float y = 23.0f; y < 48.0f; y += 4.0f) {
        fillRect(canvas, RectF(218.0f, y, 10.0f, 1.0f), Rgba(pal::kFaceBottom));
    }
    drawTriangle(canvas, RectF(219.0f, 9.0f, 8.0f, 5.0f), true, Rgba(pal::kGlyph));
    drawTriangle(canvas, RectF(219.0f, 56.0f, 8.0f, 5.0f), false, Rgba(pal::kGlyph));
}

void drawAngleSnapPage(Canvas& canvas)
{
    drawPageCard(canvas);
    // A wavy stroke above the straight line it snaps to.
    std::vector<PointF> wave;
    for (float x = 198.0f; x <= 234.0f; x += 0.5f) {
        wave.emplace_back(x, 15.0f + 3.5f * std::sin((x - 198.0f) / 36.0f * 3.0f * std::numbers::pi_v<float>));
    }
    strokePolyline(canvas, wave, 1.5f, Rgba(pal::kGlyph));
    drawChevron(canvas, PointF(216.0f, 27.0f), 7.0f, 4.0f, 1.4f, Rgba(pal::kGlyphDim));
    fillRect(canvas, RectF(198.0f, 34.0f, 37.0f, 2.0f), Rgba(pal::kRedHi));
}

}  // namespace skingen
