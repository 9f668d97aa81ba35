#pragma once
// The USB report rate page of the settings panel: a ring of four quarters,
// 1000, 500, 250 and 125 reports per second, that sets ReportRateCode of
// g_Settings at once.

#include "pages/skinned_page.h"

class CDlgUSBReportRate : public CSkinnedPage {
public:
    CDlgUSBReportRate();

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_TABLE(CDlgUSBReportRate, CSkinnedPage)
};
