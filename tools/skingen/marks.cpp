#include "marks.h"

#include "shapes.h"

namespace skingen {

namespace {

void disc(Canvas& canvas, PointF centre, float radius, Rgba colour)
{
    Gdiplus::GraphicsPath path;
    addEllipse(path, centre, radius, radius);
    fillPath(canvas, path, colour);
}

void ring(Canvas& canvas, PointF centre, float inner, float outer, Rgba colour)
{
    Gdiplus::GraphicsPath path;
    addRing(path, centre, inner, outer);
    fillPath(canvas, path, colour);
}

}  // namespace

void drawOnDot(Canvas& canvas)
{
    const PointF centre(4.5f, 4.5f);
    disc(canvas, centre, 4.5f, Rgba(pal::kCrimson));
    disc(canvas, centre, 3.2f, Rgba(pal::kRedHi));
    disc(canvas, PointF(3.9f, 3.7f), 1.2f, Rgba(pal::kGlow, 150));
}

void drawOffDot(Canvas& canvas)
{
    ring(canvas, PointF(4.5f, 4.5f), 3.3f, 4.5f, Rgba(pal::kRim));
}

void drawRadio(Canvas& canvas, bool on)
{
    const float size = static_cast<float>(canvas.width());
    const PointF centre(size / 2, size / 2);
    const float outer = size / 2;
    if (!on) {
        ring(canvas, centre, outer - 1.2f, outer, Rgba(pal::kRim));
        return;
    }
    if (size >= 14.0f) {
        // The larger mark: a red-hi dot inside a crimson ring.
        ring(canvas, centre, outer - 1.6f, outer, Rgba(pal::kCrimson));
        disc(canvas, centre, outer - 3.5f, Rgba(pal::kRedHi));
    } else {
        disc(canvas, centre, outer, Rgba(pal::kRedHi));
        ring(canvas, centre, outer - 1.0f, outer, Rgba(pal::kCrimson, 200));
        disc(canvas, PointF(centre.X - 1.2f, centre.Y - 1.2f), 1.5f, Rgba(pal::kGlow, 140));
    }
}

void drawTickBox(Canvas& canvas, bool on)
{
    const RectF box(0.0f, 0.0f, 14.0f, 14.0f);
    if (!on) {
        frameRoundedRect(canvas, box, 3.0f, 1.2f, Rgba(pal::kRim));
        return;
    }
    fillRoundedRect(canvas, box, 3.0f, Rgba(pal::kCrimson));
    frameRoundedRect(canvas, box, 3.0f, 1.0f, Rgba(pal::kRedHi, 160));
    strokePolyline(canvas, {PointF(3.5f, 7.2f), PointF(6.0f, 9.8f), PointF(10.8f, 4.2f)}, 2.0f, Rgba(pal::kWhite));
}

void drawPlusSign(Canvas& canvas)
{
    fillRect(canvas, RectF(1.0f, 5.0f, 10.0f, 2.0f), Rgba(pal::kRedHi));
    fillRect(canvas, RectF(5.0f, 1.0f, 2.0f, 10.0f), Rgba(pal::kRedHi));
}

void drawMinusSign(Canvas& canvas)
{
    fillRect(canvas, RectF(1.0f, 5.0f, 10.0f, 2.0f), Rgba(pal::kGlyph));
}

void drawValueField(Canvas& canvas)
{
    const RectF r(0.0f, 0.0f, static_cast<float>(canvas.width()), static_cast<float>(canvas.height()));
    fillRoundedRect(canvas, r, 2.0f, Rgba(pal::kLine));
    fillRoundedRect(canvas, RectF(1.0f, 1.0f, r.Width - 2.0f, r.Height - 2.0f), 1.0f, Rgba(pal::kGroove));
}

}  // namespace skingen
