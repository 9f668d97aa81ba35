#pragma once
// What the DPI and lighting pages share in loading and painting their
// pictures: skin paths under the program folder, a picture file as a
// bitmap, and the double-buffered paint over the page's background bitmap.

#include "classlib/gdi.h"
#include "classlib/wnd.h"

#include <functional>
#include <string>

// Paints `page`: a memory device context holding `background` (a missing
// background leaves only the context's own 1 x 1 bitmap, so nothing usable
// shows), transparent background mode, white text in `font`; `draw` paints
// into it; then the client area goes to the screen in one copy.
void PaintPageBuffered(CWnd& page, CBitmap& background, CFont& font, const std::function<void(CDC&)>& draw);
