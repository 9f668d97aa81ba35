#pragma once
// A finished picture: straight-alpha pixels at their final size, and the
// ways the generator writes them out.

#include "palette.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace skingen {

// Source-over of two straight-alpha colours.
Rgba over(Rgba top, Rgba bottom);

class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height, Rgba fill = kTransparent);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rgba at(int x, int y) const { return m_data[index(x, y)]; }
    void set(int x, int y, Rgba c) { m_data[index(x, y)] = c; }

    bool isOpaque() const;

    // Source-over of the whole of `top` with its top-left at (x, y); parts
    // outside this picture are dropped.
    void compose(const Pixels& top, int x, int y);

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<Rgba> m_data;
};

// PNG bytes of the picture: 24-bit RGB (the picture must be opaque) or
// 32-bit RGBA with straight alpha.
std::vector<std::uint8_t> encodePng(const Pixels& image, int bitsPerPixel);

void writeFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

}  // namespace skingen
