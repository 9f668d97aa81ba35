#include "pages/dlg_mouse_speed.h"

#include "resource.h"

CDlgMouseSpeed::CDlgMouseSpeed() : CDialog(IDD_PAGE_MOUSE_SPEED) {}
