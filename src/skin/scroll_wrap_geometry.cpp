#include "skin/scroll_wrap_geometry.h"

#include "skin/scroll_bar_geometry.h"

namespace {

// A class-specific style bit the frame carries; its class gives it no
// meaning.
constexpr DWORD kFrameExtraStyle = 0x0100;

}  // namespace

WrapFrame ComputeWrapFrame(DWORD style, DWORD exStyle, bool visible, SIZE size, int cxBorder, int cxEdge)
{
    WrapFrame frame;
    frame.frameStyle = WS_CHILD | kFrameExtraStyle | (visible ? WS_VISIBLE : 0);
    frame.frameExStyle = exStyle & WS_EX_TOOLWINDOW;
    frame.windowStyle = style;
    frame.windowExStyle = exStyle;
    frame.inner = {0, 0, size.cx, size.cy};

    if (style & WS_BORDER) {
        frame.frameStyle |= WS_BORDER;
        frame.windowStyle &= ~static_cast<DWORD>(WS_BORDER);
        frame.inner.right -= 2 * cxBorder;
        frame.inner.bottom -= 2 * cxBorder;
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        frame.frameExStyle |= WS_EX_CLIENTEDGE;
        frame.windowExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
        frame.inner.right -= 2 * cxEdge;
        frame.inner.bottom -= 2 * cxEdge;
    }
    return frame;
}

WrappedClientLayout ComputeWrappedClientLayout(RECT client, DWORD style, DWORD exStyle, int barWidth,
                                               int systemBarWidth)
{
    WrappedClientLayout layout;
    layout.hasVertical = (style & WS_VSCROLL) != 0;
    layout.hasHorizontal = (style & WS_HSCROLL) != 0;
    const bool left = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;

    if (layout.hasVertical) {
        if (left)
            client.left += barWidth - systemBarWidth;
        else
            client.right += systemBarWidth - barWidth;
    }
    if (layout.hasHorizontal)
        client.bottom += systemBarWidth - barWidth;
    layout.client = client;

    if (left)
        layout.verticalBar = {client.left - barWidth, 0, client.left, client.bottom};
    else
        layout.verticalBar = {client.right, 0, client.right + barWidth, client.bottom};
    layout.horizontalBar = {left ? client.left : 0, client.bottom, client.right, client.bottom + barWidth};

    if (layout.hasVertical && layout.hasHorizontal)
        layout.corner = left ? kCornerBottomLeft : kCornerBottomRight;
    return layout;
}

WrapRelayout ComputeWrapRelayout(RECT frameClient, bool vertical, bool leftScrollBar, bool horizontalVisible,
                                 int barWidth)
{
    WrapRelayout relayout;
    relayout.limit = frameClient;
    if (horizontalVisible)
        relayout.limit.bottom -= barWidth;
    if (vertical) {
        if (leftScrollBar) {
            relayout.limit.left += barWidth;
            relayout.windowX = -barWidth;
        } else {
            relayout.limit.right -= barWidth;
        }
    }
    return relayout;
}

RECT CornerSourceRect(WrapCorner corner, int barWidth)
{
    const int left = kSkinCornerColumn * barWidth;
    // The bottom-left square comes from one bar width down the column, the
    // bottom-right one from its top.
    const int top = corner == kCornerBottomLeft ? barWidth : 0;
    return {left, top, left + barWidth, top + barWidth};
}

RECT CornerTargetRect(WrapCorner corner, RECT frameClient, int barWidth)
{
    const int top = frameClient.bottom - barWidth;
    switch (corner) {
    case kCornerBottomLeft:
        return {frameClient.left, top, frameClient.left + barWidth, frameClient.bottom};
    case kCornerBottomRight:
        return {frameClient.right - barWidth, top, frameClient.right, frameClient.bottom};
    case kCornerNone:
        break;
    }
    return {};
}
