#pragma once
// The lighting page of the settings panel.

#include "classlib/dialog.h"

class CDlgLighting : public CDialog {
public:
    CDlgLighting();

    // Shows the current g_Settings again after the record was replaced.
    void RefreshFromSettings();
};
