#include "skin/lb_editor_wnd.h"

#include "messages.h"
#include "skin/lb_edit_rules.h"

#include <vector>

std::uint8_t g_nEditContext = 0;
CString g_strEditStartText;

BEGIN_MESSAGE_TABLE(CLBEditorWnd)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_NCDESTROY(OnNcDestroy)
    MAP_KEYDOWN(OnKeyDown)
    MAP_GETDLGCODE(OnGetDlgCode)
    MAP_REFLECT(EN_KILLFOCUS, OnKillFocus)
END_MESSAGE_TABLE()

CLBEditorWnd::CLBEditorWnd(CListBox* list) : m_pListBox(list) {}

bool CLBEditorWnd::Edit(int index, char numeric)
{
    if (!m_pListBox || index < 0 || index >= m_pListBox->GetCount()) {
        delete this;
        return false;
    }
    m_nItem = index;
    m_pListBox->GetText(index, g_strEditStartText);

    CRect rect;
    m_pListBox->GetItemRect(index, &rect);
    rect.InflateRect(1, 1);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_WANTRETURN;
    if (numeric == 1)
        style |= ES_NUMBER;
    bool deletedDuringCreate = false;
    m_pDeletedDuringCreate = &deletedDuringCreate;
    if (!Create(style, rect, m_pListBox, kEditId)) {
        if (!deletedDuringCreate)
            delete this;
        return false;
    }
    m_pDeletedDuringCreate = nullptr;

    SendMessage(WM_SETFONT, static_cast<WPARAM>(m_pListBox->SendMessage(WM_GETFONT)), TRUE);
    SetWindowText(g_strEditStartText);
    SetCapture();
    SetFocus();
    // The whole text, with the caret at its start.
    SendMessage(EM_SETSEL, static_cast<WPARAM>(g_strEditStartText.GetLength()), 0);
    SendMessage(EM_SCROLLCARET);
    return true;
}

void CLBEditorWnd::EndEdit(bool commit)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    ::ReleaseCapture();

    if (commit)
        CommitText();

    DiscardQueuedInput();
    m_pListBox->PostMessage(WM_LEBEDIT_END, kEditId, m_nItem);
    DestroyWindow();  // its WM_NCDESTROY deletes this object
}

void CLBEditorWnd::CommitText()
{
    CString typed;
    GetWindowText(typed);

    const int count = m_pListBox->GetCount();
    std::vector<CString> items(static_cast<size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        m_pListBox->GetText(i, items[static_cast<size_t>(i)]);

    const auto text = CommittedItemText(g_nEditContext, typed, g_strEditStartText, items, m_nItem);
    if (!text)
        return;
    m_pListBox->SendMessage(LB_DELETESTRING, static_cast<WPARAM>(m_nItem));
    m_pListBox->InsertString(m_nItem, *text);
    m_pListBox->SetCurSel(m_nItem);
}

void CLBEditorWnd::DiscardQueuedInput()
{
    // The keys and clicks that are still queued for the window (the
    // character of the Enter that ended the edit, say) would reach a window
    // that is about to go. Only input is removed: a pending WM_PAINT is
    // never taken out of the queue by PeekMessage, so removing "everything"
    // would never finish. The bound is a guard against a source that keeps
    // refilling the queue.
    constexpr int kMaxDiscarded = 1024;
    MSG msg;
    for (int discarded = 0;
         discarded < kMaxDiscarded && ::PeekMessageW(&msg, m_hWnd, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE); ++discarded) {
    }
    for (int discarded = 0;
         discarded < kMaxDiscarded && ::PeekMessageW(&msg, m_hWnd, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE);
         ++discarded) {
    }
}

void CLBEditorWnd::OnLButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    if (::WindowFromPoint(point) == m_hWnd)
        Default();
    else
        EndEdit(true);
}

void CLBEditorWnd::OnNcDestroy()
{
    CEdit::OnNcDestroy();
    if (m_pDeletedDuringCreate)
        *m_pDeletedDuringCreate = true;
    delete this;
}

void CLBEditorWnd::OnKeyDown(UINT key, UINT, UINT)
{
    if (key == VK_TAB || key == VK_RETURN)
        EndEdit(true);
    else if (key == VK_ESCAPE)
        EndEdit(false);
    else
        Default();
}

UINT CLBEditorWnd::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CLBEditorWnd::OnKillFocus()
{
    EndEdit(true);
}
