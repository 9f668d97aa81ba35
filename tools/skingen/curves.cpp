#include "curves.h"

#include <algorithm>
#include <cmath>

namespace skingen {

namespace {

float distance(PointF a, PointF b)
{
    return std::hypot(b.X - a.X, b.Y - a.Y);
}

}  // namespace

void appendBezier(std::vector<PointF>& out, PointF c1, PointF c2, PointF end)
{
    const PointF start = out.back();
    const float length = distance(start, c1) + distance(c1, c2) + distance(c2, end);
    const int steps = std::max(4, static_cast<int>(std::ceil(length / 0.75f)));
    for (int i = 1; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const float u = 1.0f - t;
        const float a = u * u * u;
        const float b = 3 * u * u * t;
        const float c = 3 * u * t * t;
        const float d = t * t * t;
        out.emplace_back(a * start.X + b * c1.X + c * c2.X + d * end.X, a * start.Y + b * c1.Y + c * c2.Y + d * end.Y);
    }
}

std::vector<PointF> splineThrough(const std::vector<PointF>& points)
{
    std::vector<PointF> out{points.front()};
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const PointF p0 = points[i == 0 ? 0 : i - 1];
        const PointF p1 = points[i];
        const PointF p2 = points[i + 1];
        const PointF p3 = points[std::min(i + 2, points.size() - 1)];
        appendBezier(out, PointF(p1.X + (p2.X - p0.X) / 6, p1.Y + (p2.Y - p0.Y) / 6),
                     PointF(p2.X - (p3.X - p1.X) / 6, p2.Y - (p3.Y - p1.Y) / 6), p2);
    }
    return out;
}

std::vector<PointF> mirroredX(const std::vector<PointF>& points, float axis)
{
    std::vector<PointF> out;
    out.reserve(points.size());
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        out.emplace_back(2 * axis - it->X, it->Y);
    }
    return out;
}

}  // namespace skingen
