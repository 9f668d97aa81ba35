#include "skin/paint_contexts.h"

#include "support/gdi_object_count.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

HGDIOBJ SelectedBitmap(CDC& dc)
{
    return ::GetCurrentObject(dc, OBJ_BITMAP);
}

SIZE SelectedBitmapSize(CDC& dc)
{
    BITMAP info{};
    ::GetObjectW(SelectedBitmap(dc), sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

TEST(CompositionContext, HoldsAtLeastTheSizeAskedForAndGrowsOnlyWhenItMust)
{
    CDC* first = CompositionContext(30, 10);
    ASSERT_NE(first, nullptr);
    EXPECT_GE(SelectedBitmapSize(*first).cx, 30);
    EXPECT_GE(SelectedBitmapSize(*first).cy, 10);

    // Wider but lower: the height reached before is kept.
    CDC* wide = CompositionContext(200, 5);
    ASSERT_EQ(wide, first);
    const SIZE grown = SelectedBitmapSize(*wide);
    EXPECT_GE(grown.cx, 200);
    EXPECT_GE(grown.cy, 10);

    const HGDIOBJ kept = SelectedBitmap(*wide);
    for (const SIZE asked : {SIZE{200, 10}, SIZE{1, 1}, SIZE{0, 0}, SIZE{120, 7}})
        EXPECT_EQ(SelectedBitmap(*CompositionContext(asked.cx, asked.cy)), kept) << asked.cx << " x " << asked.cy;

    // What is drawn stays until the next use.
    ::PatBlt(*wide, 0, 0, 200, 10, WHITENESS);
    ::SetPixel(*wide, 199, 9, RGB(10, 20, 30));
    EXPECT_EQ(::GetPixel(*CompositionContext(200, 10), 199, 9), RGB(10, 20, 30));
}

TEST(PaintContexts, RepeatedUsesMakeNoNewGdiObjects)
{
    CDC* compose = CompositionContext(240, 40);
    ASSERT_NE(compose, nullptr);
    CDC& source = PictureSourceContext();
    ASSERT_NE(source.GetSafeHdc(), nullptr);
    const int before = GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int n = 0; n < 200; ++n) {
        EXPECT_EQ(&PictureSourceContext(), &source);
        CompositionContext(n % 240, n % 40);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}
