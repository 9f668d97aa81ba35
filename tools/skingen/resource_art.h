#pragma once
// The two pictures compiled into the executable: the program icon and the
// scroll-bar bitmap.

#include "pixels.h"

#include <cstdint>
#include <vector>

namespace skingen {

constexpr int kIconSizes[] = {16, 32, 48, 256};

// The icon drawn at one size.
Pixels drawIconImage(int size);

// An .ico file of the given square pictures: 32-bit images with their
// transparency mask, the 256-px one stored as PNG.
std::vector<std::uint8_t> iconFile(const std::vector<Pixels>& images);

// The scroll-bar skin: 9 x 3 cells of 13 x 16 (117 x 48). Columns: up,
// down, vertical thumb, vertical track, left, right, horizontal thumb,
// horizontal track, corner; rows: normal, hover, pressed.
Pixels drawScrollBarCells();

// A 24-bit bottom-up .bmp file of an opaque picture.
std::vector<std::uint8_t> bitmapFile(const Pixels& image);

}  // namespace skingen
