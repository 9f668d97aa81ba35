#include "pages/speed_dial_page.h"

#include "pages/speed_dial.h"
#include "text/text_table.h"

namespace {

constexpr int kSlowTextId = 44;
constexpr int kFastTextId = 45;
// The labels' width beside the dial and their height up from its bottom.
constexpr int kLabelWidth = 45;
constexpr int kLabelHeight = 30;

}  // namespace

BEGIN_MESSAGE_TABLE(CSpeedDialPage)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
END_MESSAGE_TABLE()

CSpeedDialPage::CSpeedDialPage(UINT templateId, LevelField field)
    : CSkinnedPage(templateId, L"Skins\\MouseAttribute\\BK_MouseAttribute.png"), m_field(field)
{}

void CSpeedDialPage::OnPaint()
{
    Canvas canvas(*this);
    canvas.DrawSkin(m_backgroundPath, 0, 0);

    // Both pages use the one picture set; a level without a picture (0, or 12
    // and above from a file) draws no dial.
    const RECT& dial = kSpeedDialRect;
    CString level;
    level.Format(L"Skins\\/MouseAttribute/Speed/%d.png", g_Settings.*m_field);
    canvas.DrawSkin(level, dial.left, dial.top);

    RECT slow{dial.left - kLabelWidth, dial.bottom - kLabelHeight, dial.left, dial.bottom};
    canvas.dc().DrawText(g_TextTable[kSlowTextId], &slow, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    RECT fast{dial.right, dial.bottom - kLabelHeight, dial.right + kLabelWidth, dial.bottom};
    canvas.dc().DrawText(g_TextTable[kFastTextId], &fast, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void CSpeedDialPage::OnLButtonDown(UINT, CPoint point)
{
    const SpeedDialClick click = ClickSpeedDial(point, g_Settings.*m_field);
    if (click.ignored)
        return;
    if (click.angle)
        OnRingClicked(*click.angle);
    g_Settings.*m_field = click.level;
    Invalidate(TRUE);
    UpdateWindow();
    Default();
}
