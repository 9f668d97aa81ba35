#include "pages/dlg_usb_report_rate.h"

#include "model/settings_record.h"
#include "pages/report_rate_ring.h"
#include "resource.h"

BEGIN_MESSAGE_TABLE(CDlgUSBReportRate)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
END_MESSAGE_TABLE()

CDlgUSBReportRate::CDlgUSBReportRate()
    : CSkinnedPage(IDD_PAGE_REPORT_RATE, L"Skins\\USBReportRate\\BK_USBReportRate.png")
{}

void CDlgUSBReportRate::OnPaint()
{
    Canvas canvas(*this);
    canvas.DrawSkin(m_backgroundPath, 0, 0);

    // A code without a rate of its own (0 or a damaged file's) becomes 500 Hz
    // here and in the record, so the mouse never gets it either.
    const uint8_t code = ShownReportRateCode(g_Settings.ReportRateCode);
    g_Settings.ReportRateCode = code;
    CString rate;
    rate.Format(L"Skins\\/USBReportRate/%dHZ.png", ReportsPerSecond(code));
    canvas.DrawSkin(rate, kReportRateRingRect.left, kReportRateRingRect.top);
}

void CDlgUSBReportRate::OnLButtonDown(UINT, CPoint point)
{
    if (const auto code = ReportRateCodeAt(point))
        g_Settings.ReportRateCode = *code;
    Invalidate(TRUE);
    UpdateWindow();
    Default();
}
