#pragma once
// Small marks on a transparent ground: on/off dots, radio and tick boxes,
// the profile list's New and Delete signs, the DPI value field.

#include "canvas.h"

namespace skingen {

void drawOnDot(Canvas& canvas);             // 9 x 9, chosen
void drawOffDot(Canvas& canvas);            // 9 x 9, not chosen
void drawRadio(Canvas& canvas, bool on);    // round mark as wide as the canvas, in its top square
void drawTickBox(Canvas& canvas, bool on);  // 14 x 14 rounded square
void drawPlusSign(Canvas& canvas);          // 12 x 12
void drawMinusSign(Canvas& canvas);         // 12 x 12
void drawValueField(Canvas& canvas);        // 25 x 12 inset field

}  // namespace skingen
