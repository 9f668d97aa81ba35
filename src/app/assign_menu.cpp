#include "app/main_window.h"
#include "app/main_window_globals.h"

int g_nSelButton = -1;

void CMouseConfigurationDlg::RefreshButtonLabels() {}

void CMouseConfigurationDlg::SetButtonCaption(int) {}

void CMouseConfigurationDlg::HighlightButton(int) {}

void CMouseConfigurationDlg::ClearButtonHighlight() {}

void CMouseConfigurationDlg::ShowAssignMenu(int) {}

void CMouseConfigurationDlg::OnAssignCommand(UINT) {}
