#pragma once
// A memory canvas of one colour for the owner-draw tests: items are drawn
// into it and its pixels read back.

#include "skin_test_helpers.h"

namespace skintest {

struct Canvas {
    Canvas(int width, int height, COLORREF fill)
        : memory((PaintBitmap(bitmap, width, height, [fill](int, int) { return fill; }), static_cast<HBITMAP>(bitmap)))
    {}
    COLORREF At(int x, int y) const { return memory.At(x, y); }

    CBitmap bitmap;
    MemoryDC memory;
    CDC& dc = memory.dc;
};

}  // namespace skintest
