#pragma once
// The pictures that carry the product's emblem: the logo, the small
// seven-bar mark, the splash, and the program icon.

#include "canvas.h"

namespace skingen {

void drawLogo(Canvas& canvas);       // 242 x 70, opaque on body
void drawStageMark(Canvas& canvas);  // 200 x 60, transparent
void drawSplash(Canvas& canvas);     // 480 x 270
// The icon at one of its sizes (square canvas).
void drawIcon(Canvas& canvas);

}  // namespace skingen
