#pragma once
// The report-rate ring (four quarters) and the pointer-speed dial (eleven
// wedges): a dim track drawn into the page background, and one picture per
// choice that lights its part.

#include "canvas.h"

namespace skingen {

// Report rates in the order of their quarters' pictures.
enum class RateQuarter { UpperRight, LowerRight, LowerLeft, UpperLeft };

// The dim ring, centred on `centre` of a page background.
void drawRateRingTrack(Canvas& canvas, Gdiplus::PointF centre);
// One quarter lit, on a 128 x 123 transparent picture.
void drawRateQuarter(Canvas& canvas, RateQuarter quarter);

// The dim dial and its hub, centred on `centre` of a page background.
void drawSpeedDialTrack(Canvas& canvas, Gdiplus::PointF centre);
// Levels 1..level lit, on a 142 x 83 transparent picture.
void drawSpeedLevel(Canvas& canvas, int level);

}  // namespace skingen
