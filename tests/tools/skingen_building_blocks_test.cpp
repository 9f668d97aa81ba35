// The generator's building blocks: compositing, the supersampled canvas, the
// stroke letters, and the PNG, icon and bitmap encoders.

#include "skingen/canvas.h"
#include "skingen/curves.h"
#include "skingen/resource_art.h"
#include "skingen/shapes.h"
#include "skingen/stroke_font.h"

#include <gtest/gtest.h>

#include <objidl.h>

#include <cstring>
#include <stdexcept>

namespace {

using namespace skingen;

class BuildingBlocks : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_gdiplus = new GdiplusSession; }
    static void TearDownTestSuite()
    {
        delete s_gdiplus;
        s_gdiplus = nullptr;
    }
    static GdiplusSession* s_gdiplus;
};

GdiplusSession* BuildingBlocks::s_gdiplus = nullptr;

bool same(Rgba a, Rgba b, int tolerance = 0)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance &&
           std::abs(a.a - b.a) <= tolerance;
}

// A PNG read back through GDI+: its pixel format and the straight colour of
// one pixel.
struct Decoded {
    Gdiplus::PixelFormat format;
    Rgba pixel;
};

Decoded decode(const std::vector<std::uint8_t>& png, int x, int y)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, png.size());
    std::memcpy(GlobalLock(memory), png.data(), png.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(memory, TRUE, &stream);
    Decoded out{};
    {
        Gdiplus::Bitmap bitmap(stream);
        out.format = bitmap.GetPixelFormat();
        Gdiplus::Color c;
        bitmap.GetPixel(x, y, &c);
        out.pixel = Rgba(c.GetR(), c.GetG(), c.GetB(), c.GetA());
    }
    stream->Release();
    return out;
}

TEST(Compositing, SourceOverOfStraightColours)
{
    const Rgba blue(0, 0, 255, 255);
    EXPECT_TRUE(same(over(Rgba(255, 0, 0, 255), blue), Rgba(255, 0, 0, 255)));
    EXPECT_TRUE(same(over(kTransparent, blue), blue));
    EXPECT_TRUE(same(over(Rgba(255, 0, 0, 128), blue), Rgba(128, 0, 127, 255), 1));
    // Over a transparent ground a colour keeps its own value and opacity.
    EXPECT_TRUE(same(over(Rgba(200, 100, 50, 64), kTransparent), Rgba(200, 100, 50, 64)));
    // Two half-transparent layers: opacity 1 - (1 - a)(1 - b), colour weighted.
    EXPECT_TRUE(same(over(Rgba(255, 0, 0, 128), Rgba(0, 0, 255, 128)), Rgba(170, 0, 85, 192), 1));
}

TEST_F(BuildingBlocks, WholePixelShapesKeepTheirExactColourAndEdgesBlendWithoutDarkening)
{
    Canvas canvas(6, 4);
    fillRect(canvas, RectF(1.0f, 1.0f, 2.0f, 2.0f), Rgba(pal::kCrimson));
    fillRect(canvas, RectF(4.0f, 0.0f, 0.5f, 4.0f), Rgba(pal::kWhite));
    const Pixels p = canvas.resolve();
    EXPECT_TRUE(same(p.at(1, 1), Rgba(pal::kCrimson)));
    EXPECT_TRUE(same(p.at(2, 2), Rgba(pal::kCrimson)));
    EXPECT_EQ(p.at(0, 0).a, 0);
    EXPECT_EQ(p.at(3, 1).a, 0);
    // Half a pixel of white: half opaque, and still white.
    EXPECT_TRUE(same(p.at(4, 2), Rgba(255, 255, 255, 128)));
    EXPECT_EQ(p.at(5, 2).a, 0);
}

TEST_F(BuildingBlocks, ShadersSeePicturePixelsAndStayInsideTheirArea)
{
    Canvas canvas(8, 3);
    Gdiplus::GraphicsPath area;
    addPolygon(area, {PointF(2.0f, 0.0f), PointF(6.0f, 0.0f), PointF(6.0f, 3.0f), PointF(2.0f, 3.0f)});
    canvas.shade(area, [](double x, double y) {
        return Rgba(static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(y * 10), 0, 255);
    });
    const Pixels p = canvas.resolve();
    EXPECT_EQ(p.at(1, 1).a, 0);
    EXPECT_EQ(p.at(6, 1).a, 0);
    // Pixel (3, 1) averages its samples at x 3.125 .. 3.875, y 1.125 .. 1.875.
    EXPECT_TRUE(same(p.at(3, 1), Rgba(35, 15, 0, 255), 1));
    EXPECT_TRUE(same(p.at(5, 2), Rgba(55, 25, 0, 255), 1));
}

TEST_F(BuildingBlocks, RepeatedColumnsAndRowsCopyTheirSourceExactly)
{
    Canvas canvas(5, 5);
    canvas.shade(RectF(0.0f, 0.0f, 5.0f, 5.0f), [](double x, double y) {
        return Rgba(static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 40), 7, 255);
    });
    canvas.repeatColumn(1, 3, 4);
    canvas.repeatRow(2, 4, 4);
    const Pixels p = canvas.resolve();
    for (int y = 0; y < 4; ++y) {
        EXPECT_TRUE(same(p.at(3, y), p.at(1, y)));
        EXPECT_TRUE(same(p.at(4, y), p.at(1, y)));
    }
    for (int x = 0; x < 5; ++x) {
        EXPECT_TRUE(same(p.at(x, 4), p.at(x, 2)));
    }
    EXPECT_FALSE(same(p.at(2, 0), p.at(1, 0)));
}

TEST_F(BuildingBlocks, PngKeepsDepthAndStraightAlpha)
{
    Pixels opaque(3, 2, Rgba(pal::kBody));
    opaque.set(2, 1, Rgba(pal::kRedHi));
    const Decoded rgb = decode(encodePng(opaque, 24), 2, 1);
    EXPECT_EQ(rgb.format, PixelFormat24bppRGB);
    EXPECT_TRUE(same(rgb.pixel, Rgba(pal::kRedHi)));

    Pixels translucent(3, 2);
    translucent.set(1, 0, Rgba(255, 255, 255, 128));
    const Decoded rgba = decode(encodePng(translucent, 32), 1, 0);
    EXPECT_EQ(rgba.format, PixelFormat32bppARGB);
    EXPECT_TRUE(same(rgba.pixel, Rgba(255, 255, 255, 128)));

    // A picture meant to be opaque that is not is a drawing fault.
    EXPECT_THROW(encodePng(translucent, 24), std::runtime_error);
    EXPECT_THROW(encodePng(opaque, 16), std::invalid_argument);
}

TEST_F(BuildingBlocks, IconFileListsEachImageWhereItLies)
{
    std::vector<Pixels> images;
    for (int size : {16, 256}) {
        Pixels p(size, size, Rgba(pal::kBody));
        p.set(0, 0, kTransparent);
        images.push_back(p);
    }
    const std::vector<std::uint8_t> file = iconFile(images);
    auto word = [&](std::size_t at) { return file[at] | (file[at + 1] << 8); };
    auto dword = [&](std::size_t at) { return static_cast<std::size_t>(word(at) | (word(at + 2) << 16)); };
    ASSERT_GE(file.size(), 38u);
    EXPECT_EQ(word(2), 1);  // icon
    EXPECT_EQ(word(4), 2);  // two images

    // First entry: 16 px as a DIB of doubled height, colour then mask.
    EXPECT_EQ(file[6], 16);
    const std::size_t size16 = dword(6 + 8);
    const std::size_t at16 = dword(6 + 12);
    EXPECT_EQ(at16, 6u + 2 * 16);
    EXPECT_EQ(size16, 40u + 16 * 16 * 4 + 16 * 4);
    EXPECT_EQ(dword(at16 + 8), 32u);  // biHeight = 2 x 16
    // The transparent top-left pixel is the first bit of the mask's last row
    // (rows are stored bottom-up).
    EXPECT_EQ(file[at16 + 40 + 16 * 16 * 4 + 15 * 4], 0x80);
    EXPECT_EQ(file[at16 + 40 + 16 * 16 * 4], 0x00);
    HICON icon = CreateIconFromResourceEx(const_cast<std::uint8_t*>(file.data() + at16), static_cast<DWORD>(size16),
                                          TRUE, 0x00030000, 16, 16, LR_DEFAULTCOLOR);
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);

    // Second entry: 256 px, written as 0, stored as PNG right after the first.
    EXPECT_EQ(file[22], 0);
    EXPECT_EQ(dword(22 + 12), at16 + size16);
    EXPECT_EQ(dword(22 + 12) + dword(22 + 8), file.size());
    EXPECT_EQ(std::memcmp(file.data() + dword(22 + 12), "\x89PNG", 4), 0);
}

TEST_F(BuildingBlocks, BitmapFileRowsArePaddedAndBottomUp)
{
    Pixels picture(5, 2, Rgba(10, 20, 30, 255));
    picture.set(0, 1, Rgba(1, 2, 3, 255));
    const std::vector<std::uint8_t> file = bitmapFile(picture);
    const std::size_t stride = 16;  // 5 x 3 bytes rounded up to 4
    ASSERT_EQ(file.size(), 14u + 40u + 2 * stride);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[28], 24);  // bits per pixel
    // The first stored row is the picture's bottom row, blue first.
    EXPECT_EQ(file[54], 3);
    EXPECT_EQ(file[55], 2);
    EXPECT_EQ(file[56], 1);
    EXPECT_EQ(file[54 + stride], 30);
    EXPECT_THROW(bitmapFile(Pixels(2, 2)), std::invalid_argument);
}

// The letters' ink must stay inside the box textWidth reports, or labels
// aligned by it overlap their neighbours or spill out of their picture.
TEST_F(BuildingBlocks, StrokeLettersStayInsideTheirMeasuredBox)
{
    const TextStyle style{12.0f, 2.0f, 1.0f};
    for (const char* text : {"RV417 TALVEN", "1000 Hz", "250 Hz", "1234567", "AB", "?"}) {
        SCOPED_TRACE(text);
        const float width = textWidth(text, style);
        Canvas canvas(static_cast<int>(width) + 8, 20);
        drawText(canvas, text, PointF(4.0f, 4.0f), style, Rgba(pal::kWhite));
        const Pixels p = canvas.resolve();
        bool inked = false;
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 0; x < p.width(); ++x) {
                const bool inside = x >= 3 && x <= 4 + width && y >= 3 && y <= 16;
                if (p.at(x, y).a > 0) {
                    inked = true;
                    EXPECT_TRUE(inside) << "ink at " << x << ", " << y;
                }
            }
        }
        EXPECT_TRUE(inked);
    }
    EXPECT_LT(textWidth("LV", style), textWidth("L", style) + style.tracking + textWidth("V", style));
    EXPECT_THROW(textWidth("#", style), std::invalid_argument);
}

TEST(Curves, SplinePassesThroughItsPointsAndArcsEndWhereAsked)
{
    const std::vector<PointF> through{PointF(0.0f, 0.0f), PointF(10.0f, 5.0f), PointF(20.0f, 0.0f),
                                      PointF(30.0f, 8.0f)};
    const auto curve = splineThrough(through);
    for (const PointF& p : through) {
        bool hit = false;
        for (const PointF& q : curve) {
            hit = hit || (std::fabs(q.X - p.X) < 1e-4f && std::fabs(q.Y - p.Y) < 1e-4f);
        }
        EXPECT_TRUE(hit) << p.X << ", " << p.Y;
    }
    const auto arc = arcPoints(PointF(10.0f, 10.0f), 5.0f, 5.0f, 180.0f, 270.0f);
    EXPECT_NEAR(arc.front().X, 5.0f, 1e-4f);
    EXPECT_NEAR(arc.front().Y, 10.0f, 1e-4f);
    EXPECT_NEAR(arc.back().X, 10.0f, 1e-4f);
    EXPECT_NEAR(arc.back().Y, 5.0f, 1e-4f);
}

}  // namespace
