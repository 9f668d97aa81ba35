#pragma once
// CListBoxEx: the list box of the skinned windows. Created owner-drawn
// (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS), it draws the selected item in the
// skin's colours; the other items take the colours the owner's
// WM_CTLCOLORLISTBOX handler puts into the device context. No focus
// rectangle is drawn.

#include "classlib/list_box.h"

class CListBoxEx : public CListBox {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;

    // Clears the item's data, deletes the item and repaints at once. Returns
    // what LB_DELETESTRING returns: the remaining count, or LB_ERR.
    int DeleteString(UINT index);

    COLORREF m_crSelectedBackground = RGB(72, 24, 24);
    COLORREF m_crSelectedText = RGB(255, 255, 255);
};
