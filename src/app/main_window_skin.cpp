#include "app/main_window.h"
#include "app/main_window_globals.h"

int g_nButtonPanelHeight = 0;
int g_nAxisPanelHeight = 0;

void CMouseConfigurationDlg::InitSkin() {}

void CMouseConfigurationDlg::InitButtons() {}
