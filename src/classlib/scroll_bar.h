#pragma once
// CScrollBar over the system scroll bar control. A derived class may
// override WindowProc to answer messages (SBM_SETSCROLLINFO and the like)
// before the control's own processing.

#include "classlib/wnd.h"

class CScrollBar : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create(L"SCROLLBAR", L"", style, rect, parent, id);
    }

    // The control's own scroll information (SBM_SETSCROLLINFO /
    // SBM_GETSCROLLINFO); `info->cbSize` is filled in.
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL);
};
