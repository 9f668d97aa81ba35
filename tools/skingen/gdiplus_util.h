#pragma once
// Small owners and helpers around GDI+.

#include "palette.h"

#include <windows.h>
#include <gdiplus.h>

#include <cstdint>
#include <vector>

namespace skingen {

// GDI+ is started for the lifetime of the object.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};

// Throws std::runtime_error naming `what` when GDI+ reports a failure.
void check(Gdiplus::Status status, const char* what);

// The locked pixels of a whole bitmap, unlocked when the object goes.
class BitmapBits {
public:
    BitmapBits(Gdiplus::Bitmap& bitmap, Gdiplus::ImageLockMode mode, Gdiplus::PixelFormat format);
    ~BitmapBits();
    BitmapBits(const BitmapBits&) = delete;
    BitmapBits& operator=(const BitmapBits&) = delete;

    std::uint8_t* row(int y) const
    {
        return static_cast<std::uint8_t*>(m_data.Scan0) + static_cast<std::ptrdiff_t>(y) * m_data.Stride;
    }

private:
    Gdiplus::Bitmap& m_bitmap;
    Gdiplus::BitmapData m_data{};
};

std::vector<std::uint8_t> saveAsPng(Gdiplus::Bitmap& bitmap);

inline Gdiplus::Color gdi(Rgba c)
{
    return Gdiplus::Color(c.a, c.r, c.g, c.b);
}

inline Gdiplus::Color gdi(Rgb c, std::uint8_t alpha = 255)
{
    return Gdiplus::Color(alpha, c.r, c.g, c.b);
}

}  // namespace skingen
