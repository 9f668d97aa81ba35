#include "classlib/geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, PointInRectIncludesLeftTopAndExcludesRightBottom)
{
    const CRect rect(10, 20, 30, 40);
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {10, 20, true}, {29, 39, true}, {30, 39, false}, {29, 40, false}, {9, 25, false}, {15, 19, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rect.PtInRect(CPoint(c.x, c.y)), c.inside) << c.x << "," << c.y;
    EXPECT_FALSE(CRect(5, 5, 5, 9).PtInRect(CPoint(5, 5)));  // empty rectangles hold nothing
}

TEST(Geometry, RectanglesMoveGrowAndShrinkPerSide)
{
    CRect rect(10, 10, 20, 30);
    rect.OffsetRect(5, -5);
    EXPECT_EQ(rect, CRect(15, 5, 25, 25));
    rect.InflateRect(1, 2);
    EXPECT_EQ(rect, CRect(14, 3, 26, 27));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(15, 5, 23, 23));
    EXPECT_EQ(rect.Width(), 8);
    EXPECT_EQ(rect.Height(), 18);
    rect.DeflateRect(CRect(0, 0, 8, 18));
    EXPECT_TRUE(rect.IsRectEmpty());
    EXPECT_FALSE(rect.IsRectNull());

    CRect flipped(30, 40, 10, 20);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(10, 20, 30, 40));
}

TEST(Geometry, RectanglesPassAsWin32Pointers)
{
    CRect rect;
    ::SetRect(rect, 1, 2, 3, 4);  // implicit LPRECT
    EXPECT_EQ(rect, CRect(1, 2, 3, 4));
    const CRect& constant = rect;
    EXPECT_TRUE(::EqualRect(constant, &rect));  // LPCRECT and &rect

    CRect overlap;
    EXPECT_FALSE(overlap.IntersectRect(CRect(0, 0, 2, 2), CRect(2, 2, 4, 4)));
    EXPECT_TRUE(overlap.IntersectRect(CRect(0, 0, 3, 3), CRect(2, 2, 4, 4)));
    EXPECT_EQ(overlap, CRect(2, 2, 3, 3));
}

TEST(Geometry, PointFromMouseMessageKeepsNegativeCoordinates)
{
    // A mouse message outside the client area carries negative words.
    CPoint point(static_cast<LPARAM>(MAKELONG(static_cast<WORD>(-5), static_cast<WORD>(-300))));
    EXPECT_EQ(point, CPoint(-5, -300));
    EXPECT_EQ(point + CPoint(10, 10), CPoint(5, -290));
    EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
}
