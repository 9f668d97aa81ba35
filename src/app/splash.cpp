#include "app/splash.h"

#include "resource.h"
#include "skin/app_dir.h"
#include "skin/window_timers.h"

bool IsSwallowedBySplash(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

BEGIN_MESSAGE_TABLE(CDlgSplash)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_PAINT(OnPaint)
    MAP_TIMER(OnTimer)
END_MESSAGE_TABLE()

CDlgSplash::CDlgSplash() : CDialog(IDD_SPLASH) {}

CDlgSplash::~CDlgSplash() = default;

BOOL CDlgSplash::OnInitDialog()
{
    CDialog::OnInitDialog();

    CString path = g_szAppDir;
    path += L"Skins\\splash.png";
    m_imgSplash.Load(path);
    m_nWidth = m_imgSplash.GetWidth();
    m_nHeight = m_imgSplash.GetHeight();
    m_hSplash.DeleteObject();
    m_hSplash.Attach(m_imgSplash.Detach());

    // The main window is not shown yet: the splash centres on the work area.
    MoveWindow(0, 0, m_nWidth, m_nHeight, TRUE);
    CenterWindow();
    StartWindowTimer(m_hWnd, IDT_SPLASH, kSplashMilliseconds);
    return TRUE;
}

HBRUSH CDlgSplash::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    return CDialog::OnCtlColor(dc, control, kind);
}

void CDlgSplash::OnPaint()
{
    CPaintDC dc(this);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    const ScopedSelectObject picture(memory, m_hSplash);
    dc.BitBlt(0, 0, m_nWidth, m_nHeight, &memory, 0, 0, SRCCOPY);
}

void CDlgSplash::OnTimer(UINT_PTR id)
{
    // The timer is left running; it ends with the window.
    if (id == IDT_SPLASH)
        OnCancel();
    CDialog::OnTimer(id);
}

BOOL CDlgSplash::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedBySplash(msg->message))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}
