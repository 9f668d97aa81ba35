#include "pages/dlg_double_click.h"

#include "classlib/debug_output.h"
#include "resource.h"

CDlgDoubleClick::CDlgDoubleClick() : CSpeedDialPage(IDD_PAGE_DOUBLE_CLICK, &SettingsRecord::DoubleClickSpeed) {}

void CDlgDoubleClick::OnRingClicked(double angle)
{
    DebugTrace(L"angle/18:angle=%f,angle/18=%d\n", angle, static_cast<int>(angle / 18.0));
}
