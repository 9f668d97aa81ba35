#include "pages/dlg_dpi_setting.h"

#include "resource.h"

CDlgDPISetting::CDlgDPISetting() : CDialog(IDD_PAGE_DPI) {}

void CDlgDPISetting::RefreshFromSettings() {}
