#pragma once
// The painted close box, OK and Cancel of the small macro dialogs (macro
// assignment and key capture): which of them a point is in, and the hover
// marks that pick their "over" pictures.

#include <windows.h>

enum class PaintedButton { None, Close, Ok, Cancel };

struct PaintedButtonRects {
    RECT close;
    RECT ok;
    RECT cancel;
};

// The button under `point` (client coordinates), tried in the order OK,
// Cancel, close box.
PaintedButton PaintedButtonAt(const PaintedButtonRects& rects, POINT point);

// The three hover marks of one dialog; they start at 0 and carry over from
// one run of the dialog to the next.
struct HoverFlags {
    int close = 0;
    int ok = 0;
    int cancel = 0;

    bool Any() const { return close || ok || cancel; }
};

// A hover notification over `button`: the close box sets its own mark, OK
// and Cancel each set theirs and clear the other's. True when a mark was
// set (the dialog repaints then); false outside the three.
bool MarkHovered(HoverFlags& flags, PaintedButton button);

// A move outside all three buttons: clears every mark. True when any was
// set (the dialog repaints then).
bool ClearHovered(HoverFlags& flags);
