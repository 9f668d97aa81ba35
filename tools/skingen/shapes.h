#pragma once
// Drawing primitives shared by every kind of picture: outlines as paths,
// colour ramps as shaders, and the few strokes the glyphs are made of.

#include "canvas.h"

#include <vector>

namespace skingen {

using Gdiplus::PointF;
using Gdiplus::RectF;

// Rectangles by their edges, as the layout gives them.
inline RectF edges(float left, float top, float right, float bottom)
{
    return RectF(left, top, right - left, bottom - top);
}

// Points of an arc of an ellipse, angles in degrees measured clockwise from
// the right (screen orientation, y down); `to` may be below `from`.
std::vector<PointF> arcPoints(PointF centre, float rx, float ry, float from, float to);

// Outlines added to a path as closed figures.
void addRoundedRect(Gdiplus::GraphicsPath& path, const RectF& r, float radius);
void addEllipse(Gdiplus::GraphicsPath& path, PointF centre, float rx, float ry);
void addRing(Gdiplus::GraphicsPath& path, PointF centre, float inner, float outer);
// A piece of a ring between two angles (screen degrees, clockwise).
void addRingSegment(Gdiplus::GraphicsPath& path, PointF centre, float inner, float outer, float from, float to);
void addPolygon(Gdiplus::GraphicsPath& path, const std::vector<PointF>& points);

// Shaders for Canvas::shade.
Canvas::Shader flat(Rgba colour);
Canvas::Shader vertical(float top, float bottom, Rgb first, Rgb last, std::uint8_t alpha = 255);
Canvas::Shader horizontal(float left, float right, Rgb first, Rgb last, std::uint8_t alpha = 255);
// A round or oval glow: `centreColour` at the centre fading smoothly to fully
// transparent at the radii.
Canvas::Shader glow(PointF centre, float rx, float ry, Rgb colour, std::uint8_t centreAlpha);

// Fills of whole pixel rectangles and of shapes.
void fillRect(Canvas& canvas, const RectF& r, Rgba colour);
void fillPath(Canvas& canvas, const Gdiplus::GraphicsPath& path, Rgba colour);
void fillRoundedRect(Canvas& canvas, const RectF& r, float radius, Rgba colour);
// A 1-px frame just inside the rectangle.
void frameRect(Canvas& canvas, const RectF& r, Rgba colour);
// A rounded frame of `width` just inside the rectangle.
void frameRoundedRect(Canvas& canvas, const RectF& r, float radius, float width, Rgba colour);

// Strokes along polylines with flat ends and mitred corners.
void strokeLine(Canvas& canvas, PointF from, PointF to, float width, Rgba colour);
void strokePolyline(Canvas& canvas, const std::vector<PointF>& points, float width, Rgba colour, bool closed = false);

// Small glyphs, centred on `centre` and `size` wide.
void drawChevron(Canvas& canvas, PointF centre, float width, float height, float stroke, Rgba colour,
                 bool pointsDown = true);
void drawCross(Canvas& canvas, PointF centre, float size, float stroke, Rgba colour);
void drawTriangle(Canvas& canvas, const RectF& box, bool pointsUp, Rgba colour);

}  // namespace skingen
