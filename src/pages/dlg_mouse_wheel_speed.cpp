#include "pages/dlg_mouse_wheel_speed.h"

#include "model/settings_record.h"
#include "pages/wheel_lines.h"
#include "resource.h"
#include "text/text_table.h"

namespace {

constexpr int kLinesTextId = 46;
constexpr int kPageTextId = 47;
constexpr int kLabelGap = 8;
constexpr int kLabelWidth = 140;

}  // namespace

BEGIN_MESSAGE_TABLE(CDlgMouseWheelSpeed)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_EN_CHANGE(IDC_WHEEL_LINES, OnEnChangeLines)
END_MESSAGE_TABLE()

CDlgMouseWheelSpeed::CDlgMouseWheelSpeed()
    : CSkinnedPage(IDD_PAGE_WHEEL_SPEED, L"Skins\\MouseAttribute\\BK_ScrollSpeed.png")
{}

BOOL CDlgMouseWheelSpeed::OnInitDialog()
{
    CSkinnedPage::OnInitDialog();
    CreateControls();
    return TRUE;
}

void CDlgMouseWheelSpeed::CreateControls()
{
    m_editLines.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_CENTER, kWheelLinesEdit, this,
                       IDC_WHEEL_LINES);
    // "100" is the longest count; the limit keeps the text a short number.
    m_editLines.SetLimitText(kWheelLinesMaxChars);
    m_editLines.ShowWindow(SW_SHOW);
    ShowModeInEdit();
}

void CDlgMouseWheelSpeed::RefreshFromSettings()
{
    if (!m_hWnd)
        return;
    ShowModeInEdit();
    Invalidate(TRUE);
    UpdateWindow();
}

void CDlgMouseWheelSpeed::ShowModeInEdit()
{
    if (g_Settings.WheelPageMode != 0) {
        m_editLines.EnableWindow(FALSE);
        SetEditText(L"0");
    } else {
        m_editLines.EnableWindow(TRUE);
        ShowLinesInEdit();
    }
}

void CDlgMouseWheelSpeed::ShowLinesInEdit()
{
    // A count no entry could give (from a damaged file) shows and stays as 1.
    g_Settings.WheelLines = ValidWheelLines(g_Settings.WheelLines);
    m_strText.Format(L"%d", g_Settings.WheelLines);
    SetEditText(m_strText);
}

void CDlgMouseWheelSpeed::SetEditText(const wchar_t* text)
{
    m_bSettingText = true;
    m_editLines.SetWindowText(text);
    m_bSettingText = false;
}

void CDlgMouseWheelSpeed::LinesUp()
{
    if (!m_editLines.m_hWnd)
        return;
    g_Settings.WheelLines = WheelLinesUp(g_Settings.WheelLines);
    ShowLinesInEdit();
}

void CDlgMouseWheelSpeed::LinesDown()
{
    if (!m_editLines.m_hWnd)
        return;
    g_Settings.WheelLines = WheelLinesDown(g_Settings.WheelLines);
    ShowLinesInEdit();
}

void CDlgMouseWheelSpeed::OnPaint()
{
    Canvas canvas(*this);
    canvas.DrawSkin(m_backgroundPath, 0, 0);

    // Only 1 marks the page option; any other value marks the lines option.
    const bool pageMode = g_Settings.WheelPageMode == 1;
    const wchar_t* chosen = L"Skins\\MouseAttribute\\ScrollSpeed\\Enable.png";
    const wchar_t* other = L"Skins\\MouseAttribute\\ScrollSpeed\\Disable.png";
    canvas.DrawSkin(pageMode ? chosen : other, kWheelPageOption.left, kWheelPageOption.top);
    canvas.DrawSkin(pageMode ? other : chosen, kWheelLinesOption.left, kWheelLinesOption.top);
    canvas.DrawSkin(L"Skins\\MouseAttribute\\ScrollSpeed\\ScrollLines.png", kWheelLinesEdit.left, kWheelLinesEdit.top);

    const RECT& lines = kWheelLinesOption;
    RECT linesLabel{lines.right + kLabelGap, lines.top - 3, lines.right + kLabelWidth, lines.bottom};
    canvas.dc().DrawText(g_TextTable[kLinesTextId], &linesLabel, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const RECT& page = kWheelPageOption;
    RECT pageLabel{page.right + kLabelGap, page.top, page.right + kLabelWidth, page.bottom};
    canvas.dc().DrawText(g_TextTable[kPageTextId], &pageLabel, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void CDlgMouseWheelSpeed::OnLButtonDown(UINT, CPoint point)
{
    const bool linesMode = g_Settings.WheelPageMode == 0;
    switch (WheelPagePartAt(point)) {
    case WheelPagePart::UpArrow:
        if (linesMode)
            LinesUp();
        break;
    case WheelPagePart::DownArrow:
        if (linesMode)
            LinesDown();
        break;
    case WheelPagePart::LinesOption:
        g_Settings.WheelPageMode = 0;
        if (m_editLines.m_hWnd) {
            m_editLines.EnableWindow(TRUE);
            ShowLinesInEdit();
        }
        break;
    case WheelPagePart::PageOption:
        // The edit keeps its number, and so does the record.
        if (m_editLines.m_hWnd)
            m_editLines.EnableWindow(FALSE);
        g_Settings.WheelPageMode = 1;
        break;
    case WheelPagePart::None:
        break;
    }
    Invalidate(TRUE);
    UpdateWindow();
    Default();
}

void CDlgMouseWheelSpeed::OnEnChangeLines()
{
    // The program's own texts are right as they stand: in page mode the edit
    // shows "0", which must not be taken for an entry and stored as 1.
    if (m_bSettingText)
        return;
    m_editLines.GetWindowText(m_strText);
    const TypedWheelLines typed = ReadTypedWheelLines(m_strText);
    if (typed.replaceText)
        SetEditText(L"1");
    m_editLines.Invalidate(TRUE);
    g_Settings.WheelLines = typed.lines;
}
