// The thin members of CWnd over the Win32 window calls.

#include "classlib/wnd.h"

namespace {

BOOL ModifyWindowLong(HWND window, int index, DWORD remove, DWORD add, UINT flags)
{
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrW(window, index, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

}  // namespace

CWnd* CWnd::GetDlgItem(int id) const
{
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetOwner() const
{
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    return owner ? FromHandle(owner) : GetParent();
}

BOOL CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

BOOL CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    return MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return SetWindowPos(insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

BOOL CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    RECT own{};
    ::GetWindowRect(m_hWnd, &own);
    RECT area{};
    RECT limit{};
    if (GetStyle() & WS_CHILD) {
        // Centred in the parent's client area, in its client coordinates.
        ::GetClientRect(::GetParent(m_hWnd), &area);
        limit = area;
    } else {
        // Centred over the owner while it shows, else on the work area of
        // the monitor; always kept on that work area.
        HWND over = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoW(::MonitorFromWindow(over ? over : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        limit = monitor.rcWork;
        if (over && ::IsWindowVisible(over) && !::IsIconic(over))
            ::GetWindowRect(over, &area);
        else
            area = limit;
    }
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    if (!(GetStyle() & WS_CHILD)) {
        if (x + width > limit.right)
            x = limit.right - width;
        if (y + height > limit.bottom)
            y = limit.bottom - height;
        if (x < limit.left)
            x = limit.left;
        if (y < limit.top)
            y = limit.top;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::RedrawWindow(LPCRECT rect, HRGN region, UINT flags)
{
    return ::RedrawWindow(m_hWnd, rect, region, flags);
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    const auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return font ? CFont::FromHandle(font) : nullptr;
}

void CWnd::GetWindowText(CString& text) const
{
    const int length = GetWindowTextLength();
    wchar_t* buffer = text.GetBuffer(length);
    ::GetWindowTextW(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer();
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw)
{
    info->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, bar, info, redraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) const
{
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, bar, info);
}

CDC* CWnd::GetDC()
{
    const HDC dc = ::GetDC(m_hWnd);
    return dc ? CDC::FromHandle(dc) : nullptr;
}

int CWnd::ReleaseDC(CDC* dc)
{
    return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0;
}
