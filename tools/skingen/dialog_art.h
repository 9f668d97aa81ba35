#pragma once
// Backgrounds of the profile list, the macro manager, the macro assignment
// and the key capture dialogs.

#include "canvas.h"

namespace skingen {

void drawProfileList(Canvas& canvas);   // 263 x 600
void drawMacroManager(Canvas& canvas);  // 495 x 439
void drawMacroPick(Canvas& canvas);     // 392 x 296
void drawKeyCapture(Canvas& canvas);    // 392 x 296

}  // namespace skingen
