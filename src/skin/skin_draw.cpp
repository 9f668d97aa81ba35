#include "skin/skin_draw.h"

#include "skin/paint_contexts.h"
#include "skin/png_header.h"

namespace {

// AlphaBlend expects colour already multiplied by alpha; the decoder gives
// straight colour. Rounds down, as value * alpha / 255 in integers.
void PremultiplyAlpha(CImage& image)
{
    auto* bits = static_cast<BYTE*>(image.GetBits());
    const int pitch = image.GetPitch();
    for (int x = 0; x < image.GetWidth(); ++x) {
        for (int y = 0; y < image.GetHeight(); ++y) {
            BYTE* pixel = bits + y * pitch + x * 4;
            const unsigned alpha = pixel[3];
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = static_cast<BYTE>(pixel[channel] * alpha / 255);
        }
    }
}

}  // namespace

bool LoadPngForDrawing(const wchar_t* path, CImage& image)
{
    if (FAILED(image.Load(path)) || image.IsNull())
        return false;
    if (image.GetBPP() == 32 && image.GetWidth() >= 1)
        PremultiplyAlpha(image);
    return true;
}

void DrawPreparedPng(CDC& dc, const CImage& image, int x, int y)
{
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    CDC& source = PictureSourceContext();
    ScopedSelectObject select(source.m_hDC, static_cast<HBITMAP>(image));
    if (image.HasAlphaChannel()) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 0xFF, AC_SRC_ALPHA};
        ::GdiAlphaBlend(dc, x, y, width, height, source, 0, 0, width, height, blend);
    } else {
        ::StretchBlt(dc, x, y, width, height, source, 0, 0, width, height, SRCCOPY);
    }
}

int DrawPngWithAlpha(CDC* dc, const wchar_t* path, int x, int y)
{
    if (!dc || !dc->GetSafeHdc())
        return 0;
    CImage image;
    if (!LoadPngForDrawing(path, image))
        return 0;
    DrawPreparedPng(*dc, image, x, y);
    return 1;
}

BOOL CreateDrawingBitmap(CBitmap& bitmap, CDC* reference, int width, int height)
{
    if (width <= 0 || height <= 0)
        return bitmap.CreateCompatibleBitmap(reference, width, height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP created = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap.Attach(created))
        return TRUE;
    if (created)
        ::DeleteObject(created);
    return FALSE;
}

void CopyBitmapRect(CDC* reference, CBitmap* destination, CBitmap* source, int left, int top, int right, int bottom)
{
    if (!source || !source->GetSafeHandle() || !destination)
        return;

    destination->DeleteObject();
    const int width = right - left;
    const int height = bottom - top;
    CreateDrawingBitmap(*destination, reference, width, height);

    CDC target;
    CDC from;
    target.CreateCompatibleDC(reference);
    from.CreateCompatibleDC(reference);
    ScopedSelectObject selectTarget(target, *destination);
    ScopedSelectObject selectSource(from, *source);
    target.StretchBlt(0, 0, width, height, &from, left, top, width, height, SRCCOPY);
}

bool LoadPictureBitmap(const wchar_t* path, CBitmap& bitmap)
{
    bitmap.DeleteObject();
    CImage image;
    if (FAILED(image.Load(path)) || image.IsNull())
        return false;
    return bitmap.Attach(image.Detach()) != FALSE;
}

bool LoadPictureBitmapOnce(const wchar_t* path, CBitmap& bitmap)
{
    return bitmap.GetSafeHandle() || LoadPictureBitmap(path, bitmap);
}

SIZE MeasurePicture(const wchar_t* path)
{
    // A PNG file's header tells its size: decoding the whole picture for it
    // would cost as much as drawing it.
    if (const std::optional<SIZE> size = PngFileHeaderSize(path))
        return *size;
    CImage image;
    if (FAILED(image.Load(path)) || image.IsNull())
        return {0, 0};
    return {image.GetWidth(), image.GetHeight()};
}
