#include "classlib/image.h"

#include "classlib/gdi.h"
#include "classlib/gdiplus_session.h"

#include <gdiplus.h>

#include <cstring>
#include <memory>
#include <utility>

namespace {

bool HasTransparency(Gdiplus::Bitmap& bitmap)
{
    const Gdiplus::PixelFormat format = bitmap.GetPixelFormat();
    if (Gdiplus::IsAlphaPixelFormat(format))
        return true;
    if (!Gdiplus::IsIndexedPixelFormat(format))
        return false;
    // A paletted picture is transparent when its palette says so.
    const INT size = bitmap.GetPaletteSize();
    if (size <= 0)
        return false;
    auto storage = std::make_unique<BYTE[]>(static_cast<size_t>(size));
    auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(storage.get());
    return bitmap.GetPalette(palette, size) == Gdiplus::Ok && (palette->Flags & Gdiplus::PaletteFlagsHasAlpha) != 0;
}

HBITMAP CreateTopDownDib(int width, int height, int bpp, void** bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bpp);
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

CImage::CImage(CImage&& other) noexcept
    : m_hBitmap(std::exchange(other.m_hBitmap, nullptr)), m_bits(other.m_bits), m_width(other.m_width),
      m_height(other.m_height), m_pitch(other.m_pitch), m_bpp(other.m_bpp), m_hasAlpha(other.m_hasAlpha)
{
    other.Reset();
}

CImage& CImage::operator=(CImage&& other) noexcept
{
    if (this != &other) {
        Destroy();
        m_hBitmap = std::exchange(other.m_hBitmap, nullptr);
        m_bits = other.m_bits;
        m_width = other.m_width;
        m_height = other.m_height;
        m_pitch = other.m_pitch;
        m_bpp = other.m_bpp;
        m_hasAlpha = other.m_hasAlpha;
        other.Reset();
    }
    return *this;
}

HRESULT CImage::Load(LPCWSTR path)
{
    Destroy();
    if (!path || !EnsureGdiplusStarted())
        return E_FAIL;

    // Scoped so that GDI+ lets go of the file before returning.
    Gdiplus::Bitmap decoded(path);
    if (decoded.GetLastStatus() != Gdiplus::Ok)
        return E_FAIL;
    const int width = static_cast<int>(decoded.GetWidth());
    const int height = static_cast<int>(decoded.GetHeight());
    if (width <= 0 || height <= 0)
        return E_FAIL;

    const bool alpha = HasTransparency(decoded);
    const int bpp = alpha ? 32 : 24;
    const Gdiplus::PixelFormat format = alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB;

    void* bits = nullptr;
    HBITMAP dib = CreateTopDownDib(width, height, bpp, &bits);
    if (!dib)
        return E_FAIL;
    const int pitch = ((width * bpp + 31) / 32) * 4;

    // PixelFormat32bppARGB is straight alpha in blue, green, red, alpha byte
    // order; 24bppRGB is blue, green, red: both the DIB's own layouts.
    Gdiplus::Rect whole(0, 0, width, height);
    Gdiplus::BitmapData locked{};
    if (decoded.LockBits(&whole, Gdiplus::ImageLockModeRead, format, &locked) != Gdiplus::Ok) {
        ::DeleteObject(dib);
        return E_FAIL;
    }
    const size_t rowBytes = static_cast<size_t>(width) * static_cast<size_t>(bpp / 8);
    for (int y = 0; y < height; ++y) {
        const auto* from = static_cast<const BYTE*>(locked.Scan0) + static_cast<ptrdiff_t>(y) * locked.Stride;
        std::memcpy(static_cast<BYTE*>(bits) + static_cast<size_t>(y) * static_cast<size_t>(pitch), from, rowBytes);
    }
    decoded.UnlockBits(&locked);

    m_hBitmap = dib;
    m_bits = bits;
    m_width = width;
    m_height = height;
    m_pitch = pitch;
    m_bpp = bpp;
    m_hasAlpha = alpha;
    return S_OK;
}

HBITMAP CImage::Detach()
{
    HBITMAP bitmap = m_hBitmap;
    m_hBitmap = nullptr;
    Reset();
    return bitmap;
}

void CImage::Destroy()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    Reset();
}

void CImage::Reset()
{
    m_bits = nullptr;
    m_width = m_height = m_pitch = m_bpp = 0;
    m_hasAlpha = false;
}

template <class Draw> BOOL CImage::WithSourceDC(Draw draw) const
{
    if (!m_hBitmap)
        return FALSE;
    CDC source;
    if (!source.CreateCompatibleDC(nullptr))
        return FALSE;
    ScopedSelectObject select(source.m_hDC, m_hBitmap);
    return draw(source.m_hDC);
}

BOOL CImage::AlphaBlend(HDC dest, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                        int srcHeight, BYTE sourceAlpha, BYTE blendOp) const
{
    const BLENDFUNCTION blend{blendOp, 0, sourceAlpha, static_cast<BYTE>(m_hasAlpha ? AC_SRC_ALPHA : 0)};
    return WithSourceDC([&](HDC source) {
        return ::GdiAlphaBlend(dest, xDest, yDest, destWidth, destHeight, source, xSrc, ySrc, srcWidth, srcHeight,
                               blend);
    });
}

BOOL CImage::AlphaBlend(HDC dest, int xDest, int yDest, BYTE sourceAlpha, BYTE blendOp) const
{
    return AlphaBlend(dest, xDest, yDest, m_width, m_height, 0, 0, m_width, m_height, sourceAlpha, blendOp);
}

BOOL CImage::StretchBlt(HDC dest, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                        int srcHeight, DWORD rop) const
{
    return WithSourceDC([&](HDC source) {
        return ::StretchBlt(dest, xDest, yDest, destWidth, destHeight, source, xSrc, ySrc, srcWidth, srcHeight, rop);
    });
}

BOOL CImage::StretchBlt(HDC dest, int xDest, int yDest, int destWidth, int destHeight, DWORD rop) const
{
    return StretchBlt(dest, xDest, yDest, destWidth, destHeight, 0, 0, m_width, m_height, rop);
}

BOOL CImage::BitBlt(HDC dest, int xDest, int yDest, int width, int height, int xSrc, int ySrc, DWORD rop) const
{
    return WithSourceDC(
        [&](HDC source) { return ::BitBlt(dest, xDest, yDest, width, height, source, xSrc, ySrc, rop); });
}

BOOL CImage::BitBlt(HDC dest, int xDest, int yDest, DWORD rop) const
{
    return BitBlt(dest, xDest, yDest, m_width, m_height, 0, 0, rop);
}
