#include "skin/dialog_key_filter.h"

bool IsSwallowedDialogKey(const MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        break;
    default:
        return false;
    }
    switch (msg.wParam) {
    case VK_RETURN:
    case VK_SPACE:
    case VK_ESCAPE:
    case VK_F1:
        return true;
    default:
        return false;
    }
}
