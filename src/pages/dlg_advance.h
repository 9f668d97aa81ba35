#pragma once
// The settings panel: the scrolling column of seven collapsible sections on
// the right of the main window, each a header button over one settings page.

#include "classlib/dialog.h"
#include "pages/dlg_angle_snap.h"
#include "pages/dlg_double_click.h"
#include "pages/dlg_dpi_setting.h"
#include "pages/dlg_lighting.h"
#include "pages/dlg_mouse_speed.h"
#include "pages/dlg_mouse_wheel_speed.h"
#include "pages/dlg_usb_report_rate.h"

class CDlgadvance : public CDialog {
public:
    CDlgadvance();

    // Wraps the panel in the skinned scroll bar (bitmap resource 129).
    void AttachSkinScrollBar();
    // Applies the content height to the vertical scroll bar.
    void UpdateScrollRange();
    // Collapses every expanded section, the last first.
    void CollapseAllSections();
    // Makes every page show the current g_Settings.
    void RefreshAllPages();

    // The size of the scrollable content in pixels.
    int m_nContentWidth = 0;
    int m_nContentHeight = 0;

    CDlgDPISetting m_pageDpi;
    CDlgLighting m_pageLighting;
    CDlgUSBReportRate m_pageReportRate;
    CDlgMouseSpeed m_pageMouseSpeed;
    CDlgDoubleClick m_pageDoubleClick;
    CDlgMouseWheelSpeed m_pageWheelSpeed;
    CDlgAngleSnap m_pageAngleSnap;
};
