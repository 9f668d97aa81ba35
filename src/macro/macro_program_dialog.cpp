#include "macro/macro_program_dialog.h"

#include "resource.h"

CMacroProgramDialog::CMacroProgramDialog() : CDialog(IDD_MACRO_MANAGER) {}
