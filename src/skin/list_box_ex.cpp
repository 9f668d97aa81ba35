#include "skin/list_box_ex.h"

void CListBoxEx::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (GetCount() < 1)
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    if (!dc)
        return;

    CString text;
    GetText(static_cast<int>(item->itemID), text);
    const COLORREF previousText = ::GetTextColor(item->hDC);
    const COLORREF previousBackground = ::GetBkColor(item->hDC);

    CRect rect(item->rcItem);
    if (item->itemState & ODS_SELECTED) {
        dc->SetTextColor(m_crSelectedText);
        // The text cells are drawn on the same colour as the bar.
        dc->SetBkColor(m_crSelectedBackground);
        dc->FillSolidRect(&rect, m_crSelectedBackground);
    } else {
        dc->FillSolidRect(&rect, previousBackground);
    }
    dc->DrawText(text, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);

    dc->SetTextColor(previousText);
    dc->SetBkColor(previousBackground);
}

int CListBoxEx::DeleteString(UINT index)
{
    SetItemData(static_cast<int>(index), 0);
    const int remaining = CListBox::DeleteString(index);
    UpdateWindow();
    return remaining;
}
