#include "skin/menu_wnd_hook.h"

#include "classlib/gdi.h"
#include "skin/menu_colours.h"

#include <cwchar>

MenuWndMap g_MenuWndMap;
HHOOK g_hMenuHook = nullptr;

namespace {

// Sent to a popup-menu window when the system sizes it for display.
constexpr UINT kMenuSizeWindowMessage = 0x01E2;

bool IsPopupMenuWindow(HWND window)
{
    wchar_t className[10] = {};
    const int length = ::GetClassNameW(window, className, 10);
    return length == 6 && std::wcscmp(className, L"#32768") == 0;
}

WNDPROC PreviousProcedure(HWND window)
{
    return reinterpret_cast<WNDPROC>(::GetPropW(window, kCoolMenuOldProcProperty));
}

void DrawFrameOfWindow(HWND window, HDC dc)
{
    RECT windowRect{};
    ::GetWindowRect(window, &windowRect);
    DrawFlatMenuFrame(dc, windowRect);
}

}  // namespace

void DrawFlatMenuFrame(HDC dc, const RECT& windowRect)
{
    CRect rect(windowRect);
    rect.OffsetRect(-rect.left, -rect.top);
    const CBrush outer(kMenuSelectedBackground);
    const CBrush inner(kMenuBackground);
    ::FrameRect(dc, &rect, outer);
    for (int line = 0; line < 2; ++line) {
        rect.DeflateRect(1, 1);
        ::FrameRect(dc, &rect, inner);
    }
}

bool CMenuWndHook::InstallHook(HINSTANCE instance)
{
    if (!g_hMenuHook) {
        g_MenuWndMap.InitHashTable(1000);
        g_hMenuHook = ::SetWindowsHookExW(WH_CALLWNDPROC, &CMenuWndHook::WindowHook, instance, ::GetCurrentThreadId());
    }
    return g_hMenuHook != nullptr;
}

CMenuWndHook* CMenuWndHook::AddWndHook(HWND window)
{
    if (CMenuWndHook* existing = GetWndHook(window))
        return existing;
    auto* record = new CMenuWndHook(window);
    g_MenuWndMap.SetAt(window, record);
    return record;
}

CMenuWndHook* CMenuWndHook::GetWndHook(HWND window)
{
    CMenuWndHook* record = nullptr;
    return g_MenuWndMap.Lookup(window, record) ? record : nullptr;
}

void CMenuWndHook::RemoveWndHook(HWND window)
{
    CMenuWndHook* record = GetWndHook(window);
    g_MenuWndMap.RemoveKey(window);
    delete record;
}

void CMenuWndHook::Release(HWND window, WNDPROC previous)
{
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    ::RemovePropW(window, kCoolMenuOldProcProperty);
    RemoveWndHook(window);
}

LRESULT CALLBACK CMenuWndHook::WindowHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code != HC_ACTION)
        return ::CallNextHookEx(g_hMenuHook, code, wParam, lParam);

    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if ((call->message == WM_CREATE || call->message == kMenuSizeWindowMessage) && IsPopupMenuWindow(call->hwnd) &&
        !::GetPropW(call->hwnd, kCoolMenuOldProcProperty)) {
        const HWND window = call->hwnd;
        const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
        if (previous) {
            AddWndHook(window);
            ::SetPropW(window, kCoolMenuOldProcProperty, reinterpret_cast<HANDLE>(previous));
            ::SetLastError(0);
            const LONG_PTR replaced =
                ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CoolMenuProc));
            if (!replaced && ::GetLastError() != 0) {
                // Not caught after all: leave no property and no record.
                ::RemovePropW(window, kCoolMenuOldProcProperty);
                RemoveWndHook(window);
            }
        }
    }
    return ::CallNextHookEx(g_hMenuHook, code, wParam, lParam);
}

LRESULT CALLBACK CMenuWndHook::CoolMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC previous = PreviousProcedure(window);
    if (!previous)
        return ::DefWindowProcW(window, message, wParam, lParam);

    // Every message not named here, WM_NCCALCSIZE among them, goes to the
    // previous procedure alone: the client area keeps the system's size.
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam == 0 && GetWndHook(window))
            Release(window, previous);
        return ::CallWindowProcW(previous, window, message, wParam, lParam);
    case WM_NCDESTROY:
        if (GetWndHook(window))
            Release(window, previous);
        return ::CallWindowProcW(previous, window, message, wParam, lParam);
    case WM_NCPAINT:
        if (GetWndHook(window)) {
            CWindowDC dc(window);
            if (dc.m_hDC)
                DrawFrameOfWindow(window, dc.m_hDC);
            return 0;
        }
        break;
    case WM_PRINT: {
        const LRESULT result = ::CallWindowProcW(previous, window, message, wParam, lParam);
        if (GetWndHook(window))
            DrawFrameOfWindow(window, reinterpret_cast<HDC>(wParam));
        return result;
    }
    default:
        break;
    }
    return ::CallWindowProcW(previous, window, message, wParam, lParam);
}
