#include "pages/dlg_angle_snap.h"

#include "model/settings_record.h"
#include "pages/angle_snap_marks.h"
#include "pages/page_font.h"
#include "resource.h"
#include "text/text_table.h"

namespace {

constexpr int kOffTextId = 587;
constexpr int kOnTextId = 588;

}  // namespace

BEGIN_MESSAGE_TABLE(CDlgAngleSnap)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
END_MESSAGE_TABLE()

CDlgAngleSnap::CDlgAngleSnap() : CSkinnedPage(IDD_PAGE_ANGLE_SNAP, L"Skins\\AngleSnap\\BK_AngleSnap.png") {}

void CDlgAngleSnap::InitFont(CFont& font)
{
    CreatePageFont(font);
}

void CDlgAngleSnap::OnPaint()
{
    Canvas canvas(*this);
    canvas.DrawSkin(m_backgroundPath, 0, 0);

    // Enable marks the chosen state; any value but 0 counts as on.
    const bool on = g_Settings.AngleSnapping != 0;
    canvas.DrawSkin(on ? L"Skins\\Disable.png" : L"Skins\\Enable.png", kAngleSnapOffMark.left, kAngleSnapOffMark.top);
    canvas.DrawSkin(on ? L"Skins\\Enable.png" : L"Skins\\Disable.png", kAngleSnapOnMark.left, kAngleSnapOnMark.top);

    canvas.dc().TextOut(kAngleSnapOffMark.right + 5, kAngleSnapOffMark.top, g_TextTable[kOffTextId]);
    canvas.dc().TextOut(kAngleSnapOnMark.right + 5, kAngleSnapOnMark.top, g_TextTable[kOnTextId]);
}

void CDlgAngleSnap::OnLButtonDown(UINT, CPoint point)
{
    if (const auto value = AngleSnappingAt(point)) {
        g_Settings.AngleSnapping = *value;
        Invalidate(TRUE);
    }
    Default();
}
