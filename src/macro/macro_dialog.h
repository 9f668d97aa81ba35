#pragma once
// The dialog that picks a stored macro and its repeat mode for a button.
//
// Fully skinned: a background picture that gives the window its size,
// painted OK, Cancel and close box, painted repeat-mode marks; its only
// child windows are the name field and, while it is open, the list of the
// macros of record.ini. The dialog changes nothing itself: its caller reads
// the members below after DoModal.

#include "classlib/cstring.h"
#include "classlib/dialog.h"
#include "classlib/gdi.h"
#include "classlib/list_box.h"
#include "classlib/static_control.h"
#include "macro/dialog_texts.h"
#include "macro/painted_buttons.h"

#include <array>
#include <cstdint>

// Whether the macro list is open, and the hover marks of the painted
// buttons; both carry over from one run of the dialog to the next.
extern int g_bMacroListOpen;
extern HoverFlags g_MacroDialogHover;

class CMacroDialog : public CDialog {
public:
    CMacroDialog();
    ~CMacroDialog() override;

    // Read after DoModal returned IDOK.
    int m_nSelMacro = -1;       // list position of the chosen macro; -1 none
    uint8_t m_nRepeatMode = 0;  // 0 once, 1 until any button, 2 while held
    CString m_strMacroName;

    // The macro store whose names the list offers: record.ini beside the
    // program unless the caller points it elsewhere before DoModal.
    CString m_strRecordIni;

    BOOL OnInitDialog() override;
    // Eats Enter, Space, Esc and F1: only the painted buttons end the dialog.
    BOOL PreTranslateMessage(MSG* msg) override;

    // The texts of the language the program runs in; the name becomes "".
    void LoadLanguageText();
    // Opens the list (built afresh) or closes it.
    void ToggleMacroList();
    // Fills the open list with the stored macro names, at most one per
    // device macro slot.
    void LoadMacroNames();
    // Takes the picked item: its name and position; the list closes.
    void OnSelchangeMacroList();

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnPaint();
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);

    DECLARE_MESSAGE_TABLE(CMacroDialog, CDialog)

private:
    void CreateDialogFont();
    void CloseMacroList();
    // Releases the font and ends the dialog with IDOK or IDCANCEL.
    void EndFromButton(bool ok);
    void RepaintNow();
    void PaintModeTexts(CDC& dc);

    CFont m_font;
    CBitmap m_bkBitmap;
    // One brush for the name field and the list, kept while the dialog lives.
    CBrush m_fieldBrush;
    CListBox m_listMacros;
    CStatic m_staticName;
    MacroPickTexts m_texts;
    // The mode text boxes; painting fits each to its text's height.
    std::array<RECT, 3> m_rcModeText{};
};
