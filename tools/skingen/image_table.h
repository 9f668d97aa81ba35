#pragma once
// Every picture the program loads: where it lies beside the executable, its
// size and depth, and what draws it.

#include "canvas.h"

#include <span>
#include <string_view>

namespace skingen {

struct SkinImage {
    std::wstring_view path;  // relative to the program folder, in the letter case of the tree
    int width;
    int height;
    int bitsPerPixel;  // 24 = opaque RGB, 32 = RGBA
    void (*draw)(Canvas&);
};

std::span<const SkinImage> skinImages();

}  // namespace skingen
