#include "buttons.h"

#include "shapes.h"
#include "stroke_font.h"

namespace skingen {

namespace {

constexpr float kButtonRadius = 5.0f;
constexpr Rgb kFaceHighlight{0x3C, 0x41, 0x4B};
constexpr Rgb kFaceShade{0x15, 0x17, 0x1B};

RectF whole(const Canvas& canvas)
{
    return RectF(0.0f, 0.0f, static_cast<float>(canvas.width()), static_cast<float>(canvas.height()));
}

// Only the top corners rounded: the shape of a tab.
void addTab(Gdiplus::GraphicsPath& path, const RectF& r, float radius)
{
    std::vector<PointF> points;
    const auto right = arcPoints(PointF(r.X + r.Width - radius, r.Y + radius), radius, radius, 270.0f, 360.0f);
    points.insert(points.end(), right.begin(), right.end());
    points.emplace_back(r.X + r.Width, r.Y + r.Height);
    points.emplace_back(r.X, r.Y + r.Height);
    const auto left = arcPoints(PointF(r.X + radius, r.Y + radius), radius, radius, 180.0f, 270.0f);
    points.insert(points.end(), left.begin(), left.end());
    addPolygon(path, points);
}

struct FaceLook {
    Rgb top, bottom, border;
};

FaceLook lookOf(ButtonState state)
{
    switch (state) {
    case ButtonState::Hover:
        return {pal::kHoverTop, pal::kHoverBottom, pal::kRim};
    case ButtonState::Pressed:
        return {pal::kCrimson, pal::kCrimsonMid, pal::kCrimsonDark};
    case ButtonState::Disabled:
        return {pal::kDisabled, pal::kDisabled, pal::kLine};
    case ButtonState::Normal:
        break;
    }
    return {pal::kFaceTop, pal::kFaceBottom, pal::kLine};
}

// The face of a shape: its fill, a 1-px border, and for a pressed face a
// red-hi line along the top between the corners.
void drawShapedFace(Canvas& canvas, const Gdiplus::GraphicsPath& outer, const Gdiplus::GraphicsPath& inner,
                    const RectF& r, float radius, ButtonState state)
{
    const FaceLook look = lookOf(state);
    fillPath(canvas, outer, Rgba(look.border));
    canvas.shade(inner, vertical(r.Y + 1, r.Y + r.Height - 1, look.top, look.bottom));
    if (state == ButtonState::Pressed) {
        fillRect(canvas, RectF(r.X + radius, r.Y, r.Width - 2 * radius, 1.0f), Rgba(pal::kRedHi));
    }
}

RectF inset(const RectF& r, float by)
{
    return RectF(r.X + by, r.Y + by, r.Width - 2 * by, r.Height - 2 * by);
}

// Builds a rounded face's outline and the outline one pixel inside it, and
// hands both to `use`.
template <class Use> void WithFacePaths(const RectF& r, float radius, Use&& use)
{
    Gdiplus::GraphicsPath outer;
    addRoundedRect(outer, r, radius);
    Gdiplus::GraphicsPath inner;
    addRoundedRect(inner, inset(r, 1.0f), radius - 1.0f);
    use(outer, inner);
}

void drawTile(Canvas& canvas, bool over, Rgb plate)
{
    fillRect(canvas, whole(canvas), Rgba(pal::kStrip));
    if (over) {
        fillRoundedRect(canvas, whole(canvas), 3.0f, Rgba(plate));
    }
}

// A full-width bar: face gradient, a light top line, a dark bottom line and
// a crimson strip on the left.
void drawBar(Canvas& canvas)
{
    const RectF r = whole(canvas);
    canvas.shade(r, vertical(0.0f, r.Height, pal::kFaceTop, pal::kFaceBottom));
    fillRect(canvas, RectF(0.0f, 0.0f, r.Width, 1.0f), Rgba(kFaceHighlight));
    fillRect(canvas, RectF(0.0f, r.Height - 1.0f, r.Width, 1.0f), Rgba(kFaceShade));
    canvas.shade(RectF(0.0f, 0.0f, 3.0f, r.Height), vertical(0.0f, r.Height, pal::kRedHi, pal::kCrimson));
}

}  // namespace

void drawFace(Canvas& canvas, const RectF& r, float radius, ButtonState state)
{
    WithFacePaths(r, radius, [&](Gdiplus::GraphicsPath& outer, Gdiplus::GraphicsPath& inner) {
        drawShapedFace(canvas, outer, inner, r, radius, state);
    });
}

void drawBottomButton(Canvas& canvas, ButtonState state)
{
    fillRect(canvas, whole(canvas), Rgba(pal::kStrip));
    drawFace(canvas, whole(canvas), kButtonRadius, state);
}

void drawConfigButton(Canvas& canvas, ButtonState state)
{
    drawBottomButton(canvas, state);
    // Stacked profiles: three offset rounded bars in x 6-20.
    const Rgba ink =
        state == ButtonState::Normal || state == ButtonState::Disabled ? Rgba(pal::kGlyph) : Rgba(pal::kWhite);
    const Rgba dim(ink.r, ink.g, ink.b, 150);
    fillRoundedRect(canvas, RectF(9.0f, 9.0f, 11.0f, 3.0f), 1.5f, dim);
    fillRoundedRect(canvas, RectF(7.5f, 13.5f, 11.0f, 3.0f), 1.5f, ink);
    fillRoundedRect(canvas, RectF(6.0f, 18.0f, 11.0f, 3.0f), 1.5f, ink);
}

void drawPageTab(Canvas& canvas, ButtonState state)
{
    const RectF r = whole(canvas);
    fillRect(canvas, r, Rgba(pal::kBody));
    Gdiplus::GraphicsPath outer;
    addTab(outer, r, 4.0f);
    Gdiplus::GraphicsPath inner;
    addTab(inner, RectF(1.0f, 1.0f, r.Width - 2.0f, r.Height - 2.0f), 3.0f);
    drawShapedFace(canvas, outer, inner, r, 4.0f, state);
    if (state == ButtonState::Pressed) {
        fillRect(canvas, RectF(0.0f, r.Height - 2.0f, r.Width, 2.0f), Rgba(pal::kRedHi));
    }
}

void drawCloseTile(Canvas& canvas, bool over)
{
    drawTile(canvas, over, pal::kCrimson);
    drawCross(canvas, PointF(7.5f, 7.5f), 6.0f, 1.5f, over ? Rgba(pal::kWhite) : Rgba(pal::kGlyph));
}

void drawMinimizeTile(Canvas& canvas, bool over)
{
    drawTile(canvas, over, pal::kHoverTop);
    fillRect(canvas, RectF(4.0f, 7.0f, 7.0f, 2.0f), over ? Rgba(pal::kWhite) : Rgba(pal::kGlyph));
}

void drawHelpTile(Canvas& canvas, bool over)
{
    drawTile(canvas, over, pal::kHoverTop);
    drawTextCentred(canvas, "?", PointF(7.5f, 7.5f), TextStyle{11.0f, 1.5f},
                    over ? Rgba(pal::kWhite) : Rgba(pal::kGlyph));
}

void drawItemBar(Canvas& canvas)
{
    drawBar(canvas);
    drawChevron(canvas, PointF(230.5f, 10.0f), 9.0f, 5.0f, 1.5f, Rgba(pal::kGlyph));
}

void drawMacroManagerBar(Canvas& canvas)
{
    drawBar(canvas);
    // "Open window": a square with an arrow leaving its top-right corner.
    const Rgba ink(pal::kGlyph);
    strokePolyline(canvas,
                   {PointF(225.5f, 13.75f), PointF(219.75f, 13.75f), PointF(219.75f, 25.25f), PointF(231.25f, 25.25f),
                    PointF(231.25f, 19.5f)},
                   1.5f, ink);
    strokeLine(canvas, PointF(224.5f, 20.5f), PointF(232.5f, 12.5f), 1.5f, ink);
    strokePolyline(canvas, {PointF(228.0f, 12.25f), PointF(232.75f, 12.25f), PointF(232.75f, 17.0f)}, 1.5f, ink);
}

void drawDropdownBox(Canvas& canvas, bool over)
{
    const RectF r = whole(canvas);
    if (over) {
        canvas.shade(r, vertical(0.0f, r.Height, pal::kHoverTop, pal::kHoverBottom));
    } else {
        fillRect(canvas, r, Rgba(pal::kWell));
    }
    frameRect(canvas, r, over ? Rgba(pal::kRedHi) : Rgba(pal::kLine));
    drawChevron(canvas, PointF(123.0f, 8.0f), 8.0f, 4.5f, 1.5f, over ? Rgba(pal::kWhite) : Rgba(pal::kGlyph));
}

void drawMacroCloseButton(Canvas& canvas)
{
    drawFace(canvas, whole(canvas), kButtonRadius, ButtonState::Normal);
    drawCross(canvas, PointF(25.5f, 12.0f), 7.0f, 1.5f, Rgba(pal::kGlyph));
}

void drawDialogButton(Canvas& canvas, bool over)
{
    const RectF r = whole(canvas);
    if (over) {
        WithFacePaths(r, kButtonRadius, [&](Gdiplus::GraphicsPath& outer, Gdiplus::GraphicsPath& inner) {
            fillPath(canvas, outer, Rgba(pal::kRedHi));
            canvas.shade(inner, vertical(1.0f, r.Height - 1.0f, pal::kHoverTop, pal::kHoverBottom));
        });
    } else {
        drawFace(canvas, r, kButtonRadius, ButtonState::Normal);
    }
}

void drawListButton(Canvas& canvas, bool over)
{
    const RectF r = whole(canvas);
    if (over) {
        // A mid-tone red on which both black and white captions read.
        WithFacePaths(r, kButtonRadius, [&](Gdiplus::GraphicsPath& outer, Gdiplus::GraphicsPath& inner) {
            fillPath(canvas, outer, Rgba(Rgb{0xB0, 0x34, 0x34}));
            fillPath(canvas, inner, Rgba(pal::kRedMid));
            fillRect(canvas, RectF(kButtonRadius, 0.0f, r.Width - 2 * kButtonRadius, 1.0f),
                     Rgba(Rgb{0xE8, 0x6A, 0x6A}));
        });
    } else {
        drawFace(canvas, r, kButtonRadius, ButtonState::Normal);
    }
}

void drawRecordButton(Canvas& canvas, bool recording)
{
    // The button shows columns 0-88; the rest repeats the right edge.
    const RectF face(0.0f, 0.0f, 89.0f, static_cast<float>(canvas.height()));
    fillRect(canvas, whole(canvas), Rgba(pal::kCard));
    if (recording) {
        WithFacePaths(face, kButtonRadius, [&](Gdiplus::GraphicsPath& outer, Gdiplus::GraphicsPath& inner) {
            fillPath(canvas, outer, Rgba(pal::kRedHi));
            canvas.shade(inner, vertical(1.0f, face.Height - 1.0f, pal::kCrimson, pal::kCrimsonMid));
        });
    } else {
        drawFace(canvas, face, kButtonRadius, ButtonState::Normal);
    }
    canvas.repeatColumn(88, 89, canvas.width() - 1);
}

}  // namespace skingen
