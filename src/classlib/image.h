#pragma once
// CImage: a picture file decoded by GDI+ into a DIB section the image owns.
//
// Pixel layout, the same for every loaded image: rows are stored top-down,
// GetBits points at the first byte of the top row and GetPitch is positive
// (bytes per row, a multiple of 4), so pixel (x, y) starts at byte offset
// y * GetPitch() + x * GetBPP() / 8 from GetBits.
//  - A picture with transparency is 32 bits per pixel, bytes blue, green,
//    red, alpha, with straight (not premultiplied) colour, and
//    HasAlphaChannel is true.
//  - Any other picture is 24 bits per pixel, bytes blue, green, red.

#include <windows.h>

class CImage {
public:
    CImage() = default;
    ~CImage() { Destroy(); }
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;
    CImage(CImage&& other) noexcept;
    CImage& operator=(CImage&& other) noexcept;

    // Decodes the file, replacing any picture held before. The path is
    // passed to the file system as it stands: Windows, and Wine on a
    // case-sensitive disk, both accept mixed and doubled separators and any
    // letter case. S_OK or E_FAIL; on failure the image is null.
    HRESULT Load(LPCWSTR path);

    bool IsNull() const { return m_hBitmap == nullptr; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetBPP() const { return m_bpp; }
    int GetPitch() const { return m_pitch; }
    void* GetBits() { return m_bits; }
    const void* GetBits() const { return m_bits; }
    bool HasAlphaChannel() const { return m_hasAlpha; }
    operator HBITMAP() const { return m_hBitmap; }

    // Each draws from a temporary memory device context holding the bitmap.
    // AlphaBlend adds AC_SRC_ALPHA when the image has an alpha channel, so
    // its colour must be premultiplied by then.
    BOOL AlphaBlend(HDC dest, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, BYTE sourceAlpha = 0xFF, BYTE blendOp = AC_SRC_OVER) const;
    BOOL AlphaBlend(HDC dest, int xDest, int yDest, BYTE sourceAlpha = 0xFF, BYTE blendOp = AC_SRC_OVER) const;
    BOOL StretchBlt(HDC dest, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop = SRCCOPY) const;
    BOOL StretchBlt(HDC dest, int xDest, int yDest, int destWidth, int destHeight, DWORD rop = SRCCOPY) const;
    BOOL BitBlt(HDC dest, int xDest, int yDest, int width, int height, int xSrc, int ySrc, DWORD rop = SRCCOPY) const;
    BOOL BitBlt(HDC dest, int xDest, int yDest, DWORD rop = SRCCOPY) const;

    // Gives up the bitmap without deleting it; the image becomes null.
    HBITMAP Detach();
    // Deletes the bitmap; the image becomes null.
    void Destroy();

private:
    void Reset();
    template <class Draw> BOOL WithSourceDC(Draw draw) const;

    HBITMAP m_hBitmap = nullptr;
    void* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_pitch = 0;
    int m_bpp = 0;
    bool m_hasAlpha = false;
};
