#pragma once
// The angle snapping page of the settings panel.

#include "classlib/dialog.h"

class CDlgAngleSnap : public CDialog {
public:
    CDlgAngleSnap();
};
