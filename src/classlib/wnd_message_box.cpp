#include "classlib/wnd.h"

int CWnd::MessageBox(LPCWSTR text, LPCWSTR caption, UINT type)
{
    return ::MessageBoxW(m_hWnd, text, caption, type);
}
