#pragma once
// CButton over the system button control. An owner-drawn button
// (BS_OWNERDRAW) is drawn by its own object: the parent's WM_DRAWITEM for it
// comes to DrawItem.

#include "classlib/wnd.h"

class CButton : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // BM_SETSTYLE: the button type and flags of the low word.
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
