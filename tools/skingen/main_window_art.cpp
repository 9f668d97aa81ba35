#include "main_window_art.h"

#include "shapes.h"

namespace skingen {

namespace {

// Main-window rows shared with the mouse stage, which repeats them.
constexpr int kTitleStripBottom = 26;  // the line under the title strip
constexpr int kBottomBarTop = 598;     // the line over the bottom bar
constexpr int kStageTop = 2;           // the mouse stage starts at window row 2

RectF whole(const Canvas& canvas)
{
    return RectF(0.0f, 0.0f, static_cast<float>(canvas.width()), static_cast<float>(canvas.height()));
}

// A drawer that opens under a side item: well with a line border on the
// left, right and bottom.
void drawDrawer(Canvas& canvas)
{
    const RectF r = whole(canvas);
    fillRect(canvas, r, Rgba(pal::kWell));
    fillRect(canvas, RectF(0.0f, 0.0f, 1.0f, r.Height), Rgba(pal::kLine));
    fillRect(canvas, RectF(r.Width - 1, 0.0f, 1.0f, r.Height), Rgba(pal::kLine));
    fillRect(canvas, RectF(0.0f, r.Height - 1, r.Width, 1.0f), Rgba(pal::kLine));
}

}  // namespace

void drawMainWindow(Canvas& canvas)
{
    const RectF r = whole(canvas);
    fillRect(canvas, r, Rgba(pal::kBody));
    fillRect(canvas, RectF(0.0f, 0.0f, r.Width, kTitleStripBottom), Rgba(pal::kStrip));
    fillRect(canvas, RectF(0.0f, kTitleStripBottom, r.Width, 1.0f), Rgba(pal::kLine));
    fillRect(canvas, RectF(0.0f, kBottomBarTop, r.Width, r.Height - kBottomBarTop), Rgba(pal::kStrip));
    fillRect(canvas, RectF(0.0f, kBottomBarTop, r.Width, 1.0f), Rgba(pal::kLine));
    frameRect(canvas, r, Rgba(pal::kLine));
}

void drawMouseStage(Canvas& canvas)
{
    const RectF r = whole(canvas);
    const float stripRows = kTitleStripBottom - kStageTop;
    fillRect(canvas, r, Rgba(pal::kBody));
    fillRect(canvas, RectF(0.0f, 0.0f, r.Width, stripRows), Rgba(pal::kStrip));
    fillRect(canvas, RectF(0.0f, stripRows, r.Width, 1.0f), Rgba(pal::kLine));
    // A soft card-coloured glow behind the mouse, gone well before the edges.
    canvas.shade(RectF(0.0f, stripRows + 1, r.Width, r.Height - stripRows - 1),
                 glow(PointF(r.Width / 2, 268.0f), 205.0f, 215.0f, pal::kCard, 255));
}

void drawSideColumn(Canvas& canvas)
{
    const RectF r = whole(canvas);
    fillRect(canvas, r, Rgba(pal::kCard));
    frameRect(canvas, r, Rgba(pal::kLine));
}

void drawButtonDrawer(Canvas& canvas)
{
    drawDrawer(canvas);
    // Row stripes behind the seven label-and-box rows.
    for (int i = 0; i < 7; ++i) {
        if (i % 2 == 0) {
            fillRect(canvas, RectF(1.0f, 25.0f + 20.0f * i, canvas.width() - 2.0f, 20.0f), Rgba(pal::kBody));
        }
    }
}

void drawAxisDrawer(Canvas& canvas)
{
    drawDrawer(canvas);
    // Tick dots between each slider and its scale, under the ten numbers
    // (each number's left edge is at 24 + 21k; "10" is two digits wide).
    constexpr Rgb kTick{0x34, 0x38, 0x41};
    for (float row : {52.0f, 112.0f}) {
        for (int k = 0; k < 10; ++k) {
            const float x = 24.0f + 21.0f * k + (k == 9 ? 6.0f : 3.0f);
            fillRect(canvas, RectF(x, row, 2.0f, 2.0f), Rgba(kTick));
        }
    }
}

void drawPanelBackground(Canvas& canvas)
{
    fillRect(canvas, whole(canvas), Rgba(pal::kWell));
}

}  // namespace skingen
