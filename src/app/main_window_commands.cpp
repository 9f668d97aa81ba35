#include "app/config_dialog.h"
#include "app/main_window.h"
#include "app/main_window_globals.h"

int g_nCurPage = 0;
CConfigDialog* g_pConfigDlg = nullptr;
int g_nProfileChosen = 0;
RECT g_rcSliderX = {};
RECT g_rcSliderY = {};

BOOL CMouseConfigurationDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return CDialog::OnCommand(wParam, lParam);
}

void CMouseConfigurationDlg::SwitchPage(int) {}

void CMouseConfigurationDlg::InitPanels() {}

void CMouseConfigurationDlg::SetButtonPanelState(int) {}

void CMouseConfigurationDlg::SetSecondPanelState(int) {}

LRESULT CMouseConfigurationDlg::OnMarkerPos(WPARAM, LPARAM)
{
    return 0;
}

void CMouseConfigurationDlg::SyncSliders() {}
