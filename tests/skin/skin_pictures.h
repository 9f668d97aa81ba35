#pragma once
// Test pictures for the skin tests: PNG files written with GDI+ and memory
// canvases whose pixels can be read back.

#include "classlib/gdi.h"
#include "classlib/gdiplus_session.h"

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skintest {

struct Rgba {
    BYTE r, g, b, a;
};

inline bool FindPngEncoder(CLSID* clsid)
{
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> storage(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            *clsid = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

// Writes `pixels` (rows top to bottom) as a PNG `width` pixels wide; with
// `alpha` the file keeps an alpha channel, otherwise it is plain RGB.
inline void WritePng(const std::wstring& path, int width, const std::vector<Rgba>& pixels, bool alpha)
{
    ASSERT_TRUE(EnsureGdiplusStarted());
    const int height = static_cast<int>(pixels.size()) / width;
    Gdiplus::Bitmap bitmap(width, height, alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba& p = pixels[static_cast<size_t>(y * width + x)];
            bitmap.SetPixel(x, y, Gdiplus::Color(p.a, p.r, p.g, p.b));
        }
    CLSID png;
    ASSERT_TRUE(FindPngEncoder(&png));
    ASSERT_EQ(bitmap.Save(path.c_str(), &png, nullptr), Gdiplus::Ok);
}

// A picture of one colour.
inline void WriteFlatPng(const std::wstring& path, int width, int height, Rgba colour, bool alpha)
{
    WritePng(path, width, std::vector<Rgba>(static_cast<size_t>(width * height), colour), alpha);
}

// A bitmap of the screen's format filled by `colourAt(x, y)`.
template <class ColourAt>
void PaintBitmap(CBitmap& bitmap, int width, int height, ColourAt colourAt)
{
    CClientDC screen(nullptr);
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    ScopedSelectObject select(dc, bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            dc.FillSolidRect(x, y, 1, 1, colourAt(x, y));
}

// The colour of one pixel of a bitmap that is not selected anywhere else.
inline COLORREF BitmapPixel(CBitmap& bitmap, int x, int y)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    ScopedSelectObject select(dc, bitmap);
    return ::GetPixel(dc, x, y);
}

inline SIZE BitmapSize(const CBitmap& bitmap)
{
    BITMAP info{};
    bitmap.GetBitmap(&info);
    return {info.bmWidth, info.bmHeight};
}

// A memory device context over a bitmap of the screen's format, filled with
// one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill)
    {
        CClientDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, width, height);
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
    HGDIOBJ m_previous;
};

} // namespace skintest
