#include "classlib/image.h"

#include "classlib/gdi.h"
#include "classlib/gdiplus_session.h"
#include "support/png_file.h"
#include "support/test_support.h"

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Pixel = Rgba;

// Writes a PNG of `width` x rows; with `alpha` the file carries an alpha
// channel, otherwise it is plain RGB.
void WritePng(const std::wstring& path, int width, const std::vector<Pixel>& pixels, bool alpha)
{
    const int height = static_cast<int>(pixels.size()) / width;
    ASSERT_TRUE(WritePngFile(
        path, width, height, [&](int x, int y) { return pixels[static_cast<size_t>(y * width + x)]; }, alpha));
}

const BYTE* PixelAt(const CImage& image, int x, int y)
{
    return static_cast<const BYTE*>(image.GetBits()) + y * image.GetPitch() + x * image.GetBPP() / 8;
}

// A black 24-bit memory canvas for drawing images onto.
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous;
    Canvas(int width, int height)
    {
        CClientDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, width, height);
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, RGB(0, 0, 255));
    }
    ~Canvas() { dc.SelectObject(previous); }
    COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }
};

bool Near(COLORREF c, int r, int g, int b)
{
    auto close = [](int a, int e) { return a >= e - 2 && a <= e + 2; };
    return close(GetRValue(c), r) && close(GetGValue(c), g) && close(GetBValue(c), b);
}

}  // namespace

TEST(Image, TransparentPngKeepsStraightBgraTopDown)
{
    TempFolder dir;
    // Odd width and two rows: catches row order and row padding mistakes.
    WritePng(dir.file(L"a.png"), 3,
             {
                 {255, 255, 255, 128},
                 {255, 0, 0, 0},
                 {0, 0, 255, 255},
                 {10, 20, 30, 200},
                 {0, 255, 0, 255},
                 {1, 2, 3, 4},
             },
             true);

    CImage image;
    ASSERT_EQ(image.Load(dir.file(L"a.png").c_str()), S_OK);
    ASSERT_FALSE(image.IsNull());
    EXPECT_EQ(image.GetBPP(), 32);
    EXPECT_TRUE(image.HasAlphaChannel());
    EXPECT_EQ(image.GetWidth(), 3);
    EXPECT_EQ(image.GetHeight(), 2);
    EXPECT_EQ(image.GetPitch(), 12);

    const BYTE* halfWhite = PixelAt(image, 0, 0);
    EXPECT_EQ((std::vector<int>{halfWhite[0], halfWhite[1], halfWhite[2], halfWhite[3]}),
              (std::vector<int>{255, 255, 255, 128}));  // not premultiplied
    const BYTE* clearRed = PixelAt(image, 1, 0);
    EXPECT_EQ(clearRed[3], 0);
    EXPECT_EQ(clearRed[2], 255);  // colour kept under alpha 0
    const BYTE* lastRow = PixelAt(image, 0, 1);
    EXPECT_EQ((std::vector<int>{lastRow[0], lastRow[1], lastRow[2], lastRow[3]}), (std::vector<int>{30, 20, 10, 200}));
    const BYTE* corner = PixelAt(image, 2, 1);
    EXPECT_EQ((std::vector<int>{corner[0], corner[1], corner[2], corner[3]}), (std::vector<int>{3, 2, 1, 4}));
}

TEST(Image, OpaquePngIsTwentyFourBitWithPaddedRows)
{
    TempFolder dir;
    std::vector<Pixel> pixels(10, Pixel{0, 0, 0, 255});
    pixels[4] = {200, 100, 50, 255};  // (4, 0): last of the top row
    pixels[7] = {7, 8, 9, 255};       // (2, 1)
    WritePng(dir.file(L"b.png"), 5, pixels, false);

    CImage image;
    ASSERT_EQ(image.Load(dir.file(L"b.png").c_str()), S_OK);
    EXPECT_EQ(image.GetBPP(), 24);
    EXPECT_FALSE(image.HasAlphaChannel());
    EXPECT_EQ(image.GetPitch(), 16);  // 15 bytes rounded up to whole DWORDs
    const BYTE* a = PixelAt(image, 4, 0);
    EXPECT_EQ((std::vector<int>{a[0], a[1], a[2]}), (std::vector<int>{50, 100, 200}));
    const BYTE* b = PixelAt(image, 2, 1);
    EXPECT_EQ((std::vector<int>{b[0], b[1], b[2]}), (std::vector<int>{9, 8, 7}));
}

TEST(Image, FailedLoadLeavesANullImage)
{
    TempFolder dir;
    {
        std::ofstream junk(dir.file(L"junk.png").c_str(), std::ios::binary);
        junk << "not a picture";
    }
    WritePng(dir.file(L"ok.png"), 1, {{1, 2, 3, 255}}, false);

    CImage image;
    ASSERT_EQ(image.Load(dir.file(L"ok.png").c_str()), S_OK);
    EXPECT_EQ(image.Load(dir.file(L"missing.png").c_str()), E_FAIL);
    EXPECT_TRUE(image.IsNull());  // the earlier picture is gone
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(image.GetBits(), nullptr);
    EXPECT_EQ(image.Load(dir.file(L"junk.png").c_str()), E_FAIL);
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(image.Load(nullptr), E_FAIL);

    // The decoder lets go of the file once loaded.
    ASSERT_EQ(image.Load(dir.file(L"ok.png").c_str()), S_OK);
    EXPECT_TRUE(::DeleteFileW(dir.file(L"ok.png").c_str()));
}

TEST(Image, DetachHandsOverTheBitmapAndDestroyDeletesIt)
{
    TempFolder dir;
    WritePng(dir.file(L"c.png"), 2, {{1, 2, 3, 255}, {4, 5, 6, 255}}, false);

    CImage image;
    ASSERT_EQ(image.Load(dir.file(L"c.png").c_str()), S_OK);
    CBitmap kept;
    kept.Attach(image.Detach());
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(image.GetBPP(), 0);
    BITMAP info{};
    ASSERT_NE(kept.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 2);

    ASSERT_EQ(image.Load(dir.file(L"c.png").c_str()), S_OK);
    HBITMAP owned = image;
    image.Destroy();
    EXPECT_EQ(::GetObjectType(owned), 0u);

    ASSERT_EQ(image.Load(dir.file(L"c.png").c_str()), S_OK);
    CImage moved(std::move(image));
    EXPECT_TRUE(image.IsNull());
    EXPECT_EQ(moved.GetWidth(), 2);
}

TEST(Image, DrawsBlendedAfterPremultiplyingAndCopiesOpaqueImages)
{
    TempFolder dir;
    WritePng(dir.file(L"t.png"), 2, {{255, 255, 255, 128}, {255, 0, 0, 0}}, true);
    WritePng(dir.file(L"o.png"), 2, {{255, 0, 0, 255}, {0, 255, 0, 255}}, false);

    CImage transparent;
    ASSERT_EQ(transparent.Load(dir.file(L"t.png").c_str()), S_OK);
    // The callers premultiply in place before blending.
    auto* bits = static_cast<BYTE*>(transparent.GetBits());
    for (int x = 0; x < transparent.GetWidth(); ++x) {
        BYTE* p = bits + x * 4;
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<BYTE>(p[c] * p[3] / 255);
    }
    Canvas canvas(8, 4);
    ASSERT_TRUE(transparent.AlphaBlend(canvas.dc, 1, 1));
    EXPECT_TRUE(Near(canvas.At(1, 1), 128, 128, 255)) << std::hex << canvas.At(1, 1);
    EXPECT_EQ(canvas.At(2, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(3, 1), RGB(0, 0, 255));

    CImage opaque;
    ASSERT_EQ(opaque.Load(dir.file(L"o.png").c_str()), S_OK);
    ASSERT_TRUE(opaque.StretchBlt(canvas.dc, 4, 0, 2, 1));
    EXPECT_EQ(canvas.At(4, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(5, 0), RGB(0, 255, 0));
    ASSERT_TRUE(opaque.BitBlt(canvas.dc, 0, 3, 1, 1, 1, 0));
    EXPECT_EQ(canvas.At(0, 3), RGB(0, 255, 0));
    ASSERT_TRUE(opaque.AlphaBlend(canvas.dc, 6, 2));  // no alpha channel: a plain copy
    EXPECT_EQ(canvas.At(6, 2), RGB(255, 0, 0));

    CImage empty;
    EXPECT_FALSE(empty.BitBlt(canvas.dc, 0, 0));
}

TEST(Image, PathsMixingSeparatorsAndLetterCaseReachTheFile)
{
    TempFolder dir;
    ASSERT_TRUE(::CreateDirectoryW(dir.file(L"Skins").c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(dir.file(L"Skins\\Config").c_str(), nullptr));
    WritePng(dir.file(L"Skins\\Config\\Config.png"), 1, {{9, 9, 9, 255}}, false);

    const wchar_t* spellings[] = {
        L"Skins\\/Config/Config.png",    L"skins\\/Config/Config.png", L"\\skins/CONFIG\\config.PNG",
        L"/SKINS//config\\\\Config.png", L"Skins/Config/Config.png",
    };
    for (const wchar_t* relative : spellings) {
        CImage image;
        EXPECT_EQ(image.Load((dir.path() + relative).c_str()), S_OK)
            << std::string(relative, relative + wcslen(relative));
    }
    CImage wrongFolder;
    EXPECT_EQ(wrongFolder.Load((dir.path() + L"Skin\\Config\\Config.png").c_str()), E_FAIL);
}
