#include "pages/dlg_double_click.h"

#include "resource.h"

CDlgDoubleClick::CDlgDoubleClick() : CDialog(IDD_PAGE_DOUBLE_CLICK) {}
