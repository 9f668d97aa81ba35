#pragma once
// The drawing surface of one picture. Drawing happens on a bitmap four times
// the picture's size in each direction, in the picture's own pixel
// coordinates, and resolve() averages each 4 x 4 block into one pixel: edges
// come out anti-aliased whatever the GDI+ in use does, and a rectangle on
// whole pixel coordinates stays exactly its colour.

#include "gdiplus_util.h"
#include "pixels.h"

#include <functional>
#include <memory>

namespace skingen {

class Canvas {
public:
    static constexpr int kScale = 4;

    // A transparent canvas.
    Canvas(int width, int height);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Drawing in picture pixels; (0, 0) is the top-left corner of pixel 0.
    Gdiplus::Graphics& g() { return *m_graphics; }

    // Colour per point for shade(): x and y in picture pixels.
    using Shader = std::function<Rgba(double x, double y)>;

    // Paints every point inside `area` with the shader's colour (source-over).
    void shade(const Gdiplus::GraphicsPath& area, const Shader& shader);
    void shade(const Gdiplus::RectF& area, const Shader& shader);

    // Copies picture column `from` over the columns first..last, and the same
    // for rows: parts of a picture that are cut but never seen repeat an edge.
    void repeatColumn(int from, int first, int last);
    void repeatRow(int from, int first, int last);

    Pixels resolve();

private:
    int m_width;
    int m_height;
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
    std::unique_ptr<Gdiplus::Graphics> m_graphics;
};

}  // namespace skingen
