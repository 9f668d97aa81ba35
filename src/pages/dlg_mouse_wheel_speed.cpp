#include "pages/dlg_mouse_wheel_speed.h"

#include "resource.h"

CDlgMouseWheelSpeed::CDlgMouseWheelSpeed() : CDialog(IDD_PAGE_WHEEL_SPEED) {}

void CDlgMouseWheelSpeed::RefreshFromSettings() {}
