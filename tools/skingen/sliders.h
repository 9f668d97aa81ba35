#pragma once
// Slider tracks and their fills. Each fill picture matches its track so the
// program can show any leading part of it over the track.

#include "canvas.h"

namespace skingen {

void drawAxisTrack(Canvas& canvas, bool filled);   // X/Y sensitivity, 208 x 14 on well
void drawStageTrack(Canvas& canvas, bool filled);  // lighting sliders, 128 x 11 on card
void drawDpiTrack(Canvas& canvas, bool filled);    // DPI stages, 7 x 169, vertical
void drawScrollLinesFrame(Canvas& canvas);         // edit frame and arrows, 50 x 14

}  // namespace skingen
