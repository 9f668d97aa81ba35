#include "dialog_art.h"

#include "shapes.h"

namespace skingen {

namespace {

RectF whole(const Canvas& canvas)
{
    return RectF(0.0f, 0.0f, static_cast<float>(canvas.width()), static_cast<float>(canvas.height()));
}

// Body, a title strip of `stripRows` rows with a line under it, and a line
// border round the window.
void drawDialogFrame(Canvas& canvas, float stripRows)
{
    const RectF r = whole(canvas);
    fillRect(canvas, r, Rgba(pal::kBody));
    fillRect(canvas, RectF(0.0f, 0.0f, r.Width, stripRows), Rgba(pal::kStrip));
    fillRect(canvas, RectF(0.0f, stripRows, r.Width, 1.0f), Rgba(pal::kLine));
}

void drawCard(Canvas& canvas, const RectF& r)
{
    fillRoundedRect(canvas, r, 4.0f, Rgba(pal::kLine));
    fillRoundedRect(canvas, RectF(r.X + 1, r.Y + 1, r.Width - 2, r.Height - 2), 3.0f, Rgba(pal::kCard));
}

// A list or field well: the line frame just outside the control.
void drawWellFrame(Canvas& canvas, const RectF& control)
{
    frameRect(canvas, RectF(control.X - 1, control.Y - 1, control.Width + 2, control.Height + 2), Rgba(pal::kLine));
}

void drawKeycap(Canvas& canvas, const RectF& r, float radius, Rgba edge, float edgeWidth)
{
    fillRoundedRect(canvas, r, radius, edge);
    const RectF body(r.X + edgeWidth, r.Y + edgeWidth, r.Width - 2 * edgeWidth, r.Height - 2 * edgeWidth);
    fillRoundedRect(canvas, body, radius - edgeWidth, Rgba(pal::kCard));
    // The top face, set back towards the upper edge.
    const float inset = r.Width * 0.12f;
    const RectF top(body.X + inset, body.Y + inset * 0.55f, body.Width - 2 * inset, body.Height - inset * 1.9f);
    Gdiplus::GraphicsPath face;
    addRoundedRect(face, top, radius * 0.7f);
    canvas.shade(face, vertical(top.Y, top.Y + top.Height, pal::kFaceTop, pal::kFaceBottom));
    frameRoundedRect(canvas, top, radius * 0.7f, edgeWidth / 2, Rgba(pal::kLine));
}

}  // namespace

void drawProfileList(Canvas& canvas)
{
    const RectF r = whole(canvas);
    drawDialogFrame(canvas, 30.0f);
    fillRect(canvas, edges(0.0f, 31.0f, r.Width, 575.0f), Rgba(pal::kListGrey));
    fillRect(canvas, edges(0.0f, 575.0f, r.Width, r.Height), Rgba(pal::kStrip));
    fillRect(canvas, edges(0.0f, 575.0f, r.Width, 576.0f), Rgba(pal::kLine));
    // Faint plates behind the New and Delete areas.
    fillRoundedRect(canvas, edges(4.0f, 578.0f, 96.0f, 596.0f), 3.0f, Rgba(pal::kCard));
    fillRoundedRect(canvas, edges(114.0f, 578.0f, 226.0f, 596.0f), 3.0f, Rgba(pal::kCard));
    frameRect(canvas, r, Rgba(pal::kLine));
}

void drawMacroManager(Canvas& canvas)
{
    drawDialogFrame(canvas, 31.0f);
    const RectF columns[] = {edges(14.0f, 56.0f, 136.0f, 358.0f), edges(146.0f, 56.0f, 268.0f, 358.0f),
                             edges(277.0f, 56.0f, 481.0f, 358.0f)};
    for (const RectF& c : columns) {
        drawCard(canvas, c);
        // Header band, y 58-78, with a crimson rule under the caption.
        const RectF band = edges(c.X + 2, 58.0f, c.X + c.Width - 2, 79.0f);
        Gdiplus::GraphicsPath bandPath;
        addRoundedRect(bandPath, band, 2.5f);
        canvas.shade(bandPath, vertical(band.Y, band.Y + band.Height, pal::kFaceTop, pal::kFaceBottom));
        fillRect(canvas, edges(band.X + 6, 78.0f, band.X + band.Width - 6, 79.0f), Rgba(pal::kCrimson));
    }
    drawWellFrame(canvas, edges(21.0f, 82.0f, 130.0f, 353.0f));
    drawWellFrame(canvas, edges(153.0f, 82.0f, 262.0f, 353.0f));
    // Loop-count well.
    const RectF loop = edges(296.0f, 331.0f, 381.0f, 347.0f);
    fillRect(canvas, loop, Rgba(pal::kLoopWell));
    frameRect(canvas, loop, Rgba(pal::kRim));
    frameRect(canvas, whole(canvas), Rgba(pal::kLine));
}

void drawMacroPick(Canvas& canvas)
{
    drawDialogFrame(canvas, 28.0f);
    // Stacked keys in (10, 6)-(26, 22).
    drawKeycap(canvas, edges(14.0f, 6.0f, 26.0f, 17.0f), 2.5f, Rgba(pal::kGlyphDim), 1.2f);
    drawKeycap(canvas, edges(10.0f, 11.0f, 22.0f, 22.0f), 2.5f, Rgba(pal::kGlyph), 1.2f);
    drawCard(canvas, edges(8.0f, 36.0f, 188.0f, 290.0f));
    drawCard(canvas, edges(204.0f, 36.0f, 384.0f, 240.0f));
    // Drop-down: rim frame, and the arrow cell the program does not draw.
    frameRect(canvas, edges(41.0f, 127.0f, 152.0f, 145.0f), Rgba(pal::kRim));
    const RectF cell = edges(136.0f, 128.0f, 151.0f, 144.0f);
    canvas.shade(cell, vertical(cell.Y, cell.Y + cell.Height, pal::kFaceTop, pal::kFaceBottom));
    fillRect(canvas, RectF(cell.X, cell.Y, 1.0f, cell.Height), Rgba(pal::kLine));
    drawChevron(canvas, PointF(143.5f, 136.0f), 7.0f, 4.0f, 1.5f, Rgba(pal::kGlyph));
    frameRect(canvas, whole(canvas), Rgba(pal::kLine));
}

void drawKeyCapture(Canvas& canvas)
{
    drawDialogFrame(canvas, 28.0f);
    // Keyboard in (10, 6)-(30, 22): a rounded body with rows of keys.
    const RectF board = edges(10.0f, 8.0f, 30.0f, 21.0f);
    frameRoundedRect(canvas, board, 2.5f, 1.2f, Rgba(pal::kGlyph));
    for (int row = 0; row < 2; ++row) {
        for (int key = 0; key < 4; ++key) {
            fillRect(canvas, RectF(13.0f + 4.0f * key + (row ? 1.0f : 0.0f), 11.0f + 3.0f * row, 2.0f, 2.0f),
                     Rgba(pal::kGlyph));
        }
    }
    fillRect(canvas, RectF(15.0f, 17.0f, 10.0f, 1.5f), Rgba(pal::kGlyph));
    frameRect(canvas, edges(73.0f, 128.0f, 151.0f, 144.0f), Rgba(pal::kRim));
    drawKeycap(canvas, edges(250.0f, 70.0f, 360.0f, 180.0f), 12.0f, Rgba(pal::kCrimson), 2.0f);
    frameRect(canvas, whole(canvas), Rgba(pal::kLine));
}

}  // namespace skingen
