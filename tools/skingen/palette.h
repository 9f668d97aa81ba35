#pragma once
// The colours of the skin: one dark theme shared by every picture, the icon
// and the scroll-bar bitmap.

#include <cstdint>

namespace skingen {

struct Rgb {
    std::uint8_t r, g, b;
};

// A straight (not premultiplied) colour with its opacity.
struct Rgba {
    std::uint8_t r, g, b, a;
    constexpr Rgba() : r(0), g(0), b(0), a(0) {}
    constexpr Rgba(Rgb c, std::uint8_t alpha = 255) : r(c.r), g(c.g), b(c.b), a(alpha) {}
    constexpr Rgba(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha)
        : r(red), g(green), b(blue), a(alpha)
    {}
};

constexpr Rgba kTransparent{};

namespace pal {
// Surfaces, darkest first.
constexpr Rgb kGroove{0x0B, 0x0C, 0x0E};    // cores of slider grooves and inset fields
constexpr Rgb kStrip{0x0F, 0x10, 0x13};     // title strips and bottom bars
constexpr Rgb kWell{0x12, 0x14, 0x18};      // settings panel, drawers, wells
constexpr Rgb kBody{0x16, 0x18, 0x1D};      // window and dialog bodies
constexpr Rgb kCard{0x1C, 0x1F, 0x25};      // side column, page and dialog cards
constexpr Rgb kDisabled{0x20, 0x22, 0x28};  // disabled button faces
constexpr Rgb kFaceTop{0x2A, 0x2E, 0x36};   // raised faces, top of the gradient
constexpr Rgb kFaceBottom{0x23, 0x26, 0x2D};
constexpr Rgb kHoverTop{0x35, 0x3A, 0x44};  // hovered faces
constexpr Rgb kHoverBottom{0x2C, 0x30, 0x38};
constexpr Rgb kLine{0x2A, 0x2E, 0x36};  // 1-px separators and borders
constexpr Rgb kRim{0x4A, 0x50, 0x5C};   // outlines of marks, rim light
constexpr Rgb kGlyphDim{0x5A, 0x60, 0x6B};
constexpr Rgb kGlyph{0x9A, 0xA0, 0xAA};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kWordmark{0xD6, 0xD9, 0xDE};  // light grey of the product name

// Reds: the same as the menus and list selections of the program.
constexpr Rgb kCrimson{0x8F, 0x20, 0x20};
constexpr Rgb kCrimsonMid{0x6F, 0x29, 0x29};
constexpr Rgb kCrimsonDark{0x48, 0x18, 0x18};
constexpr Rgb kRedHi{0xD0, 0x3A, 0x3A};
constexpr Rgb kGlow{0xFF, 0x6A, 0x6A};    // used at about 35 % opacity
constexpr Rgb kRedMid{0xD0, 0x40, 0x40};  // face on which black and white captions both read

// Fixed colours of the program's own controls drawn over pictures.
constexpr Rgb kListGrey{0x28, 0x28, 0x28};   // profile list
constexpr Rgb kLoopWell{0x22, 0x18, 0x15};   // loop-count edit of the macro manager
constexpr Rgb kArrowCell{0x26, 0x2A, 0x32};  // scroll-bar arrow cells
}  // namespace pal

// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
constexpr Rgb mix(Rgb a, Rgb b, double t)
{
    auto channel = [t](std::uint8_t x, std::uint8_t y) { return static_cast<std::uint8_t>(x + (y - x) * t + 0.5); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

}  // namespace skingen
