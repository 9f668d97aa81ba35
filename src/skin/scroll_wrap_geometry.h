#pragma once
// The arithmetic of the scroll bar wrapper: the frame that takes a wrapped
// window's place, the client area the wrapped window keeps once its system
// bars shrink to the skinned bars' width, where the skinned bars and the
// corner square go, and how the clipping child is sized.

#include <windows.h>

// What wrapping does to the window's borders and what the frame wears.
struct WrapFrame {
    DWORD frameStyle = 0;
    DWORD frameExStyle = 0;
    DWORD windowStyle = 0;    // the wrapped window's style, its border moved to the frame
    DWORD windowExStyle = 0;  // the same for the extended style
    RECT inner{};             // the wrapped window's place inside the clipping child
};

// `style`, `exStyle`, `visible` and `size` describe the window to wrap;
// `cxBorder` and `cxEdge` are SM_CXBORDER and SM_CXEDGE.
WrapFrame ComputeWrapFrame(DWORD style, DWORD exStyle, bool visible, SIZE size, int cxBorder, int cxEdge);

// Which corner of the frame shows the corner square.
enum WrapCorner : int { kCornerNone = 0, kCornerBottomLeft = 1, kCornerBottomRight = 2 };

// The outcome of the wrapped window's client-area calculation.
struct WrappedClientLayout {
    RECT client{};       // the client rectangle, widened so that only the skinned width is reserved
    RECT verticalBar{};  // the skinned bars, in the same coordinates
    RECT horizontalBar{};
    bool hasVertical = false;
    bool hasHorizontal = false;
    WrapCorner corner = kCornerNone;
};

// `client` is the client rectangle the window's own procedure computed;
// `barWidth` is the skinned bars' thickness and `systemBarWidth`
// SM_CXVSCROLL (also used for the horizontal bar's height).
WrappedClientLayout ComputeWrappedClientLayout(RECT client, DWORD style, DWORD exStyle, int barWidth,
                                               int systemBarWidth);

// The clipping child's rectangle in the frame and the wrapped window's x
// inside it (0, or -barWidth when the vertical bar is on the left).
struct WrapRelayout {
    RECT limit{};
    int windowX = 0;
};

WrapRelayout ComputeWrapRelayout(RECT frameClient, bool vertical, bool leftScrollBar, bool horizontalVisible,
                                 int barWidth);

// Where the corner square is copied from in the skin (a barWidth square of
// the corner column) and to in the frame's client area.
RECT CornerSourceRect(WrapCorner corner, int barWidth);
RECT CornerTargetRect(WrapCorner corner, RECT frameClient, int barWidth);
