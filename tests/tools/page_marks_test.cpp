// The DPI and lighting page pictures against the click boxes and controls of
// their pages: whatever the picture draws for a box or a control must lie on
// that box, so that what the user sees is what the page reacts to.

#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class Picture {
public:
    explicit Picture(const wchar_t* relative)
    {
        static const struct Session {
            Session()
            {
                Gdiplus::GdiplusStartupInput input;
                Gdiplus::GdiplusStartup(&token, &input, nullptr);
            }
            ULONG_PTR token = 0;
        } session;
        m_bitmap = std::make_unique<Gdiplus::Bitmap>((std::wstring(RV417_BIN_DIR_W) + L"\\" + relative).c_str());
    }

    bool loaded() const { return m_bitmap->GetLastStatus() == Gdiplus::Ok && m_bitmap->GetWidth() > 0; }
    int width() const { return static_cast<int>(m_bitmap->GetWidth()); }
    int height() const { return static_cast<int>(m_bitmap->GetHeight()); }
    Gdiplus::ARGB at(int x, int y) const
    {
        Gdiplus::Color c;
        m_bitmap->GetPixel(x, y, &c);
        return c.GetValue();
    }

private:
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
};

// Whether every pixel on the edge of `r` (inclusive edges) differs from
// `plain`, i.e. the picture outlines r there.
bool Outlines(const Picture& p, RECT r, Gdiplus::ARGB plain)
{
    for (int x = r.left; x <= r.right; ++x) {
        if (p.at(x, r.top) == plain || p.at(x, r.bottom) == plain)
            return false;
    }
    for (int y = r.top; y <= r.bottom; ++y) {
        if (p.at(r.left, y) == plain || p.at(r.right, y) == plain)
            return false;
    }
    return true;
}

}  // namespace

// Seven slider wells round the sliders (25 + 30i, 3)-(32 + 30i, 173) and
// seven frames round the swatches (25 + 30i, 215)-(35 + 30i, 225).
TEST(PageMarks, DpiWellsAndFramesSurroundTheirControls)
{
    const Picture page(L"Skins/DPISetting/BK_DPISetting.png");
    ASSERT_TRUE(page.loaded());
    const Gdiplus::ARGB card = page.at(12, 100);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const int dx = 30 * i;
        EXPECT_TRUE(Outlines(page, {24 + dx, 2, 32 + dx, 173}, card));
        EXPECT_TRUE(Outlines(page, {24 + dx, 214, 35 + dx, 225}, card));
        // Nothing else near the on/off icon and the value box: the page draws those.
        EXPECT_EQ(page.at(30 + dx, 206), card);
        EXPECT_EQ(page.at(32 + dx, 188), card);
    }
}

// Zone B's effect boxes (10, 205 + 29k)-(20, 214 + 29k) are the only boxes
// the picture draws; each square lies inside its box, and nothing else is
// drawn where the page paints its own marks (zone A effects, finger
// tapping, the three keys) or where Link and Unlink react.
TEST(PageMarks, LightingBoxesLieOnTheirMarks)
{
    const Picture page(L"Skins/Lighting/BK_Lighting.png");
    ASSERT_TRUE(page.loaded());
    const Gdiplus::ARGB card = page.at(60, 150);
    for (int top : {205, 234, 263}) {
        SCOPED_TRACE(top);
        EXPECT_TRUE(Outlines(page, {10, top, 18, top + 8}, card));
        for (int y = top - 3; y <= top + 11; ++y) {
            for (int x = 6; x <= 23; ++x) {
                const bool inBox = x >= 10 && x < 20 && y >= top && y < top + 9;
                if (!inBox) {
                    ASSERT_EQ(page.at(x, y), card) << x << ", " << y;
                }
            }
        }
    }
    const RECT painted[] = {{10, 10, 20, 24},     {10, 39, 20, 48},     {10, 68, 20, 77},     {10, 102, 20, 111},
                            {100, 102, 109, 111}, {149, 102, 158, 111}, {198, 102, 207, 111}, {130, 15, 139, 24}};
    for (const RECT& r : painted) {
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                ASSERT_EQ(page.at(x, y), card) << x << ", " << y;
            }
        }
    }
}
