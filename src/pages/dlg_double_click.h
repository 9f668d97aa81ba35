#pragma once
// The double-click speed page of the settings panel.

#include "classlib/dialog.h"

class CDlgDoubleClick : public CDialog {
public:
    CDlgDoubleClick();
};
