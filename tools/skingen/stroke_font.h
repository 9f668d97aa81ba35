#pragma once
// The few letters and digits the pictures carry (the product name, badge
// digits, report rates, zone letters), drawn as geometric strokes so that no
// installed font decides their look.

#include "shapes.h"

#include <string_view>

namespace skingen {

struct TextStyle {
    float capHeight;     // height of the ink of a capital, in pixels
    float stroke;        // stroke width
    float tracking = 0;  // extra space after each letter
};

float textWidth(std::string_view text, const TextStyle& style);

// Draws `text` with the top-left of its ink at `topLeft`. Characters outside
// the set are an error.
void drawText(Canvas& canvas, std::string_view text, PointF topLeft, const TextStyle& style, Rgba colour);

// The same, centred on a point.
void drawTextCentred(Canvas& canvas, std::string_view text, PointF centre, const TextStyle& style, Rgba colour);

}  // namespace skingen
