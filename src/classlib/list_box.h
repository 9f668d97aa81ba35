#pragma once
// CListBox over the system list box. An owner-drawn list box
// (LBS_OWNERDRAWFIXED / LBS_OWNERDRAWVARIABLE) is measured and drawn by its
// own object: the parent's WM_MEASUREITEM and WM_DRAWITEM for it come to
// MeasureItem and DrawItem.

#include "classlib/cstring.h"
#include "classlib/wnd.h"

class CListBox : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create(L"LISTBOX", L"", style, rect, parent, id);
    }

    // Each returns what the list box answers (an index, a count or LB_ERR).
    int AddString(LPCWSTR text) { return Send(LB_ADDSTRING, 0, Text(text)); }
    int InsertString(int index, LPCWSTR text) { return Send(LB_INSERTSTRING, Index(index), Text(text)); }
    int DeleteString(UINT index) { return Send(LB_DELETESTRING, index); }
    void ResetContent() { Send(LB_RESETCONTENT); }
    int GetCount() const { return Send(LB_GETCOUNT); }
    int GetCurSel() const { return Send(LB_GETCURSEL); }
    int SetCurSel(int index) { return Send(LB_SETCURSEL, Index(index)); }
    int GetTextLen(int index) const { return Send(LB_GETTEXTLEN, Index(index)); }
    // `buffer` must hold GetTextLen(index) + 1 characters.
    int GetText(int index, LPWSTR buffer) const { return Send(LB_GETTEXT, Index(index), Text(buffer)); }
    // Leaves `text` empty for an index outside the list.
    void GetText(int index, CString& text) const;
    int GetItemRect(int index, LPRECT rect) const
    {
        return Send(LB_GETITEMRECT, Index(index), reinterpret_cast<LPARAM>(rect));
    }
    int SetItemData(int index, DWORD_PTR data) { return Send(LB_SETITEMDATA, Index(index), static_cast<LPARAM>(data)); }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, Index(index))); }
    // The first item after `startAfter` (-1: from the top) whose text starts
    // with `prefix`, without regard to case.
    int FindString(int startAfter, LPCWSTR prefix) const
    {
        return Send(LB_FINDSTRING, Index(startAfter), Text(prefix));
    }
    int SetItemHeight(int index, UINT height) { return Send(LB_SETITEMHEIGHT, Index(index), MAKELPARAM(height, 0)); }

    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessage(message, wParam, lParam));
    }
    static WPARAM Index(int index) { return static_cast<WPARAM>(index); }
    static LPARAM Text(const wchar_t* text) { return reinterpret_cast<LPARAM>(text); }
};
