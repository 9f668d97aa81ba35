#include "app/config_dialog.h"

#include "resource.h"

CConfigDialog::CConfigDialog() : CDialog(IDD_PROFILE_LIST) {}
