#pragma once
// The profile list window: the named profiles of str.ini, shown over the
// main window's side column.

#include "classlib/dialog.h"

class CConfigDialog : public CDialog {
public:
    CConfigDialog();
};
