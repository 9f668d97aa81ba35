#include "app/main_window.h"

void CMouseConfigurationDlg::AddTrayIcon() {}

LRESULT CMouseConfigurationDlg::OnTrayNotify(WPARAM, LPARAM)
{
    return 0;
}

CString CMouseConfigurationDlg::FormatDpiText(BYTE)
{
    return CString();
}

LRESULT CMouseConfigurationDlg::OnDeviceNotify(WPARAM, LPARAM)
{
    return 0;
}

BOOL CMouseConfigurationDlg::OnDeviceChange(UINT, DWORD_PTR)
{
    return TRUE;
}

void CMouseConfigurationDlg::OnNcPaint()
{
    CDialog::OnNcPaint();
}

void CMouseConfigurationDlg::OnDestroy()
{
    CDialog::OnDestroy();
}
