#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skingen {

namespace {

constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

std::uint8_t lerpByte(std::uint8_t a, std::uint8_t b, double t)
{
    return static_cast<std::uint8_t>(a + (b - a) * t + 0.5);
}

double clamp01(double t)
{
    return std::clamp(t, 0.0, 1.0);
}

}  // namespace

std::vector<PointF> arcPoints(PointF centre, float rx, float ry, float from, float to)
{
    // Dense enough that no chord strays a quarter of a canvas sample from the
    // curve on the largest arcs drawn.
    const float span = std::fabs(to - from);
    const int steps = std::max(2, static_cast<int>(std::ceil(span * std::max(rx, ry) * kDegree / 0.5f)));
    std::vector<PointF> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const float a = (from + (to - from) * static_cast<float>(i) / static_cast<float>(steps)) * kDegree;
        points.emplace_back(centre.X + rx * std::cos(a), centre.Y + ry * std::sin(a));
    }
    return points;
}

void addPolygon(Gdiplus::GraphicsPath& path, const std::vector<PointF>& points)
{
    path.StartFigure();
    path.AddPolygon(points.data(), static_cast<INT>(points.size()));
}

void addRoundedRect(Gdiplus::GraphicsPath& path, const RectF& r, float radius)
{
    radius = std::min({radius, r.Width / 2.0f, r.Height / 2.0f});
    if (radius <= 0.0f) {
        path.StartFigure();
        path.AddRectangle(r);
        return;
    }
    const float left = r.X;
    const float top = r.Y;
    const float right = r.X + r.Width;
    const float bottom = r.Y + r.Height;
    std::vector<PointF> points;
    auto corner = [&](float cx, float cy, float from) {
        const auto arc = arcPoints(PointF(cx, cy), radius, radius, from, from + 90.0f);
        points.insert(points.end(), arc.begin(), arc.end());
    };
    corner(right - radius, top + radius, 270.0f);
    corner(right - radius, bottom - radius, 0.0f);
    corner(left + radius, bottom - radius, 90.0f);
    corner(left + radius, top + radius, 180.0f);
    addPolygon(path, points);
}

void addEllipse(Gdiplus::GraphicsPath& path, PointF centre, float rx, float ry)
{
    auto points = arcPoints(centre, rx, ry, 0.0f, 360.0f);
    points.pop_back();
    addPolygon(path, points);
}

void addRing(Gdiplus::GraphicsPath& path, PointF centre, float inner, float outer)
{
    // Alternate filling leaves the inner disc out.
    path.SetFillMode(Gdiplus::FillModeAlternate);
    addEllipse(path, centre, outer, outer);
    addEllipse(path, centre, inner, inner);
}

void addRingSegment(Gdiplus::GraphicsPath& path, PointF centre, float inner, float outer, float from, float to)
{
    auto points = arcPoints(centre, outer, outer, from, to);
    const auto back = arcPoints(centre, inner, inner, to, from);
    points.insert(points.end(), back.begin(), back.end());
    addPolygon(path, points);
}

Canvas::Shader flat(Rgba colour)
{
    return [colour](double, double) { return colour; };
}

Canvas::Shader vertical(float top, float bottom, Rgb first, Rgb last, std::uint8_t alpha)
{
    return [=](double, double y) { return Rgba(mix(first, last, clamp01((y - top) / (bottom - top))), alpha); };
}

Canvas::Shader horizontal(float left, float right, Rgb first, Rgb last, std::uint8_t alpha)
{
    return [=](double x, double) { return Rgba(mix(first, last, clamp01((x - left) / (right - left))), alpha); };
}

Canvas::Shader glow(PointF centre, float rx, float ry, Rgb colour, std::uint8_t centreAlpha)
{
    return [=](double x, double y) {
        const double dx = (x - centre.X) / rx;
        const double dy = (y - centre.Y) / ry;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d >= 1.0) {
            return kTransparent;
        }
        // Smooth fall-off with no visible rim.
        const double t = 1.0 - d;
        const double strength = t * t * (3.0 - 2.0 * t);
        return Rgba(colour, lerpByte(0, centreAlpha, strength));
    };
}

void fillPath(Canvas& canvas, const Gdiplus::GraphicsPath& path, Rgba colour)
{
    Gdiplus::SolidBrush brush(gdi(colour));
    check(canvas.g().FillPath(&brush, &path), "fill a path");
}

void fillRect(Canvas& canvas, const RectF& r, Rgba colour)
{
    Gdiplus::SolidBrush brush(gdi(colour));
    check(canvas.g().FillRectangle(&brush, r), "fill a rectangle");
}

void fillRoundedRect(Canvas& canvas, const RectF& r, float radius, Rgba colour)
{
    Gdiplus::GraphicsPath path;
    addRoundedRect(path, r, radius);
    fillPath(canvas, path, colour);
}

void frameRect(Canvas& canvas, const RectF& r, Rgba colour)
{
    const float right = r.X + r.Width;
    const float bottom = r.Y + r.Height;
    fillRect(canvas, RectF(r.X, r.Y, r.Width, 1.0f), colour);
    fillRect(canvas, RectF(r.X, bottom - 1.0f, r.Width, 1.0f), colour);
    fillRect(canvas, RectF(r.X, r.Y + 1.0f, 1.0f, r.Height - 2.0f), colour);
    fillRect(canvas, RectF(right - 1.0f, r.Y + 1.0f, 1.0f, r.Height - 2.0f), colour);
}

void frameRoundedRect(Canvas& canvas, const RectF& r, float radius, float width, Rgba colour)
{
    Gdiplus::GraphicsPath path;
    path.SetFillMode(Gdiplus::FillModeAlternate);
    addRoundedRect(path, r, radius);
    addRoundedRect(path, RectF(r.X + width, r.Y + width, r.Width - 2 * width, r.Height - 2 * width),
                   std::max(0.0f, radius - width));
    fillPath(canvas, path, colour);
}

void strokePolyline(Canvas& canvas, const std::vector<PointF>& points, float width, Rgba colour, bool closed)
{
    Gdiplus::Pen pen(gdi(colour), width);
    pen.SetLineJoin(Gdiplus::LineJoinMiterClipped);
    // Right angles keep their corner; sharper joins are cut off close to the
    // centre line instead of spiking out of a glyph's box.
    pen.SetMiterLimit(1.5f);
    Gdiplus::GraphicsPath path;
    path.AddLines(points.data(), static_cast<INT>(points.size()));
    if (closed) {
        path.CloseFigure();
    }
    check(canvas.g().DrawPath(&pen, &path), "stroke a line");
}

void strokeLine(Canvas& canvas, PointF from, PointF to, float width, Rgba colour)
{
    strokePolyline(canvas, {from, to}, width, colour);
}

void drawChevron(Canvas& canvas, PointF centre, float width, float height, float stroke, Rgba colour, bool pointsDown)
{
    const float halfW = width / 2.0f - stroke / 2.0f;
    const float halfH = height / 2.0f - stroke / 2.0f;
    const float tip = pointsDown ? halfH : -halfH;
    strokePolyline(canvas,
                   {PointF(centre.X - halfW, centre.Y - tip), PointF(centre.X, centre.Y + tip),
                    PointF(centre.X + halfW, centre.Y - tip)},
                   stroke, colour);
}

void drawCross(Canvas& canvas, PointF centre, float size, float stroke, Rgba colour)
{
    const float h = size / 2.0f;
    strokeLine(canvas, PointF(centre.X - h, centre.Y - h), PointF(centre.X + h, centre.Y + h), stroke, colour);
    strokeLine(canvas, PointF(centre.X - h, centre.Y + h), PointF(centre.X + h, centre.Y - h), stroke, colour);
}

void drawTriangle(Canvas& canvas, const RectF& box, bool pointsUp, Rgba colour)
{
    const float left = box.X;
    const float right = box.X + box.Width;
    const float top = box.Y;
    const float bottom = box.Y + box.Height;
    const float middle = box.X + box.Width / 2.0f;
    Gdiplus::GraphicsPath path;
    if (pointsUp) {
        addPolygon(path, {PointF(middle, top), PointF(right, bottom), PointF(left, bottom)});
    } else {
        addPolygon(path, {PointF(left, top), PointF(right, top), PointF(middle, bottom)});
    }
    fillPath(canvas, path, colour);
}

}  // namespace skingen
