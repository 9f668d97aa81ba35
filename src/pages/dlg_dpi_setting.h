#pragma once
// The DPI stages page of the settings panel.

#include "classlib/dialog.h"

class CDlgDPISetting : public CDialog {
public:
    CDlgDPISetting();

    // Shows the current g_Settings again after the record was replaced.
    void RefreshFromSettings();
};
