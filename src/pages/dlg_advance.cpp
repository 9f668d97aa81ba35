#include "pages/dlg_advance.h"

#include "resource.h"

CDlgadvance::CDlgadvance() : CDialog(IDD_PANEL) {}

void CDlgadvance::AttachSkinScrollBar() {}

void CDlgadvance::UpdateScrollRange() {}

void CDlgadvance::CollapseAllSections() {}

void CDlgadvance::RefreshAllPages() {}
