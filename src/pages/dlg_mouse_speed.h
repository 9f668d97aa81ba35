#pragma once
// The pointer speed page of the settings panel.

#include "classlib/dialog.h"

class CDlgMouseSpeed : public CDialog {
public:
    CDlgMouseSpeed();
};
