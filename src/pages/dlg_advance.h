#pragma once
// The settings panel: the scrolling column of seven collapsible sections on
// the right of the main window, each a header button over one settings page.
// A header click opens or closes its page and moves every section below it;
// the panel scrolls its content with its own vertical bar (drawn skinned by
// the scroll bar wrapper) and the mouse wheel. A press on the panel or a
// header posts WM_PANEL_CLICK to the panel's current parent.

#include "classlib/dialog.h"
#include "classlib/image.h"
#include "pages/dlg_angle_snap.h"
#include "pages/dlg_double_click.h"
#include "pages/dlg_dpi_setting.h"
#include "pages/dlg_lighting.h"
#include "pages/dlg_mouse_speed.h"
#include "pages/dlg_mouse_wheel_speed.h"
#include "pages/dlg_usb_report_rate.h"
#include "pages/panel_layout.h"
#include "skin/bitmap_btn.h"

#include <array>

// The current place of each section header in panel client coordinates.
extern HeaderRects g_rcSectionHeader;
// The sizes of the page pictures (0 x 0 for one that did not load).
extern std::array<SIZE, kPageImageCount> g_sizePageImage;
// The running content total the content height comes from.
extern int g_nSectionsTotal;

class CDlgadvance : public CDialog {
public:
    CDlgadvance();
    ~CDlgadvance() override;

    // Wraps the panel in the skinned scroll bar (bitmap resource 129).
    void AttachSkinScrollBar();
    // Applies the content height to the vertical scroll bar.
    void UpdateScrollRange();
    // Collapses every expanded section, the last first.
    void CollapseAllSections();
    // Makes every page show the current g_Settings.
    void RefreshAllPages();

    // Each opens (0) or closes (1) its section.
    void ToggleDpiSection(int collapse) { ToggleSection(kSectionDpi, collapse); }
    void ToggleLightingSection(int collapse) { ToggleSection(kSectionLighting, collapse); }
    void ToggleReportRateSection(int collapse) { ToggleSection(kSectionReportRate, collapse); }
    void ToggleMouseSpeedSection(int collapse) { ToggleSection(kSectionMouseSpeed, collapse); }
    void ToggleDoubleClickSection(int collapse) { ToggleSection(kSectionDoubleClick, collapse); }
    void ToggleWheelSpeedSection(int collapse) { ToggleSection(kSectionWheelSpeed, collapse); }
    void ToggleAngleSnapSection(int collapse) { ToggleSection(kSectionAngleSnap, collapse); }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Swallows Enter, Space, Escape and F1 (the pages share this filter).
    BOOL PreTranslateMessage(MSG* msg) override;

    // The page of a section, by section index.
    CDialog& SectionPage(int section);

    CImage m_bkImage;  // loads the background once
    CBitmap m_hBkBitmap;
    // The vertical bar's page (the visible height), 0 while everything fits.
    int m_nPageHeight = 0;
    // The size of the scrollable content in pixels.
    int m_nContentWidth = 0;
    int m_nContentHeight = 0;
    int m_nScrollPos = 0;
    CBitmap m_hScrollSkin;
    bool m_bSkinnedBar = false;  // the skinned bar has replaced the panel's own
    SectionFlags m_bCollapsed{1, 1, 1, 1, 1, 1, 1};

    CDlgDPISetting m_pageDpi;
    CDlgLighting m_pageLighting;
    CDlgUSBReportRate m_pageReportRate;
    CDlgMouseSpeed m_pageMouseSpeed;
    CDlgDoubleClick m_pageDoubleClick;
    CDlgMouseWheelSpeed m_pageWheelSpeed;
    CDlgAngleSnap m_pageAngleSnap;

    std::array<CBitmapBtn, kSectionCount> m_btnHeader;

protected:
    void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnSize(UINT type, int cx, int cy);
    int OnMouseActivate(CWnd* topLevel, UINT hitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_TABLE(CDlgadvance, CDialog)

private:
    void CreateSections();
    void ToggleSection(int section, int collapse);
    void SetScrollRangeInfo(int visibleHeight);
    void PostPanelClick();
    SIZE PageSize(int section) const;
    // A child's window rectangle in panel client coordinates.
    RECT PlaceInPanel(const CWnd& child) const;
};
