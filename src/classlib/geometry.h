#pragma once
// CPoint, CSize and CRect: value types over POINT, SIZE and RECT. Each derives
// from its Win32 structure, so `&rect` is an LPRECT and a CRect passes
// wherever a RECT is expected. Rectangles follow the Win32 rule: left and top
// edges inside, right and bottom edges outside.

#include <windows.h>

class CSize : public SIZE {
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int width, int height) noexcept : SIZE{width, height} {}
    CSize(SIZE size) noexcept : SIZE(size) {}

    friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

class CPoint : public POINT {
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int px, int py) noexcept : POINT{px, py} {}
    CPoint(POINT point) noexcept : POINT(point) {}
    // From the packed coordinates of a mouse message's lParam (signed words).
    explicit CPoint(LPARAM packed) noexcept
        : POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))}
    {}

    void Offset(int dx, int dy) noexcept
    {
        x += dx;
        y += dy;
    }
    void Offset(POINT delta) noexcept { Offset(delta.x, delta.y); }

    CPoint& operator+=(POINT delta) noexcept
    {
        Offset(delta);
        return *this;
    }
    CPoint& operator-=(POINT delta) noexcept
    {
        Offset(-delta.x, -delta.y);
        return *this;
    }
    friend CPoint operator+(CPoint a, POINT b) { return a += b; }
    friend CPoint operator-(CPoint a, POINT b) { return a -= b; }
    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
};

class CRect : public RECT {
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& rect) noexcept : RECT(rect) {}
    CRect(POINT topLeft, SIZE size) noexcept : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) noexcept : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return {Width(), Height()}; }
    CPoint TopLeft() const noexcept { return {left, top}; }
    CPoint BottomRight() const noexcept { return {right, bottom}; }
    CPoint CenterPoint() const noexcept { return {(left + right) / 2, (top + bottom) / 2}; }

    bool IsRectEmpty() const noexcept { return ::IsRectEmpty(this) != FALSE; }
    bool IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(POINT point) const noexcept { return ::PtInRect(this, point) != FALSE; }
    bool EqualRect(const RECT& other) const noexcept { return ::EqualRect(this, &other) != FALSE; }

    void SetRect(int l, int t, int r, int b) noexcept
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT& other) noexcept { *static_cast<RECT*>(this) = other; }

    void OffsetRect(int dx, int dy) noexcept
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void OffsetRect(POINT delta) noexcept { OffsetRect(delta.x, delta.y); }
    void OffsetRect(SIZE delta) noexcept { OffsetRect(delta.cx, delta.cy); }

    // Grows each side outwards (negative values shrink).
    void InflateRect(int l, int t, int r, int b) noexcept
    {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void InflateRect(int dx, int dy) noexcept { InflateRect(dx, dy, dx, dy); }
    void InflateRect(SIZE size) noexcept { InflateRect(size.cx, size.cy); }
    void InflateRect(const RECT& sides) noexcept { InflateRect(sides.left, sides.top, sides.right, sides.bottom); }

    // Moves each side inwards.
    void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(int dx, int dy) noexcept { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE size) noexcept { DeflateRect(size.cx, size.cy); }
    void DeflateRect(const RECT& sides) noexcept { DeflateRect(sides.left, sides.top, sides.right, sides.bottom); }

    // Swaps edges so that left <= right and top <= bottom.
    void NormalizeRect() noexcept;

    // Set this rectangle to the overlap (or the bounding box) of two; the
    // result of IntersectRect is false and this rectangle empty when they
    // do not overlap.
    bool IntersectRect(const RECT& a, const RECT& b) noexcept { return ::IntersectRect(this, &a, &b) != FALSE; }
    bool UnionRect(const RECT& a, const RECT& b) noexcept { return ::UnionRect(this, &a, &b) != FALSE; }

    CRect& operator=(const RECT& other) noexcept
    {
        CopyRect(other);
        return *this;
    }
    CRect& operator+=(POINT delta) noexcept
    {
        OffsetRect(delta);
        return *this;
    }
    CRect& operator-=(POINT delta) noexcept
    {
        OffsetRect(-delta.x, -delta.y);
        return *this;
    }

    friend bool operator==(const CRect& a, const CRect& b) { return a.EqualRect(b); }
};

inline void CRect::NormalizeRect() noexcept
{
    if (left > right) {
        LONG t = left;
        left = right;
        right = t;
    }
    if (top > bottom) {
        LONG t = top;
        top = bottom;
        bottom = t;
    }
}
