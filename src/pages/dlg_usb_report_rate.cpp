#include "pages/dlg_usb_report_rate.h"

#include "resource.h"

CDlgUSBReportRate::CDlgUSBReportRate() : CDialog(IDD_PAGE_REPORT_RATE) {}
