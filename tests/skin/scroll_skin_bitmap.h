#pragma once
// A 117 x 48, 24 bits per pixel scroll bar skin for the tests: 9 x 3 cells
// of 13 x 16 pixels in which every pixel tells where it comes from. Red
// names the cell, green the column inside the cell, blue the row. Also a
// canvas to draw on and read back.

#include "classlib/gdi.h"

#include <windows.h>

#include <ostream>

namespace scrolltest {

constexpr int kSkinWidth = 117;
constexpr int kSkinHeight = 48;
constexpr int kCellWidth = 13;
constexpr int kCellHeight = 16;

constexpr COLORREF SkinColour(int column, int row, int x, int y)
{
    return RGB(9 * (row * 9 + column) + 4, 15 * x + 5, 15 * y + 5);
}

// Where a pixel of the test skin was taken from.
struct SkinPixel {
    int column = -1, row = -1, x = -1, y = -1;
    friend bool operator==(const SkinPixel&, const SkinPixel&) = default;
};

inline SkinPixel DecodeSkinPixel(COLORREF colour)
{
    const int cell = GetRValue(colour) / 9;
    return {cell % 9, cell / 9, GetGValue(colour) / 15, GetBValue(colour) / 15};
}

inline void PrintTo(const SkinPixel& p, std::ostream* os)
{
    *os << "cell (" << p.column << ", " << p.row << ") at (" << p.x << ", " << p.y << ")";
}

// The skin as a 24-bit DIB section.
inline HBITMAP MakeTestSkin()
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kSkinWidth;
    info.bmiHeader.biHeight = -kSkinHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const int stride = (kSkinWidth * 3 + 3) & ~3;
    auto* rows = static_cast<BYTE*>(bits);
    for (int y = 0; y < kSkinHeight; ++y)
        for (int x = 0; x < kSkinWidth; ++x) {
            const COLORREF c = SkinColour(x / kCellWidth, y / kCellHeight, x % kCellWidth, y % kCellHeight);
            BYTE* p = rows + y * stride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    return bitmap;
}

// Owns the test skin.
class TestSkin {
public:
    TestSkin() : m_bitmap(MakeTestSkin()) {}
    ~TestSkin() { ::DeleteObject(m_bitmap); }
    TestSkin(const TestSkin&) = delete;
    TestSkin& operator=(const TestSkin&) = delete;
    HBITMAP get() const { return m_bitmap; }

private:
    HBITMAP m_bitmap;
};

// A memory device context over a screen-format bitmap of one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill)
    {
        CClientDC screen(nullptr);
        m_bitmap.CreateCompatibleBitmap(&screen, width, height);
        dc.CreateCompatibleDC(&screen);
        m_previous = ::SelectObject(dc, m_bitmap);
        dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~Canvas() { ::SelectObject(dc, m_previous); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }

    CDC dc;

private:
    CBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

}  // namespace scrolltest
