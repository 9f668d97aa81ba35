#include "skin/scroll_bar_paint.h"

#include "scroll_skin_bitmap.h"

#include <gtest/gtest.h>

using scrolltest::Canvas;
using scrolltest::DecodeSkinPixel;
using scrolltest::SkinPixel;

namespace {

constexpr COLORREF kBlank = RGB(1, 2, 3);  // never a colour of the test skin
constexpr SkinCellSize kCells{13, 16};

// A memory context holding the test skin. A bitmap can be selected into
// one context only, so the painter tests use a skin of their own.
class SkinSource {
public:
    SkinSource() : m_select(dc.m_hDC, skin.get()) {}
    scrolltest::TestSkin skin;
    CDC dc = MakeDc();
    ScopedSelectObject m_select;

private:
    static CDC MakeDc()
    {
        CDC made;
        made.CreateCompatibleDC(nullptr);
        return made;
    }
};

SkinPixel At(const Canvas& canvas, int x, int y)
{
    return DecodeSkinPixel(canvas.At(x, y));
}

ScrollValues Values(int nMin, int nMax, UINT nPage, int nPos)
{
    ScrollValues v;
    v.nMin = nMin;
    v.nMax = nMax;
    v.nPage = nPage;
    v.nPos = nPos;
    return v;
}

}  // namespace

TEST(ScrollBarPaintBlocks, TilingRepeatsFromTheTopLeftAndCutsTheLastBlock)
{
    SkinSource skin;
    Canvas canvas(40, 60, kBlank);
    const RECT square = SkinSquareRect(kCells, 3);  // 13 x 13
    TileBlock(canvas.dc, {2, 5, 15, 35}, skin.dc, square);

    EXPECT_EQ(At(canvas, 2, 5), (SkinPixel{3, 0, 0, 0}));
    EXPECT_EQ(At(canvas, 14, 17), (SkinPixel{3, 0, 12, 12}));
    EXPECT_EQ(At(canvas, 4, 18), (SkinPixel{3, 0, 2, 0}));  // second block starts 13 rows down
    EXPECT_EQ(At(canvas, 4, 34), (SkinPixel{3, 0, 2, 3}));  // third block cut after 4 rows
    EXPECT_EQ(canvas.At(4, 35), kBlank);
    EXPECT_EQ(canvas.At(15, 10), kBlank);

    // Nothing to tile with, or nowhere to tile: nothing drawn, no endless loop.
    TileBlock(canvas.dc, {20, 0, 40, 60}, skin.dc, {0, 0, 0, 13});
    TileBlock(canvas.dc, {20, 0, 20, 60}, skin.dc, square);
    EXPECT_EQ(canvas.At(25, 10), kBlank);
}

TEST(ScrollBarPaintBlocks, ThumbKeepsSixPixelCapsAndTilesItsMiddle)
{
    SkinSource skin;
    Canvas canvas(60, 60, kBlank);
    // Vertical: a 13 x 40 thumb from the pressed cell (13 x 16, middle rows 6..9).
    DrawWithEndCaps(canvas.dc, {0, 10, 13, 50}, skin.dc, SkinCellRect(kCells, 2, 2), true);
    EXPECT_EQ(At(canvas, 3, 10), (SkinPixel{2, 2, 3, 0}));
    EXPECT_EQ(At(canvas, 3, 15), (SkinPixel{2, 2, 3, 5}));
    EXPECT_EQ(At(canvas, 3, 16), (SkinPixel{2, 2, 3, 6}));
    EXPECT_EQ(At(canvas, 3, 21), (SkinPixel{2, 2, 3, 7}));  // 16 + 4 + 1
    EXPECT_EQ(At(canvas, 3, 43), (SkinPixel{2, 2, 3, 9}));  // last middle row, tile cut
    EXPECT_EQ(At(canvas, 3, 44), (SkinPixel{2, 2, 3, 10}));
    EXPECT_EQ(At(canvas, 12, 49), (SkinPixel{2, 2, 12, 15}));
    EXPECT_EQ(canvas.At(3, 50), kBlank);

    // Horizontal: a 30 x 13 thumb from the square of column 6; nothing below the bar.
    DrawWithEndCaps(canvas.dc, {20, 0, 50, 13}, skin.dc, SkinCellRect(kCells, 6, 0), false);
    EXPECT_EQ(At(canvas, 20, 4), (SkinPixel{6, 0, 0, 4}));
    EXPECT_EQ(At(canvas, 26, 4), (SkinPixel{6, 0, 6, 4}));
    EXPECT_EQ(At(canvas, 27, 4), (SkinPixel{6, 0, 6, 4}));  // one middle column, repeated
    EXPECT_EQ(At(canvas, 49, 12), (SkinPixel{6, 0, 12, 12}));
    EXPECT_EQ(canvas.At(20, 13), kBlank);
    EXPECT_EQ(canvas.At(49, 13), kBlank);

    DrawWithEndCaps(canvas.dc, {55, 0, 55, 13}, skin.dc, SkinCellRect(kCells, 6, 0), false);
    EXPECT_EQ(canvas.At(55, 5), kBlank);
}

TEST(ScrollBarPaintBlocks, ArrowsCopyAtTheirSizeAndStretchOtherwise)
{
    SkinSource skin;
    Canvas canvas(60, 60, kBlank);
    // A target of the cell's size gets only the cell's top square.
    DrawArrowBlock(canvas.dc, {0, 0, 13, 16}, skin.dc, SkinCellRect(kCells, 1, 1));
    EXPECT_EQ(At(canvas, 12, 12), (SkinPixel{1, 1, 12, 12}));
    EXPECT_EQ(canvas.At(5, 13), kBlank);

    // A square twice as tall doubles every row.
    DrawArrowBlock(canvas.dc, {20, 0, 33, 26}, skin.dc, SkinSquareRect(kCells, 0));
    EXPECT_EQ(At(canvas, 20, 0), (SkinPixel{0, 0, 0, 0}));
    EXPECT_EQ(At(canvas, 25, 11), (SkinPixel{0, 0, 5, 5}));
    EXPECT_EQ(At(canvas, 32, 25), (SkinPixel{0, 0, 12, 12}));

    // A 16-row cell squeezed into a 13 x 13 square keeps its cell and columns.
    DrawArrowBlock(canvas.dc, {40, 0, 53, 13}, skin.dc, SkinCellRect(kCells, 5, 2));
    for (int y = 0; y < 13; ++y) {
        const SkinPixel p = At(canvas, 47, y);
        EXPECT_EQ(p.column, 5) << y;
        EXPECT_EQ(p.row, 2) << y;
        EXPECT_EQ(p.x, 7) << y;
    }
    EXPECT_EQ(canvas.At(47, 13), kBlank);
}

TEST(ScrollBarPainter, FullPaintUsesTheTopSquaresOfTheBarsColumns)
{
    scrolltest::TestSkin skin;
    Canvas canvas(20, 110, kBlank);
    const BarLayout layout = ComputeBarLayout(100, 13, Values(0, 99, 10, 45), ThumbRule::Drawing);  // thumb 44..56
    ScrollBarPainter(canvas.dc, skin.get(), kCells, true).PaintAll(layout);

    struct Row {
        int x, y;
        SkinPixel from;
    };
    const Row rows[] = {
        {2, 0, {0, 0, 2, 0}},   {2, 12, {0, 0, 2, 12}},  // up arrow
        {2, 13, {3, 0, 2, 0}},  {2, 26, {3, 0, 2, 0}},   // track tiled every 13 rows
        {2, 43, {3, 0, 2, 4}},  {2, 44, {2, 0, 2, 0}},
        {2, 50, {2, 0, 2, 7}},  // thumb: top cap, then the square's bottom rows
        {2, 55, {2, 0, 2, 12}}, {2, 56, {3, 0, 2, 0}},
        {2, 86, {3, 0, 2, 4}},                             // track after, tiled from its own start
        {2, 87, {1, 0, 2, 0}},  {12, 99, {1, 0, 12, 12}},  // down arrow
    };
    for (const Row& r : rows)
        EXPECT_EQ(At(canvas, r.x, r.y), r.from) << r.y;
    EXPECT_EQ(canvas.At(2, 100), kBlank);
    EXPECT_EQ(canvas.At(13, 50), kBlank);

    // A horizontal bar runs along x with its own columns.
    Canvas across(110, 20, kBlank);
    const BarLayout start = ComputeBarLayout(100, 13, Values(0, 99, 10, 0), ThumbRule::Drawing);  // thumb 13..25
    ScrollBarPainter(across.dc, skin.get(), kCells, false).PaintAll(start);
    EXPECT_EQ(At(across, 0, 3), (SkinPixel{4, 0, 0, 3}));
    EXPECT_EQ(At(across, 24, 3), (SkinPixel{6, 0, 12, 3}));
    EXPECT_EQ(At(across, 25, 3), (SkinPixel{7, 0, 0, 3}));
    EXPECT_EQ(At(across, 99, 3), (SkinPixel{5, 0, 12, 3}));
    EXPECT_EQ(across.At(50, 13), kBlank);
}

TEST(ScrollBarPainter, ScrollUpdatesRedrawTrackAndThumbFromWholeCellsOnly)
{
    scrolltest::TestSkin skin;
    Canvas canvas(20, 110, kBlank);
    const BarLayout layout = ComputeBarLayout(100, 13, Values(0, 99, 50, 50), ThumbRule::Drawing);  // thumb 50..87
    ScrollBarPainter(canvas.dc, skin.get(), kCells, true).RedrawTrackAndThumb(layout);

    EXPECT_EQ(canvas.At(2, 5), kBlank);  // arrows untouched
    EXPECT_EQ(canvas.At(2, 95), kBlank);
    EXPECT_EQ(At(canvas, 2, 28), (SkinPixel{3, 0, 2, 15}));  // track tiled every 16 rows
    EXPECT_EQ(At(canvas, 2, 29), (SkinPixel{3, 0, 2, 0}));
    EXPECT_EQ(At(canvas, 2, 56), (SkinPixel{2, 0, 2, 6}));  // thumb middle from rows 6..9
    EXPECT_EQ(At(canvas, 2, 61), (SkinPixel{2, 0, 2, 7}));
    EXPECT_EQ(At(canvas, 2, 86), (SkinPixel{2, 0, 2, 15}));
}
