#pragma once
// Backgrounds of the seven settings pages (247 wide): a card over x 0-241
// with rounded corners and a line border, the rest in the panel's colour,
// and each page's fixed drawings.

#include "canvas.h"

namespace skingen {

void drawDpiPage(Canvas& canvas);         // 247 x 230
void drawLightingPage(Canvas& canvas);    // 247 x 308
void drawReportRatePage(Canvas& canvas);  // 247 x 134
void drawSpeedPage(Canvas& canvas);       // 247 x 110, pointer speed and double-click
void drawWheelPage(Canvas& canvas);       // 247 x 70
void drawAngleSnapPage(Canvas& canvas);   // 247 x 52

}  // namespace skingen
