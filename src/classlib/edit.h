#pragma once
// CEdit over the system edit control. Its text is read and written with the
// window-text members; a change of the text by the program sends EN_CHANGE
// to the parent, as a change by the user does.

#include "classlib/wnd.h"

class CEdit : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create(L"EDIT", L"", style, rect, parent, id);
    }

    // The most characters the user may type (0: the system's maximum).
    void SetLimitText(UINT maxChars) { SendMessage(EM_SETLIMITTEXT, maxChars); }
    void LimitText(int maxChars = 0) { SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(maxChars)); }
    // Selects from `start` to `end` (-1, -1 removes the selection) and
    // scrolls the caret into view unless told not to.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
};
