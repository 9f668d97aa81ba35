#include "pages/dlg_lighting.h"

#include "resource.h"

CDlgLighting::CDlgLighting() : CDialog(IDD_PAGE_LIGHTING) {}

void CDlgLighting::RefreshFromSettings() {}
