#pragma once
// The wheel scrolling page of the settings panel: one wheel notch scrolls a
// number of lines (typed into an edit or stepped with two arrows) or one
// screen. It edits WheelPageMode and WheelLines of g_Settings at once.

#include "classlib/edit.h"
#include "pages/skinned_page.h"

class CDlgMouseWheelSpeed : public CSkinnedPage {
public:
    CDlgMouseWheelSpeed();

    // Shows the current g_Settings again after the record was replaced.
    void RefreshFromSettings();
    // The arrows: one line more or less, in lines mode.
    void LinesUp();
    void LinesDown();

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnEnChangeLines();

    DECLARE_MESSAGE_TABLE(CDlgMouseWheelSpeed, CSkinnedPage)

private:
    void CreateControls();
    // Page mode: the edit disabled and showing "0". Lines mode: the edit
    // enabled and showing the line count.
    void ShowModeInEdit();
    void ShowLinesInEdit();
    // Sets the edit's text without taking it for the user's entry.
    void SetEditText(const wchar_t* text);

    CString m_strText;
    CEdit m_editLines;
    bool m_bSettingText = false;
};
