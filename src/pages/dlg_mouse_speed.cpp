#include "pages/dlg_mouse_speed.h"

#include "resource.h"

CDlgMouseSpeed::CDlgMouseSpeed() : CSpeedDialPage(IDD_PAGE_MOUSE_SPEED, &SettingsRecord::PointerSpeed) {}
