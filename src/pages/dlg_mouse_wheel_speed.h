#pragma once
// The wheel scrolling page of the settings panel.

#include "classlib/dialog.h"

class CDlgMouseWheelSpeed : public CDialog {
public:
    CDlgMouseWheelSpeed();

    // Shows the current g_Settings again after the record was replaced.
    void RefreshFromSettings();
};
