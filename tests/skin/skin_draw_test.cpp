#include "skin/skin_draw.h"

#include "skin/app_dir.h"
#include "skin_pictures.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

using skintest::Canvas;
using skintest::Rgba;
using skintest::WriteFlatPng;
using skintest::WritePng;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::wstring AppPath(const wchar_t* relative)
{
    return std::wstring(g_szAppDir) + relative;
}

} // namespace

TEST(DrawPngWithAlpha, TransparentPixelsLeaveTheDestination)
{
    TempFolder dir;
    WriteFlatPng(dir.file(L"clear.png"), 4, 4, {200, 10, 10, 0}, true);
    Canvas canvas(8, 8, kBlue);

    EXPECT_EQ(DrawPngWithAlpha(&canvas.dc, dir.file(L"clear.png").c_str(), 2, 2), 1);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(canvas.At(x, y), kBlue) << x << "," << y;
}

TEST(DrawPngWithAlpha, HalfTransparentColourIsPremultipliedRoundingDown)
{
    TempFolder dir;
    // Over black the blend leaves exactly the premultiplied colour:
    // 255*128/255 = 128; 200*128/255 = 100.4; 51*128/255 = 25.6 (floor 25).
    WritePng(dir.file(L"half.png"), 2, {{255, 255, 255, 128}, {200, 100, 51, 128}}, true);
    Canvas canvas(4, 1, kBlack);

    ASSERT_EQ(DrawPngWithAlpha(&canvas.dc, dir.file(L"half.png").c_str(), 1, 0), 1);
    EXPECT_EQ(canvas.At(0, 0), kBlack);
    EXPECT_EQ(canvas.At(1, 0), RGB(128, 128, 128));
    EXPECT_EQ(canvas.At(2, 0), RGB(100, 50, 25));
    EXPECT_EQ(canvas.At(3, 0), kBlack);
}

TEST(DrawPngWithAlpha, OpaquePictureIsCopiedAtNaturalSize)
{
    TempFolder dir;
    WritePng(dir.file(L"rgb.png"), 3, {
        {10, 20, 30, 255}, {40, 50, 60, 255}, {70, 80, 90, 255},
        {1, 2, 3, 255}, {250, 240, 230, 255}, {0, 0, 0, 255},
    }, false);
    Canvas canvas(12, 12, kBlue);

    ASSERT_EQ(DrawPngWithAlpha(&canvas.dc, dir.file(L"rgb.png").c_str(), 5, 7), 1);
    EXPECT_EQ(canvas.At(5, 7), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(7, 7), RGB(70, 80, 90));
    EXPECT_EQ(canvas.At(6, 8), RGB(250, 240, 230));
    EXPECT_EQ(canvas.At(7, 8), kBlack);
    // Nothing outside the picture's own 3 x 2 pixels.
    EXPECT_EQ(canvas.At(4, 7), kBlue);
    EXPECT_EQ(canvas.At(8, 7), kBlue);
    EXPECT_EQ(canvas.At(5, 6), kBlue);
    EXPECT_EQ(canvas.At(5, 9), kBlue);
}

TEST(DrawPngWithAlpha, NullContextOrMissingFileDrawsNothing)
{
    TempFolder dir;
    WriteFlatPng(dir.file(L"red.png"), 2, 2, {255, 0, 0, 255}, false);
    Canvas canvas(4, 4, kBlue);
    CDC noContext;

    EXPECT_EQ(DrawPngWithAlpha(nullptr, dir.file(L"red.png").c_str(), 0, 0), 0);
    EXPECT_EQ(DrawPngWithAlpha(&noContext, dir.file(L"red.png").c_str(), 0, 0), 0);
    EXPECT_EQ(DrawPngWithAlpha(&canvas.dc, dir.file(L"absent.png").c_str(), 0, 0), 0);
    EXPECT_EQ(DrawPngWithAlpha(&canvas.dc, nullptr, 0, 0), 0);
    EXPECT_EQ(canvas.At(0, 0), kBlue);
}

TEST(DrawPngWithAlpha, EveryCallReadsTheFileAgain)
{
    TempFolder dir;
    const std::wstring path = dir.file(L"changing.png");
    Canvas canvas(2, 2, kBlue);

    WriteFlatPng(path, 2, 2, {0, 200, 0, 255}, true);
    ASSERT_EQ(DrawPngWithAlpha(&canvas.dc, path.c_str(), 0, 0), 1);
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 200, 0));

    WriteFlatPng(path, 2, 2, {200, 0, 0, 255}, true);
    ASSERT_EQ(DrawPngWithAlpha(&canvas.dc, path.c_str(), 0, 0), 1);
    EXPECT_EQ(canvas.At(0, 0), RGB(200, 0, 0));
}

TEST(DrawPngWithAlpha, CallersLiteralsReachTheOneSkinsFolder)
{
    TempFolder dir;
    ASSERT_TRUE(CreateDirectoryW(dir.file(L"Skins").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(dir.file(L"Skins\\Config").c_str(), nullptr));
    WriteFlatPng(dir.file(L"Skins\\Config\\Config.png"), 1, 1, {9, 99, 199, 255}, false);
    WriteFlatPng(dir.file(L"Skins\\ItemBK.png"), 1, 1, {1, 11, 111, 255}, false);
    SetAppDir(dir.path().c_str());

    const wchar_t* configLiterals[] = {
        L"Skins\\/Config/Config.png", L"skins\\/Config/Config.png",
        L"/skins/config/CONFIG.png", L"\\SKINS\\Config\\config.PNG",
        L"\\skins/Config\\Config.png",
    };
    for (const wchar_t* literal : configLiterals) {
        Canvas canvas(1, 1, kBlack);
        EXPECT_EQ(DrawPngWithAlpha(&canvas.dc, AppPath(literal).c_str(), 0, 0), 1) << literal;
        EXPECT_EQ(canvas.At(0, 0), RGB(9, 99, 199)) << literal;
    }
    Canvas canvas(1, 1, kBlack);
    EXPECT_EQ(DrawPngWithAlpha(&canvas.dc, AppPath(L"\\skins\\ItemBK.png").c_str(), 0, 0), 1);
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 11, 111));
}

TEST(AppDir, KeepsTheTextAndCutsAnOverlongOne)
{
    SetAppDir(L"C:\\Program\\");
    EXPECT_STREQ(g_szAppDir, L"C:\\Program\\");

    const std::wstring overlong(MAX_PATH + 40, L'x');
    SetAppDir(overlong.c_str());
    EXPECT_EQ(std::wstring(g_szAppDir), overlong.substr(0, MAX_PATH - 1));

    SetAppDir(nullptr);
    EXPECT_STREQ(g_szAppDir, L"");
}

// --- CopyBitmapRect ---------------------------------------------------------

namespace {

COLORREF Gradient(int x, int y)
{
    return RGB(x * 10, y * 10, 100);
}

} // namespace

TEST(CopyBitmapRect, CutsTheRectangleIntoABitmapOfItsSize)
{
    CBitmap source;
    skintest::PaintBitmap(source, 20, 10, Gradient);
    CBitmap cut;
    CClientDC screen(nullptr);

    CopyBitmapRect(&screen, &cut, &source, 3, 2, 10, 6);

    ASSERT_NE(cut.GetSafeHandle(), nullptr);
    const SIZE size = skintest::BitmapSize(cut);
    EXPECT_EQ(size.cx, 7);
    EXPECT_EQ(size.cy, 4);
    EXPECT_EQ(skintest::BitmapPixel(cut, 0, 0), Gradient(3, 2));
    EXPECT_EQ(skintest::BitmapPixel(cut, 6, 3), Gradient(9, 5));
    EXPECT_EQ(skintest::BitmapPixel(cut, 2, 1), Gradient(5, 3));
    // The source is still free to be selected and unchanged.
    EXPECT_EQ(skintest::BitmapPixel(source, 3, 2), Gradient(3, 2));
}

TEST(CopyBitmapRect, ReplacingACutDeletesTheEarlierBitmap)
{
    CBitmap source;
    skintest::PaintBitmap(source, 8, 8, Gradient);
    CClientDC screen(nullptr);
    CBitmap cut;
    // A size nothing else here has, so a reused handle value is told apart.
    cut.CreateCompatibleBitmap(&screen, 17, 3);
    const HGDIOBJ earlier = cut.GetSafeHandle();

    CopyBitmapRect(&screen, &cut, &source, 0, 0, 4, 4);

    BITMAP info{};
    const bool earlierAlive = ::GetObjectW(earlier, sizeof(info), &info) != 0
        && info.bmWidth == 17 && info.bmHeight == 3;
    EXPECT_FALSE(earlierAlive);
    EXPECT_EQ(skintest::BitmapSize(cut).cx, 4);
}

TEST(CopyBitmapRect, EmptyRectanglesStillReplaceTheBitmap)
{
    CBitmap source;
    skintest::PaintBitmap(source, 8, 8, Gradient);
    CClientDC screen(nullptr);
    CBitmap cut;
    CopyBitmapRect(&screen, &cut, &source, 0, 0, 4, 4);

    CopyBitmapRect(&screen, &cut, &source, 3, 1, 3, 5);     // no width
    EXPECT_NE(cut.GetSafeHandle(), nullptr);
    EXPECT_NE(skintest::BitmapSize(cut).cx, 4);
    CopyBitmapRect(&screen, &cut, &source, 1, 6, 5, 6);     // no height
    EXPECT_NE(cut.GetSafeHandle(), nullptr);
    EXPECT_NE(skintest::BitmapSize(cut).cy, 4);
}

TEST(CopyBitmapRect, WithoutASourceTheDestinationStays)
{
    CClientDC screen(nullptr);
    CBitmap cut;
    skintest::PaintBitmap(cut, 2, 2, Gradient);
    const HGDIOBJ kept = cut.GetSafeHandle();
    CBitmap empty;

    CopyBitmapRect(&screen, &cut, &empty, 0, 0, 1, 1);
    CopyBitmapRect(&screen, &cut, nullptr, 0, 0, 1, 1);

    EXPECT_EQ(cut.GetSafeHandle(), kept);
    EXPECT_EQ(skintest::BitmapPixel(cut, 1, 1), Gradient(1, 1));
}
