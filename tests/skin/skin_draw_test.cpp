#include "skin/skin_draw.h"

#include "skin/app_dir.h"
#include "skin_test_helpers.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace skintest;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);

CBitmap Flat(int width, int height, COLORREF fill)
{
    CBitmap bitmap;
    PaintBitmap(bitmap, width, height, [fill](int, int) { return fill; });
    return bitmap;
}

struct Canvas {
    Canvas(int width, int height, COLORREF fill) : bitmap(Flat(width, height, fill)), memory(bitmap) {}
    CBitmap bitmap;
    MemoryDC memory;
};

COLORREF Gradient(int x, int y)
{
    return RGB(x * 10, y * 10, 100);
}

}  // namespace

TEST(DrawPngWithAlpha, BlendsFromPremultipliedColourRoundedDown)
{
    TempFolder dir;
    // Over black the blend leaves exactly the premultiplied colour:
    // 255*128/255 = 128; 200*128/255 = 100.4; 51*128/255 = 25.6 gives 25.
    // A pixel of alpha 0 leaves the black.
    WritePng(dir.file(L"a.png"), 3, {{255, 255, 255, 128}, {200, 100, 51, 128}, {250, 20, 20, 0}}, true);
    Canvas canvas(5, 1, RGB(0, 0, 0));

    ASSERT_EQ(DrawPngWithAlpha(&canvas.memory.dc, dir.file(L"a.png").c_str(), 1, 0), 1);
    EXPECT_EQ(canvas.memory.At(1, 0), RGB(128, 128, 128));
    EXPECT_EQ(canvas.memory.At(2, 0), RGB(100, 50, 25));
    EXPECT_EQ(canvas.memory.At(3, 0), RGB(0, 0, 0));
}

TEST(DrawPngWithAlpha, OpaquePictureIsCopiedAtNaturalSize)
{
    TempFolder dir;
    WritePng(dir.file(L"rgb.png"), 2, {{10, 20, 30, 255}, {40, 50, 60, 255}, {1, 2, 3, 255}, {0, 0, 0, 255}}, false);
    Canvas canvas(6, 6, kBlue);

    ASSERT_EQ(DrawPngWithAlpha(&canvas.memory.dc, dir.file(L"rgb.png").c_str(), 2, 3), 1);
    EXPECT_EQ(canvas.memory.At(2, 3), RGB(10, 20, 30));
    EXPECT_EQ(canvas.memory.At(3, 3), RGB(40, 50, 60));
    EXPECT_EQ(canvas.memory.At(3, 4), RGB(0, 0, 0));
    for (POINT outside : {POINT{1, 3}, POINT{4, 3}, POINT{2, 2}, POINT{2, 5}})
        EXPECT_EQ(canvas.memory.At(outside.x, outside.y), kBlue);
}

TEST(DrawPngWithAlpha, NullContextOrUnreadableFileDrawsNothing)
{
    TempFolder dir;
    WritePng(dir.file(L"red.png"), 1, {{255, 0, 0, 255}}, false);
    Canvas canvas(2, 2, kBlue);
    CDC noContext;

    EXPECT_EQ(DrawPngWithAlpha(nullptr, dir.file(L"red.png").c_str(), 0, 0), 0);
    EXPECT_EQ(DrawPngWithAlpha(&noContext, dir.file(L"red.png").c_str(), 0, 0), 0);
    EXPECT_EQ(DrawPngWithAlpha(&canvas.memory.dc, dir.file(L"absent.png").c_str(), 0, 0), 0);
    EXPECT_EQ(DrawPngWithAlpha(&canvas.memory.dc, nullptr, 0, 0), 0);
    EXPECT_EQ(canvas.memory.At(0, 0), kBlue);
}

TEST(DrawPngWithAlpha, ReadsTheFileOnEveryCall)
{
    TempFolder dir;
    const std::wstring path = dir.file(L"changing.png");
    Canvas canvas(1, 1, kBlue);
    WritePng(path, 1, {{0, 200, 0, 255}}, true);
    DrawPngWithAlpha(&canvas.memory.dc, path.c_str(), 0, 0);
    WritePng(path, 1, {{200, 0, 0, 255}}, true);
    DrawPngWithAlpha(&canvas.memory.dc, path.c_str(), 0, 0);
    EXPECT_EQ(canvas.memory.At(0, 0), RGB(200, 0, 0));
}

TEST(DrawPngWithAlpha, CallersLiteralsReachTheOneSkinsFolder)
{
    TempFolder dir;
    ASSERT_TRUE(CreateDirectoryW(dir.file(L"Skins").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(dir.file(L"Skins\\Config").c_str(), nullptr));
    WritePng(dir.file(L"Skins\\Config\\Config.png"), 1, {{9, 99, 199, 255}}, false);
    SetAppDir(dir.path().c_str());

    for (const wchar_t* literal :
         {L"Skins\\/Config/Config.png", L"skins\\/Config/Config.png", L"/skins/config/CONFIG.png",
          L"\\SKINS\\Config\\config.PNG", L"\\skins/Config\\Config.png"}) {
        Canvas canvas(1, 1, kBlue);
        EXPECT_EQ(DrawPngWithAlpha(&canvas.memory.dc, (std::wstring(g_szAppDir) + literal).c_str(), 0, 0), 1)
            << literal;
        EXPECT_EQ(canvas.memory.At(0, 0), RGB(9, 99, 199)) << literal;
    }
}

namespace {

// A 24-bit BMP file of `width` x `height` black pixels.
void WriteBmp(const std::wstring& path, int width, int height)
{
    const int pitch = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pitch * height);
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<unsigned char> bytes(file.bfSize);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    WriteBinaryFile(path, bytes.data(), bytes.size());
}

}  // namespace

TEST(MeasurePicture, PngByItsHeaderOtherPicturesByDecoding)
{
    TempFolder dir;
    WritePng(dir.file(L"whole.png"), 3,
             {{1, 2, 3, 255}, {1, 2, 3, 255}, {1, 2, 3, 255}, {4, 5, 6, 255}, {4, 5, 6, 255}, {4, 5, 6, 255}}, true);
    const SIZE whole = MeasurePicture(dir.file(L"whole.png").c_str());
    EXPECT_EQ(whole.cx, 3);
    EXPECT_EQ(whole.cy, 2);

    // Cut after its header: not decodable, yet the header still gives the size.
    std::vector<unsigned char> bytes = ReadBinaryFile(dir.file(L"whole.png"));
    ASSERT_GT(bytes.size(), 40u);
    WriteBinaryFile(dir.file(L"cut.png"), bytes.data(), 40);
    const SIZE cut = MeasurePicture(dir.file(L"cut.png").c_str());
    EXPECT_EQ(cut.cx, 3);
    EXPECT_EQ(cut.cy, 2);

    WriteBmp(dir.file(L"picture.bmp"), 5, 4);
    const SIZE bmp = MeasurePicture(dir.file(L"picture.bmp").c_str());
    EXPECT_EQ(bmp.cx, 5);
    EXPECT_EQ(bmp.cy, 4);

    const char garbage[] = "not a picture at all, not even a short one";
    WriteBinaryFile(dir.file(L"garbage.png"), garbage, sizeof(garbage));
    for (const wchar_t* name : {L"garbage.png", L"absent.png"}) {
        const SIZE none = MeasurePicture(dir.file(name).c_str());
        EXPECT_EQ(none.cx, 0) << name;
        EXPECT_EQ(none.cy, 0) << name;
    }
}

TEST(SetAppDir, CutsAnOverlongDirectory)
{
    const std::wstring overlong(MAX_PATH + 40, L'x');
    SetAppDir(overlong.c_str());
    EXPECT_EQ(std::wstring(g_szAppDir), overlong.substr(0, MAX_PATH - 1));
}

TEST(CopyBitmapRect, CutsTheRectangleIntoABitmapOfItsSize)
{
    CBitmap source;
    PaintBitmap(source, 20, 10, Gradient);
    CBitmap cut;
    CClientDC screen(nullptr);

    CopyBitmapRect(&screen, &cut, &source, 3, 2, 10, 6);

    EXPECT_EQ(BitmapSize(cut).cx, 7);
    EXPECT_EQ(BitmapSize(cut).cy, 4);
    MemoryDC read(cut);
    EXPECT_EQ(read.At(0, 0), Gradient(3, 2));
    EXPECT_EQ(read.At(6, 3), Gradient(9, 5));
}

TEST(CopyBitmapRect, ReplacingACutDeletesTheEarlierBitmapEvenForEmptyRectangles)
{
    CBitmap source;
    PaintBitmap(source, 8, 8, Gradient);
    CClientDC screen(nullptr);
    const RECT cuts[] = {{0, 0, 4, 4}, {3, 1, 3, 5} /* no width */, {1, 6, 5, 6} /* no height */};
    for (const RECT& r : cuts) {
        // The earlier bitmap has a size nothing else here has, so that its
        // handle value, if reused, is told apart.
        CBitmap cut;
        cut.CreateCompatibleBitmap(&screen, 17, 3);
        const HGDIOBJ earlier = cut.GetSafeHandle();

        CopyBitmapRect(&screen, &cut, &source, r.left, r.top, r.right, r.bottom);

        BITMAP info{};
        const bool earlierAlive =
            ::GetObjectW(earlier, sizeof(info), &info) != 0 && info.bmWidth == 17 && info.bmHeight == 3;
        EXPECT_FALSE(earlierAlive) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        EXPECT_NE(cut.GetSafeHandle(), nullptr);
    }
}

TEST(CopyBitmapRect, WithoutASourceTheDestinationStays)
{
    CClientDC screen(nullptr);
    CBitmap cut;
    PaintBitmap(cut, 2, 2, Gradient);
    const HGDIOBJ kept = cut.GetSafeHandle();
    CBitmap empty;

    CopyBitmapRect(&screen, &cut, &empty, 0, 0, 1, 1);

    EXPECT_EQ(cut.GetSafeHandle(), kept);
}
