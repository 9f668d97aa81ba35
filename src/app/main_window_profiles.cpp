#include "app/main_window.h"
#include "app/main_window_globals.h"

int g_bProfileImported = 0;

LRESULT CMouseConfigurationDlg::OnProfileCommand(WPARAM wParam, LPARAM)
{
    // Code 2: the list was closed. (The profile switch comes with the profile commands.)
    if (wParam == 2)
        CloseProfileList();
    return 0;
}

void CMouseConfigurationDlg::OnBnClickedWebSite() {}

void CMouseConfigurationDlg::LoadMousePictureImages(CDC*, BYTE) {}

HBRUSH CMouseConfigurationDlg::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    return CDialog::OnCtlColor(dc, control, kind);
}

BOOL CMouseConfigurationDlg::PreTranslateMessage(MSG* msg)
{
    return CDialog::PreTranslateMessage(msg);
}
