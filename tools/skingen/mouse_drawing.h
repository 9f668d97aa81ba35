#pragma once
// The mouse seen from the top (218 x 400, nose up) and from its left side
// (400 x 150, nose left), in the coordinates of the two mouse pictures; the
// hot-spot targets lie on the buttons drawn here.

#include "placement.h"

namespace skingen {

constexpr int kFrontWidth = 218;
constexpr int kFrontHeight = 400;
constexpr int kSideWidth = 400;
constexpr int kSideHeight = 150;

// Outline of the top view, closed, in top-view coordinates.
std::vector<PointF> frontOutline();

void drawFrontMouse(Canvas& canvas, const Placement& place);
void drawSideMouse(Canvas& canvas, const Placement& place);

// A small flat top view for emblems: body in `body`, seams and wheel cut out
// in `cut`; `height` is the nose-to-rear length, centred on `centre`.
void drawMouseEmblem(Canvas& canvas, PointF centre, float height, Rgba body, Rgba cut);

}  // namespace skingen
