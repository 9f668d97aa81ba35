#pragma once
// CLBEditorWnd: edits the text of one list box item in place. An edit
// control laid over the item writes the edited text back into the list box
// when editing ends and then posts WM_LEBEDIT_END to the list box.
//
// The owner sets g_nEditContext, creates the editor with new and calls
// Edit; the editor then lives until its window is gone and deletes itself.
// Owners keep no pointer to it. While it lives it holds the mouse capture,
// so a click anywhere outside it commits the edit.

#include "classlib/cstring.h"
#include "classlib/edit.h"
#include "classlib/list_box.h"
#include "skin/lb_edit_rules.h"

#include <cstdint>

// What the next edit changes: kEditProfileName, kEditMacroDelay or
// kEditMacroName. Any other value ends an edit without changing the list.
extern std::uint8_t g_nEditContext;
// The item's text as it was when the last edit started.
extern CString g_strEditStartText;

class CLBEditorWnd : public CEdit {
public:
    explicit CLBEditorWnd(CListBox* list);

    // Starts editing item `index`, digits only when `numeric` is 1. With an
    // index outside the list the object deletes itself and returns false.
    bool Edit(int index, char numeric);
    // Ends the edit once; later calls do nothing. With `commit` the item
    // gets the text the edit context allows; without it stays as it was.
    // Either way WM_LEBEDIT_END goes to the list box and the window, and
    // with it this object, goes.
    void EndEdit(bool commit);

    // The id of the edit window within the list box.
    static constexpr UINT kEditId = 1;

protected:
    void OnLButtonDown(UINT flags, CPoint point);
    void OnNcDestroy();
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    UINT OnGetDlgCode();
    void OnKillFocus();

    DECLARE_MESSAGE_TABLE(CLBEditorWnd, CEdit)

private:
    ~CLBEditorWnd() override = default;  // only the object itself deletes it

    void CommitText();
    void DiscardQueuedInput();

    int m_nItem = -1;
    // Set while Create runs: a creation that fails after the window was bound
    // ends in OnNcDestroy, which then deletes the object and says so here.
    bool* m_pDeletedDuringCreate = nullptr;
    CListBox* m_pListBox;
    bool m_bEnded = false;
};
