#pragma once
// Button faces in their four looks, and every button picture built on them.
// Opaque tiles fill their rectangle or sit on the flat colour that lies
// behind the control in its window.

#include "canvas.h"

namespace skingen {

enum class ButtonState { Normal, Hover, Pressed, Disabled };

// A face filling `r` with rounded corners:
// normal = face gradient with a line border, hover = hover gradient with a
// rim border, pressed = crimson with a red-hi top edge, disabled = flat with
// a line border.
void drawFace(Canvas& canvas, const Gdiplus::RectF& r, float radius, ButtonState state);

// Main window.
void drawBottomButton(Canvas& canvas, ButtonState state);  // Restore, Cancel, Save (57 x 30)
void drawConfigButton(Canvas& canvas, ButtonState state);  // profiles (72 x 30)
void drawPageTab(Canvas& canvas, ButtonState state);       // Front, Side (62 x 29)
void drawCloseTile(Canvas& canvas, bool over);             // 15 x 15
void drawMinimizeTile(Canvas& canvas, bool over);
void drawHelpTile(Canvas& canvas, bool over);
void drawItemBar(Canvas& canvas);                 // side items and panel headers (242 x 20)
void drawMacroManagerBar(Canvas& canvas);         // 242 x 38
void drawDropdownBox(Canvas& canvas, bool over);  // 130 x 16

// Macro manager and the small dialogs.
void drawMacroCloseButton(Canvas& canvas);              // 51 x 24
void drawDialogButton(Canvas& canvas, bool over);       // OK / Cancel (54 x 28)
void drawListButton(Canvas& canvas, bool over);         // New / Delete (58 x 25)
void drawRecordButton(Canvas& canvas, bool recording);  // 122 x 24, 89 seen

}  // namespace skingen
