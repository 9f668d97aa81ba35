#pragma once
// Backgrounds of the main window: the window surface, the mouse stage, the
// side column and its two drawers, and the settings panel.

#include "canvas.h"

namespace skingen {

void drawMainWindow(Canvas& canvas);       // 1000 x 650
void drawMouseStage(Canvas& canvas);       // 472 x 498 at (262, 2)
void drawSideColumn(Canvas& canvas);       // 242 x 490 at (20, 107)
void drawButtonDrawer(Canvas& canvas);     // 242 x 170
void drawAxisDrawer(Canvas& canvas);       // 242 x 150
void drawPanelBackground(Canvas& canvas);  // 247 x 563

}  // namespace skingen
