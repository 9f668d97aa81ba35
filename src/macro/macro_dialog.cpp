#include "macro/macro_dialog.h"

#include "resource.h"

CMacroDialog::CMacroDialog() : CDialog(IDD_MACRO_PICK) {}
