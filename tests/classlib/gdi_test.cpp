#include "classlib/gdi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A memory DC with a 24-bit-or-better bitmap of its own, filled black.
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;

    Canvas(int width, int height)
    {
        CClientDC screen(nullptr);
        EXPECT_TRUE(dc.CreateCompatibleDC(&screen));
        EXPECT_TRUE(bitmap.CreateCompatibleBitmap(&screen, width, height));
        previous = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, kBlack);
    }
    ~Canvas() { dc.SelectObject(previous); }

    COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }
};

// A 32-bit top-down DIB section whose pixels the test writes directly.
struct ArgbSource {
    CDC dc;
    CBitmap bitmap;
    std::uint32_t* pixels = nullptr;
    HGDIOBJ previous = nullptr;

    ArgbSource(int width, int height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels = static_cast<std::uint32_t*>(bits);
        dc.CreateCompatibleDC(nullptr);
        previous = ::SelectObject(dc, bitmap);
    }
    ~ArgbSource() { ::SelectObject(dc, previous); }
};

bool Near(COLORREF actual, int r, int g, int b)
{
    auto close = [](int a, int e) { return a >= e - 2 && a <= e + 2; };
    return close(GetRValue(actual), r) && close(GetGValue(actual), g) && close(GetBValue(actual), b);
}

}  // namespace

TEST(DeviceContext, BlitsCopyExactlyTheRequestedArea)
{
    Canvas source(8, 8);
    source.dc.FillSolidRect(2, 2, 3, 3, kRed);  // red square at (2,2)-(5,5)

    Canvas target(16, 16);
    ASSERT_TRUE(target.dc.BitBlt(10, 10, 3, 3, &source.dc, 2, 2, SRCCOPY));
    EXPECT_EQ(target.At(10, 10), kRed);
    EXPECT_EQ(target.At(12, 12), kRed);
    EXPECT_EQ(target.At(13, 12), kBlack);
    EXPECT_EQ(target.At(9, 10), kBlack);

    // One source pixel stretched to a 2 x 2 block.
    ASSERT_TRUE(target.dc.StretchBlt(0, 0, 2, 2, &source.dc, 2, 2, 1, 1, SRCCOPY));
    EXPECT_EQ(target.At(0, 0), kRed);
    EXPECT_EQ(target.At(1, 1), kRed);
    EXPECT_EQ(target.At(2, 2), kBlack);
}

TEST(DeviceContext, AlphaBlendUsesPremultipliedSourceAlpha)
{
    ArgbSource source(2, 1);
    source.pixels[0] = 0x80808080;  // white at alpha 128, premultiplied
    source.pixels[1] = 0x00000000;  // fully transparent

    Canvas target(2, 1);
    target.dc.FillSolidRect(0, 0, 2, 1, kBlue);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(target.dc.AlphaBlend(0, 0, 2, 1, &source.dc, 0, 0, 2, 1, blend));
    EXPECT_TRUE(Near(target.At(0, 0), 128, 128, 255)) << std::hex << target.At(0, 0);
    EXPECT_EQ(target.At(1, 0), kBlue);
}

TEST(DeviceContext, FillsAndOutlinesKeepToTheirRectangles)
{
    Canvas canvas(10, 10);
    canvas.dc.SetBkColor(kBlue);
    CRect area(1, 1, 4, 4);
    canvas.dc.FillSolidRect(&area, kRed);
    EXPECT_EQ(canvas.At(1, 1), kRed);
    EXPECT_EQ(canvas.At(3, 3), kRed);
    EXPECT_EQ(canvas.At(4, 4), kBlack);              // right/bottom edge outside
    EXPECT_EQ(canvas.dc.SetBkColor(kBlack), kBlue);  // background colour left alone

    CBrush white(kWhite);
    CRect frame(5, 5, 9, 9);
    canvas.dc.FrameRect(&frame, &white);
    EXPECT_EQ(canvas.At(5, 5), kWhite);
    EXPECT_EQ(canvas.At(8, 8), kWhite);
    EXPECT_EQ(canvas.At(6, 6), kBlack);

    CRect fill(0, 8, 3, 10);
    canvas.dc.FillRect(&fill, &white);
    EXPECT_EQ(canvas.At(2, 9), kWhite);
    EXPECT_EQ(canvas.At(3, 9), kBlack);
}

TEST(DeviceContext, LinesAndRectanglesUseTheSelectedPenAndBrush)
{
    Canvas canvas(10, 10);
    CPen red(PS_SOLID, 1, kRed);
    CBrush blue(kBlue);
    ScopedSelectObject pen(canvas.dc, red);
    ScopedSelectObject brush(canvas.dc, blue);

    canvas.dc.MoveTo(0, 0);
    EXPECT_EQ(canvas.dc.MoveTo(0, 9), CPoint(0, 0));
    canvas.dc.LineTo(5, 9);
    EXPECT_EQ(canvas.At(4, 9), kRed);
    EXPECT_EQ(canvas.At(5, 9), kBlack);  // end point not drawn

    canvas.dc.Rectangle(2, 2, 6, 6);
    EXPECT_EQ(canvas.At(2, 2), kRed);
    EXPECT_EQ(canvas.At(4, 4), kBlue);
}

TEST(DeviceContext, TextIsMeasuredAndDrawnInTheTextColour)
{
    Canvas canvas(120, 40);
    CFont font;
    ASSERT_TRUE(font.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Arial"));
    CFont* previousFont = canvas.dc.SelectObject(&font);
    ASSERT_NE(previousFont, nullptr);

    CSize one = canvas.dc.GetTextExtent(CString(L"W"));
    CSize three = canvas.dc.GetTextExtent(L"WWW", 3);
    EXPECT_GT(one.cx, 0);
    EXPECT_GT(one.cy, 0);
    EXPECT_GT(three.cx, 2 * one.cx);

    canvas.dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(canvas.dc.SetTextColor(kWhite), kBlack);
    CRect box(0, 0, 120, 40);
    canvas.dc.DrawText(CString(L"WWW"), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    int lit = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            lit += canvas.At(x, y) == kWhite;
    EXPECT_GT(lit, 10);
    EXPECT_EQ(canvas.At(0, 0), kBlack);  // centred, so the corner stays empty

    EXPECT_EQ(canvas.dc.SelectObject(previousFont)->m_hObject, font.m_hObject);
}

TEST(DeviceContext, ExcludedClipAreaIsNotPainted)
{
    Canvas canvas(6, 6);
    canvas.dc.ExcludeClipRect(0, 0, 3, 6);
    canvas.dc.FillSolidRect(0, 0, 6, 6, kRed);
    EXPECT_EQ(canvas.At(2, 2), kBlack);
    EXPECT_EQ(canvas.At(3, 2), kRed);
}

TEST(GdiSelection, SelectObjectReturnsThePreviousObjectForRestoring)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap first, second;
    first.CreateBitmap(4, 4, 1, 1, nullptr);
    second.CreateBitmap(4, 4, 1, 1, nullptr);

    CBitmap* original = dc.SelectObject(&first);
    ASSERT_NE(original, nullptr);  // the context's default bitmap
    CBitmap* previous = dc.SelectObject(&second);
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(previous->m_hObject, first.m_hObject);
    EXPECT_NE(previous, &first);  // a wrapper, not the owner

    dc.SelectObject(original);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), original->m_hObject);

    // Dropping the wrappers must not delete the handles they wrapped.
    HGDIOBJ originalHandle = original->m_hObject;
    ReleaseTemporaryGdiWrappers();
    EXPECT_EQ(::GetObjectType(first.m_hObject), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(::GetObjectType(originalHandle), static_cast<DWORD>(OBJ_BITMAP));
}

TEST(GdiSelection, ScopedSelectRestoresOnExit)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ before = ::GetCurrentObject(dc, OBJ_BRUSH);
    CBrush brush(kRed);
    {
        ScopedSelectObject select(dc, brush);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush.m_hObject);
        EXPECT_EQ(select.previous(), before);
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), before);
}

TEST(GdiSelection, TemporaryWrappersAreStablePerHandleAndFollowDetaching)
{
    CDC owner;
    owner.CreateCompatibleDC(nullptr);
    CDC* wrapper = CDC::FromHandle(owner);
    EXPECT_EQ(wrapper, CDC::FromHandle(owner));
    EXPECT_EQ(wrapper->GetSafeHdc(), owner.m_hDC);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);

    CBrush brush(kRed);
    CBrush* temp = CBrush::FromHandle(brush);
    temp->Detach();  // a caller gave it up
    EXPECT_EQ(CBrush::FromHandle(brush)->m_hObject, brush.m_hObject);

    ReleaseTemporaryGdiWrappers();
    EXPECT_EQ(::GetObjectType(owner.m_hDC), static_cast<DWORD>(OBJ_MEMDC));
}

TEST(GdiOwnership, ObjectsDeleteTheirHandleAndMoveIt)
{
    HGDIOBJ handle = nullptr;
    {
        CPen pen(PS_SOLID, 1, kRed);
        handle = pen.m_hObject;
        CPen moved(std::move(pen));
        EXPECT_EQ(pen.m_hObject, nullptr);
        EXPECT_EQ(moved.m_hObject, handle);
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);

    CBitmap kept;
    kept.CreateBitmap(2, 2, 1, 1, nullptr);
    HGDIOBJ detached = kept.Detach();
    EXPECT_FALSE(kept.DeleteObject());
    EXPECT_EQ(::GetObjectType(detached), static_cast<DWORD>(OBJ_BITMAP));
    ::DeleteObject(detached);

    BITMAP info{};
    CBitmap sized;
    sized.CreateBitmap(7, 3, 1, 1, nullptr);
    ASSERT_NE(sized.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 7);
    EXPECT_EQ(info.bmHeight, 3);

    HDC dcHandle = nullptr;
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dcHandle = dc.m_hDC;
        CDC moved;
        moved = std::move(dc);
        EXPECT_EQ(dc.m_hDC, nullptr);
    }
    EXPECT_EQ(::GetObjectType(dcHandle), 0u);
}

TEST(GdiOwnership, AttachRefusesWhileHoldingAHandle)
{
    CBrush brush(kRed);
    HBRUSH other = ::CreateSolidBrush(kBlue);
    EXPECT_FALSE(brush.Attach(other));
    EXPECT_NE(brush.m_hObject, static_cast<HGDIOBJ>(other));
    ::DeleteObject(other);

    LOGFONTW description{};
    description.lfHeight = -12;
    lstrcpyW(description.lfFaceName, L"Arial");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    LOGFONTW read{};
    font.GetLogFont(&read);
    EXPECT_EQ(read.lfHeight, -12);
    EXPECT_FALSE(font.CreateFontIndirect(&description));  // already holds one
}
