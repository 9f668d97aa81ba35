#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace skingen {

namespace {

constexpr Gdiplus::PixelFormat kFormat = PixelFormat32bppARGB;

Rgba readPixel(const std::uint8_t* p)
{
    return {p[2], p[1], p[0], p[3]};
}

void writePixel(std::uint8_t* p, Rgba c)
{
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
    p[3] = c.a;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : m_width(width), m_height(height),
      m_bitmap(std::make_unique<Gdiplus::Bitmap>(width * kScale, height * kScale, kFormat))
{
    check(m_bitmap->GetLastStatus(), "create canvas");
    m_graphics = std::make_unique<Gdiplus::Graphics>(m_bitmap.get());
    check(m_graphics->GetLastStatus(), "open canvas");
    m_graphics->Clear(Gdiplus::Color(0, 0, 0, 0));
    m_graphics->ScaleTransform(static_cast<Gdiplus::REAL>(kScale), static_cast<Gdiplus::REAL>(kScale));
    m_graphics->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    m_graphics->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
}

void Canvas::shade(const Gdiplus::GraphicsPath& area, const Shader& shader)
{
    Gdiplus::RectF bounds;
    check(area.GetBounds(&bounds), "measure a path");
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.X * kScale)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.Y * kScale)));
    const int x1 = std::min(m_width * kScale, static_cast<int>(std::ceil((bounds.X + bounds.Width) * kScale)));
    const int y1 = std::min(m_height * kScale, static_cast<int>(std::ceil((bounds.Y + bounds.Height) * kScale)));
    if (x1 <= x0 || y1 <= y0) {
        return;
    }

    // The area's coverage, drawn the same way as everything else.
    Gdiplus::Bitmap mask(x1 - x0, y1 - y0, kFormat);
    check(mask.GetLastStatus(), "create mask");
    {
        Gdiplus::Graphics mg(&mask);
        mg.Clear(Gdiplus::Color(0, 0, 0, 0));
        mg.TranslateTransform(static_cast<Gdiplus::REAL>(-x0), static_cast<Gdiplus::REAL>(-y0));
        mg.ScaleTransform(static_cast<Gdiplus::REAL>(kScale), static_cast<Gdiplus::REAL>(kScale));
        mg.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
        check(mg.FillPath(&white, &area), "fill mask");
    }

    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    BitmapBits maskBits(mask, Gdiplus::ImageLockModeRead, kFormat);
    BitmapBits bits(*m_bitmap,
                    static_cast<Gdiplus::ImageLockMode>(Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite),
                    kFormat);
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* maskRow = maskBits.row(y - y0);
        std::uint8_t* row = bits.row(y);
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t coverage = maskRow[4 * (x - x0) + 3];
            if (coverage == 0) {
                continue;
            }
            Rgba c = shader((x + 0.5) / kScale, (y + 0.5) / kScale);
            c.a = static_cast<std::uint8_t>(c.a * coverage / 255);
            writePixel(row + 4 * x, over(c, readPixel(row + 4 * x)));
        }
    }
}

void Canvas::shade(const Gdiplus::RectF& area, const Shader& shader)
{
    Gdiplus::GraphicsPath path;
    path.AddRectangle(area);
    shade(path, shader);
}

void Canvas::repeatColumn(int from, int first, int last)
{
    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    BitmapBits bits(*m_bitmap,
                    static_cast<Gdiplus::ImageLockMode>(Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite),
                    kFormat);
    for (int y = 0; y < m_height * kScale; ++y) {
        std::uint8_t* row = bits.row(y);
        const std::uint8_t* source = row + 4 * from * kScale;
        for (int column = first; column <= last; ++column) {
            std::memmove(row + 4 * column * kScale, source, 4 * kScale);
        }
    }
}

void Canvas::repeatRow(int from, int first, int last)
{
    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    BitmapBits bits(*m_bitmap,
                    static_cast<Gdiplus::ImageLockMode>(Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite),
                    kFormat);
    const std::size_t rowBytes = static_cast<std::size_t>(4 * m_width * kScale);
    for (int row = first; row <= last; ++row) {
        for (int sub = 0; sub < kScale; ++sub) {
            std::memmove(bits.row(row * kScale + sub), bits.row(from * kScale + sub), rowBytes);
        }
    }
}

Pixels Canvas::resolve()
{
    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    BitmapBits bits(*m_bitmap, Gdiplus::ImageLockModeRead, kFormat);
    Pixels out(m_width, m_height);
    constexpr int kSamples = kScale * kScale;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            // Colours are averaged weighted by their opacity, so transparent
            // samples lend no colour to an edge.
            long alpha = 0;
            long red = 0;
            long green = 0;
            long blue = 0;
            for (int sy = 0; sy < kScale; ++sy) {
                const std::uint8_t* p = bits.row(y * kScale + sy) + 4 * x * kScale;
                for (int sx = 0; sx < kScale; ++sx, p += 4) {
                    alpha += p[3];
                    red += p[2] * p[3];
                    green += p[1] * p[3];
                    blue += p[0] * p[3];
                }
            }
            if (alpha == 0) {
                continue;
            }
            auto channel = [alpha](long sum) { return static_cast<std::uint8_t>((sum + alpha / 2) / alpha); };
            out.set(x, y,
                    {channel(red), channel(green), channel(blue),
                     static_cast<std::uint8_t>((alpha + kSamples / 2) / kSamples)});
        }
    }
    return out;
}

}  // namespace skingen
