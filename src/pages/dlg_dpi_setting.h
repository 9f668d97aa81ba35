#pragma once
// The DPI stages page of the settings panel: seven stage columns, each with
// a vertical slider for the value, a value box that opens into an editor
// for typing, an on/off icon and a colour swatch. Every change goes straight
// into g_Settings.

#include "classlib/cstring.h"
#include "classlib/dialog.h"
#include "classlib/edit.h"
#include "classlib/gdi.h"
#include "classlib/static_control.h"
#include "model/settings_record.h"
#include "pages/kept_brush.h"
#include "skin/marker.h"

#include <array>

// The stage whose value editor was opened last (0..6), -1 when none is.
extern int g_DpiEditOpen;
// The text of the last committed typed value, of any stage.
extern CString g_LastDpiText;

class CDlgDPISetting : public CDialog {
public:
    CDlgDPISetting();
    ~CDlgDPISetting() override;

    // Shows the current g_Settings again after the record was replaced; an
    // open value editor is closed without committing.
    void RefreshFromSettings();

    // Stores what value editor `stage` holds as the stage's DPI (see
    // dpi::CommitTypedDpi) and closes the editors, also when the value is
    // the one the stage had.
    void CommitDpiEdit(int stage);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

    std::array<CDMarkerV, kDpiStageCount> m_sliders;
    CBitmap m_bkBitmap;
    CFont m_font;
    std::array<CStatic, kDpiStageCount> m_swatches;
    std::array<CEdit, kDpiStageCount> m_editors;
    std::array<CString, kDpiStageCount> m_editTexts;

protected:
    void CreateControls();
    void HideEditors();
    void SetSlider(int stage);

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    LRESULT OnMarkerPos(WPARAM position, LPARAM id);
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);

    DECLARE_MESSAGE_TABLE(CDlgDPISetting, CDialog)

private:
    void ChooseColour(int stage);
    void OpenEditor(int stage);

    std::array<KeptSolidBrush, kDpiStageCount> m_swatchBrushes;
    KeptSolidBrush m_editorBrush;
};
