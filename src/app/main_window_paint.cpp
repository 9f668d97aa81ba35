#include "app/main_window.h"

void CMouseConfigurationDlg::OnPaint()
{
    // Until the skin is drawn here: the plain dialog face.
    CPaintDC dc(this);
    RECT client{};
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DFACE));
}
