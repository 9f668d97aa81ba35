#include "classlib/scroll_bar.h"

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL redraw)
{
    info->cbSize = sizeof(SCROLLINFO);
    SendMessage(SBM_SETSCROLLINFO, static_cast<WPARAM>(redraw), reinterpret_cast<LPARAM>(info));
    return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask)
{
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return static_cast<BOOL>(SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
}

namespace msgmap {

// The scroll bar control that sent a WM_VSCROLL / WM_HSCROLL, when it has a
// CScrollBar object; null for a window's own scroll bars and for controls
// without one.
CScrollBar* ScrollBarArg(LPARAM handle)
{
    return dynamic_cast<CScrollBar*>(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(handle)));
}

}  // namespace msgmap
