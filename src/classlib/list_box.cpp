#include "classlib/list_box.h"

void CListBox::GetText(int index, CString& text) const
{
    const int length = GetTextLen(index);
    if (length == LB_ERR) {
        text.Empty();
        return;
    }
    wchar_t* buffer = text.GetBuffer(length);
    const int copied = GetText(index, buffer);
    text.ReleaseBuffer(copied == LB_ERR ? 0 : copied);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM)
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    else if (message == WM_MEASUREITEM)
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    else
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    if (result)
        *result = TRUE;
    return TRUE;
}
