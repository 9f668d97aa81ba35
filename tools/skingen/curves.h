#pragma once
// Smooth outlines as point lists: cubic Bézier pieces and Catmull-Rom
// splines through given points.

#include "shapes.h"

#include <vector>

namespace skingen {

// Appends the points of a cubic Bézier piece from the last point of `out`.
void appendBezier(std::vector<PointF>& out, PointF c1, PointF c2, PointF end);

// A smooth curve through every point, the ends included.
std::vector<PointF> splineThrough(const std::vector<PointF>& points);

std::vector<PointF> mirroredX(const std::vector<PointF>& points, float axis);

}  // namespace skingen
