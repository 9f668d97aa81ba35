#include "resource_art.h"

#include "canvas.h"
#include "emblem_art.h"
#include "shapes.h"

#include <stdexcept>

namespace skingen {

namespace {

constexpr int kCellWidth = 13;
constexpr int kCellHeight = 16;

void put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, unsigned value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// BITMAPINFOHEADER fields in file order.
void putInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bits, unsigned imageBytes)
{
    put32(out, 40);
    put32(out, static_cast<unsigned>(width));
    put32(out, static_cast<unsigned>(height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
}

// One icon image as a DIB: colour rows bottom-up with straight alpha, then
// the 1-bit mask (set where fully transparent).
std::vector<std::uint8_t> iconDib(const Pixels& image)
{
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    std::vector<std::uint8_t> out;
    putInfoHeader(out, size, 2 * size, 32, static_cast<unsigned>(size * size * 4 + maskStride * size));
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgba p = image.at(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < size; ++x) {
            if (image.at(x, y).a == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void drawArrowCell(Canvas& canvas, int column, int row, int direction)
{
    // direction: 0 up, 1 down, 2 left, 3 right.
    const float x = static_cast<float>(column * kCellWidth);
    const float y = static_cast<float>(row * kCellHeight);
    const Rgb faces[] = {pal::kArrowCell, pal::kHoverTop, pal::kCrimson};
    fillRect(canvas, RectF(x, y, kCellWidth, kCellHeight), Rgba(faces[row]));
    const Rgba ink = row == 0 ? Rgba(pal::kGlyph) : Rgba(pal::kWhite);
    // A small triangle centred on the cell's top 13 x 13 square, which is
    // what a full repaint shows; squeezing the 16 rows into 13 keeps it there.
    if (direction < 2) {
        drawTriangle(canvas, RectF(x + 3.0f, y + 4.5f, 7.0f, 4.0f), direction == 0, ink);
    } else {
        Gdiplus::GraphicsPath path;
        const float cx = x + 6.5f;
        const float cy = y + 6.5f;
        const float tip = direction == 2 ? -2.0f : 2.0f;
        addPolygon(path, {PointF(cx + tip, cy), PointF(cx - tip, cy - 3.5f), PointF(cx - tip, cy + 3.5f)});
        fillPath(canvas, path, ink);
    }
}

}  // namespace

Pixels drawIconImage(int size)
{
    Canvas canvas(size, size);
    drawIcon(canvas);
    return canvas.resolve();
}

std::vector<std::uint8_t> iconFile(const std::vector<Pixels>& images)
{
    std::vector<std::vector<std::uint8_t>> data;
    for (const Pixels& image : images) {
        if (image.width() != image.height() || image.width() > 256) {
            throw std::invalid_argument("icon images are squares of at most 256 pixels");
        }
        data.push_back(image.width() == 256 ? encodePng(image, 32) : iconDib(image));
    }
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, static_cast<unsigned>(images.size()));
    unsigned offset = static_cast<unsigned>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
        out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, static_cast<unsigned>(data[i].size()));
        put32(out, offset);
        offset += static_cast<unsigned>(data[i].size());
    }
    for (const auto& d : data) {
        out.insert(out.end(), d.begin(), d.end());
    }
    return out;
}

Pixels drawScrollBarCells()
{
    Canvas canvas(9 * kCellWidth, 3 * kCellHeight);
    const Rgb thumbs[] = {pal::kRim, pal::kGlyphDim, pal::kCrimson};
    for (int row = 0; row < 3; ++row) {
        const float y = static_cast<float>(row * kCellHeight);
        drawArrowCell(canvas, 0, row, 0);
        drawArrowCell(canvas, 1, row, 1);
        drawArrowCell(canvas, 4, row, 2);
        drawArrowCell(canvas, 5, row, 3);

        // Vertical thumb and track: the same in every row of a cell, so the
        // bar may tile them along its length.
        const float vThumb = 2.0f * kCellWidth;
        fillRect(canvas, RectF(vThumb, y, kCellWidth, kCellHeight), Rgba(pal::kWell));
        fillRect(canvas, RectF(vThumb + 3.0f, y, 7.0f, kCellHeight), Rgba(thumbs[row]));
        const float vTrack = 3.0f * kCellWidth;
        fillRect(canvas, RectF(vTrack, y, kCellWidth, kCellHeight), Rgba(pal::kWell));
        fillRect(canvas, RectF(vTrack + 6.0f, y, 1.0f, kCellHeight), Rgba(pal::kLine));

        // Horizontal ones: the same in every column, their cross-section in
        // rows 0-12 (rows 13-15 repeat row 12, plain well).
        const float hThumb = 6.0f * kCellWidth;
        fillRect(canvas, RectF(hThumb, y, kCellWidth, kCellHeight), Rgba(pal::kWell));
        fillRect(canvas, RectF(hThumb, y + 3.0f, kCellWidth, 7.0f), Rgba(thumbs[row]));
        const float hTrack = 7.0f * kCellWidth;
        fillRect(canvas, RectF(hTrack, y, kCellWidth, kCellHeight), Rgba(pal::kWell));
        fillRect(canvas, RectF(hTrack, y + 6.0f, kCellWidth, 1.0f), Rgba(pal::kLine));
    }
    fillRect(canvas, RectF(8.0f * kCellWidth, 0.0f, kCellWidth, 3.0f * kCellHeight), Rgba(pal::kWell));
    return canvas.resolve();
}

std::vector<std::uint8_t> bitmapFile(const Pixels& image)
{
    if (!image.isOpaque()) {
        throw std::invalid_argument("the bitmap is stored without alpha and must be opaque");
    }
    const int stride = (image.width() * 3 + 3) / 4 * 4;
    const unsigned imageBytes = static_cast<unsigned>(stride * image.height());
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 14 + 40 + imageBytes);
    put32(out, 0);
    put32(out, 14 + 40);
    putInfoHeader(out, image.width(), image.height(), 24, imageBytes);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba p = image.at(x, y);
            out.insert(out.end(), {p.b, p.g, p.r});
        }
        out.insert(out.end(), static_cast<std::size_t>(stride - image.width() * 3), 0);
    }
    return out;
}

}  // namespace skingen
