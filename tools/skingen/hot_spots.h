#pragma once
// The hot-spot pictures over the mouse: a numbered badge joined by a leader
// to a target on button k, in a normal and an "over" look.

#include "canvas.h"

namespace skingen {

enum class MouseView { Front, Side };

// Draws hot spot `button` (1..7) of a view on a canvas of that hot spot's size.
void drawHotSpot(Canvas& canvas, MouseView view, int button, bool over);

}  // namespace skingen
