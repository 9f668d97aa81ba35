#pragma once
// The USB report rate page of the settings panel.

#include "classlib/dialog.h"

class CDlgUSBReportRate : public CDialog {
public:
    CDlgUSBReportRate();
};
