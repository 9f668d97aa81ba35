#include "pixels.h"

#include "gdiplus_util.h"

#include <fstream>
#include <stdexcept>

namespace skingen {

Rgba over(Rgba top, Rgba bottom)
{
    if (top.a == 255 || bottom.a == 0) {
        return top;
    }
    if (top.a == 0) {
        return bottom;
    }
    const double ta = top.a / 255.0;
    const double ba = bottom.a / 255.0 * (1.0 - ta);
    const double a = ta + ba;
    auto channel = [&](std::uint8_t t, std::uint8_t b) {
        return static_cast<std::uint8_t>((t * ta + b * ba) / a + 0.5);
    };
    return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b),
            static_cast<std::uint8_t>(a * 255.0 + 0.5)};
}

Pixels::Pixels(int width, int height, Rgba fill)
    : m_width(width), m_height(height), m_data(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
{}

bool Pixels::isOpaque() const
{
    for (const Rgba& p : m_data) {
        if (p.a != 255) {
            return false;
        }
    }
    return true;
}

void Pixels::compose(const Pixels& top, int x, int y)
{
    for (int ty = 0; ty < top.height(); ++ty) {
        for (int tx = 0; tx < top.width(); ++tx) {
            const int dx = x + tx;
            const int dy = y + ty;
            if (dx < 0 || dy < 0 || dx >= m_width || dy >= m_height) {
                continue;
            }
            set(dx, dy, over(top.at(tx, ty), at(dx, dy)));
        }
    }
}

std::vector<std::uint8_t> encodePng(const Pixels& image, int bitsPerPixel)
{
    if (bitsPerPixel != 24 && bitsPerPixel != 32) {
        throw std::invalid_argument("pictures are 24 or 32 bits per pixel");
    }
    if (bitsPerPixel == 24 && !image.isOpaque()) {
        throw std::runtime_error("a 24-bit picture must be opaque");
    }
    const Gdiplus::PixelFormat format = bitsPerPixel == 24 ? PixelFormat24bppRGB : PixelFormat32bppARGB;
    Gdiplus::Bitmap bitmap(image.width(), image.height(), format);
    check(bitmap.GetLastStatus(), "create bitmap");
    {
        BitmapBits bits(bitmap, Gdiplus::ImageLockModeWrite, format);
        for (int y = 0; y < image.height(); ++y) {
            std::uint8_t* row = bits.row(y);
            for (int x = 0; x < image.width(); ++x) {
                const Rgba p = image.at(x, y);
                if (bitsPerPixel == 24) {
                    row[3 * x + 0] = p.b;
                    row[3 * x + 1] = p.g;
                    row[3 * x + 2] = p.r;
                } else {
                    row[4 * x + 0] = p.b;
                    row[4 * x + 1] = p.g;
                    row[4 * x + 2] = p.r;
                    row[4 * x + 3] = p.a;
                }
            }
        }
    }
    return saveAsPng(bitmap);
}

void writeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace skingen
