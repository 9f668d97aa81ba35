#pragma once
// Where a drawing made in its own coordinates lands on a canvas: a uniform
// scale followed by an offset. The mouse silhouettes are drawn at full size
// for the mouse pictures and smaller for the splash, the logo and the icon.

#include "shapes.h"

namespace skingen {

struct Placement {
    float scale = 1.0f;
    PointF offset{0.0f, 0.0f};

    PointF at(PointF p) const { return PointF(offset.X + p.X * scale, offset.Y + p.Y * scale); }
    PointF at(float x, float y) const { return at(PointF(x, y)); }
    float len(float d) const { return d * scale; }
    RectF at(const RectF& r) const
    {
        return RectF(offset.X + r.X * scale, offset.Y + r.Y * scale, r.Width * scale, r.Height * scale);
    }

    std::vector<PointF> at(const std::vector<PointF>& points) const
    {
        std::vector<PointF> out;
        out.reserve(points.size());
        for (const PointF& p : points) {
            out.push_back(at(p));
        }
        return out;
    }

    // A shader written in the drawing's own coordinates, for use on the canvas.
    Canvas::Shader local(Canvas::Shader shader) const
    {
        const Placement self = *this;
        return [self, shader](double x, double y) {
            return shader((x - self.offset.X) / self.scale, (y - self.offset.Y) / self.scale);
        };
    }
};

}  // namespace skingen
