#include "support/png_file.h"

#include "classlib/gdiplus_session.h"

#include <gdiplus.h>

#include <vector>

namespace {

bool FindPngEncoder(CLSID* clsid)
{
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<BYTE> storage(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    if (Gdiplus::GetImageEncoders(count, size, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            *clsid = encoders[i].Clsid;
            return true;
        }
    return false;
}

}  // namespace

bool WritePngFile(const std::wstring& path, int width, int height, const std::function<Rgba(int x, int y)>& pixelAt,
                  bool alpha)
{
    CLSID png;
    if (!EnsureGdiplusStarted() || !FindPngEncoder(&png))
        return false;
    Gdiplus::Bitmap bitmap(width, height, alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba p = pixelAt(x, y);
            bitmap.SetPixel(x, y, Gdiplus::Color(p.a, p.r, p.g, p.b));
        }
    return bitmap.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}
