#include "pages/dlg_angle_snap.h"

#include "resource.h"

CDlgAngleSnap::CDlgAngleSnap() : CDialog(IDD_PAGE_ANGLE_SNAP) {}
