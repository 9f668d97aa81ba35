#include "sliders.h"

#include "shapes.h"

namespace skingen {

namespace {

constexpr Rgb kDarkEnd{0x05, 0x05, 0x06};
constexpr Rgb kFillCentre{0xB4, 0x30, 0x30};
constexpr Rgb kFillEnd{0x2A, 0x0C, 0x0C};

// A horizontal rounded groove: a 1-px border round a dark core, or the same
// outline filled red from left to right.
void drawGroove(Canvas& canvas, const RectF& groove, bool filled)
{
    const float radius = groove.Height / 2;
    const RectF core(groove.X + 1, groove.Y + 1, groove.Width - 2, groove.Height - 2);
    Gdiplus::GraphicsPath outer;
    addRoundedRect(outer, groove, radius);
    Gdiplus::GraphicsPath inner;
    addRoundedRect(inner, core, radius - 1);
    const float left = groove.X;
    const float right = groove.X + groove.Width;
    if (filled) {
        canvas.shade(outer, horizontal(left, right, pal::kCrimsonDark, pal::kCrimson));
        canvas.shade(inner, horizontal(left, right, pal::kCrimson, pal::kRedHi));
        fillRect(canvas, RectF(core.X + radius, core.Y, core.Width - 2 * radius + 2, 1.0f), Rgba(pal::kGlow, 70));
    } else {
        fillPath(canvas, outer, Rgba(pal::kLine));
        fillPath(canvas, inner, Rgba(pal::kGroove));
    }
}

}  // namespace

void drawAxisTrack(Canvas& canvas, bool filled)
{
    // Rows 0-8 show; rows 9-13 repeat row 8.
    fillRect(canvas, RectF(0.0f, 0.0f, 208.0f, 14.0f), Rgba(pal::kWell));
    drawGroove(canvas, RectF(0.0f, 2.0f, 208.0f, 5.0f), filled);
    canvas.repeatRow(8, 9, 13);
}

void drawStageTrack(Canvas& canvas, bool filled)
{
    // Column 0 is never shown; the slider's own last column has no source
    // pixel, so the track ends in a dark column that reads as its frame.
    fillRect(canvas, RectF(0.0f, 0.0f, 128.0f, 11.0f), Rgba(pal::kCard));
    drawGroove(canvas, RectF(1.0f, 2.0f, 130.0f, 4.0f), filled);
    fillRect(canvas, RectF(127.0f, 0.0f, 1.0f, 11.0f), Rgba(pal::kGroove));
}

void drawDpiTrack(Canvas& canvas, bool filled)
{
    // Row 0 is always the top edge of what shows; the last row stays dark
    // because the slider's bottom row has no source pixel.
    if (filled) {
        fillRect(canvas, RectF(0.0f, 0.0f, 7.0f, 169.0f), Rgba(pal::kCrimsonDark));
        canvas.shade(RectF(1.0f, 0.0f, 5.0f, 169.0f), horizontal(1.0f, 6.0f, pal::kCrimson, pal::kCrimsonMid));
        fillRect(canvas, RectF(3.0f, 0.0f, 1.0f, 169.0f), Rgba(kFillCentre));
        fillRect(canvas, RectF(0.0f, 0.0f, 7.0f, 2.0f), Rgba(pal::kRedHi));
        fillRect(canvas, RectF(0.0f, 168.0f, 7.0f, 1.0f), Rgba(kFillEnd));
    } else {
        fillRect(canvas, RectF(0.0f, 0.0f, 7.0f, 169.0f), Rgba(pal::kLine));
        fillRect(canvas, RectF(1.0f, 1.0f, 5.0f, 167.0f), Rgba(pal::kGroove));
        fillRect(canvas, RectF(0.0f, 168.0f, 7.0f, 1.0f), Rgba(kDarkEnd));
    }
}

void drawScrollLinesFrame(Canvas& canvas)
{
    const RectF box(0.0f, 0.0f, 36.0f, 14.0f);
    fillRect(canvas, box, Rgba(pal::kWell));
    frameRect(canvas, box, Rgba(pal::kLine));
    drawTriangle(canvas, RectF(40.0f, 0.0f, 10.0f, 6.0f), true, Rgba(pal::kGlyph));
    drawTriangle(canvas, RectF(40.0f, 8.0f, 10.0f, 6.0f), false, Rgba(pal::kGlyph));
}

}  // namespace skingen
