#include "classlib/message_box.h"
#include "classlib/wnd.h"

#include "classlib/message_box.h"

int CWnd::MessageBox(LPCWSTR text, LPCWSTR caption, UINT type)
{
    return ShowMessageBox(m_hWnd, text, caption, type);
}
