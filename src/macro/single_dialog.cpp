#include "macro/single_dialog.h"

#include "resource.h"

CSingleDialog::CSingleDialog() : CDialog(IDD_SINGLE_KEY) {}
