#include "classlib/wnd.h"

#include "classlib/menu_routing.h"
#include "classlib/win_app.h"
#include "classlib/window_map.h"

namespace {

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

// --- Objects and handles ---

CWnd::~CWnd()
{
    if (m_hWnd && wndmap::Find(m_hWnd) == this) {
        // From here on the window's messages see a plain CWnd; its
        // WM_NCDESTROY lets go of the handle.
        ::DestroyWindow(m_hWnd);
        if (m_hWnd)  // a window of another thread cannot be destroyed from here
            Detach();
    }
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    if (CWnd* object = wndmap::Find(window))
        return object;
    return wndmap::Temporary(window);
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    return window ? wndmap::Find(window) : nullptr;
}

BOOL CWnd::Attach(HWND window)
{
    if (!window || m_hWnd || !wndmap::Insert(window, this))
        return FALSE;
    m_hWnd = window;
    return TRUE;
}

HWND CWnd::Detach()
{
    const HWND window = m_hWnd;
    if (!window)
        return nullptr;
    // A subclassed window cannot keep running our procedure without its
    // object: it gets its previous procedure back.
    wndmap::RestoreProcedure(window, m_pfnSuper);
    m_pfnSuper = nullptr;
    wndmap::Remove(window, this);
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!window || !::IsWindow(window) || !Attach(window))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = wndmap::InstallProcedure(window);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return parent ? SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id))) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    return Detach();
}

void CWnd::ReleaseAfterNcDestroy()
{
    Detach();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    PostNcDestroy();
}

// --- Creation and destruction ---

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd)
        return FALSE;
    if (!className)
        className = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, IDC_ARROW));
    HWND created = nullptr;
    {
        wndmap::CreationScope scope(this, parent);
        created = ::CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent, idOrMenu,
                                    AfxGetInstanceHandle(), param);
    }
    if (!created)
        return FALSE;
    if (m_hWnd != created) {
        // Not seen at creation (it should have been): take it over now.
        if (!SubclassWindow(created)) {
            ::DestroyWindow(created);
            return FALSE;
        }
        return TRUE;
    }
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

// --- Message handling ---

namespace {

// A child window whose window rectangle is its client rectangle has no
// frame, caption, menu or scroll bar to paint.
bool HasNoNonClientArea(HWND window)
{
    if (!(::GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
        return false;
    RECT frame{};
    RECT client{};
    if (!::GetWindowRect(window, &frame) || !::GetClientRect(window, &client))
        return false;
    return frame.right - frame.left == client.right && frame.bottom - frame.top == client.bottom;
}

}  // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    // The default non-client paint of such a window would only fetch a
    // device context of the whole window (under Wine a round trip to its
    // server for the visible region) and draw nothing with it.
    if (message == WM_NCPAINT && HasNoNonClientArea(m_hWnd))
        return 0;
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT value = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND) {
        handled = OnCommand(wParam, lParam);
    } else if (message == WM_NOTIFY) {
        handled = OnNotify(wParam, lParam, &value);
    } else {
        if (message == WM_DRAWITEM || message == WM_MEASUREITEM)
            handled = RouteOwnerDraw(message, wParam, lParam, &value);
        else if (IsCtlColor(message) && reinterpret_cast<HWND>(lParam) != m_hWnd)
            handled = ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, &value);
        if (!handled)
            handled = msgmap::Dispatch(*this, msgmap::Route::Message, {message, wParam, lParam}, value);
    }
    if (handled && result)
        *result = value;
    return handled;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control && control != m_hWnd && ReflectToChild(control, WM_COMMAND, wParam, lParam, nullptr))
        return TRUE;
    LRESULT ignored = 0;
    if (msgmap::Dispatch(*this, msgmap::Route::Command, {WM_COMMAND, wParam, lParam}, ignored))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app ? app->OnCmdMsg(LOWORD(wParam), HIWORD(wParam)) : FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return header && header->hwndFrom != m_hWnd && ReflectToChild(header->hwndFrom, WM_NOTIFY, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT value = 0;
    if (!msgmap::Dispatch(*this, msgmap::Route::Reflected, {message, wParam, lParam}, value))
        return FALSE;
    if (result)
        *result = value;
    return TRUE;
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* object = FromHandlePermanent(child);
    return object ? object->OnChildNotify(message, wParam, lParam, result) : FALSE;
}

BOOL CWnd::RouteOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_MENU)
            return RouteMenuOwnerDraw(message, lParam, result);
        return ReflectToChild(item->hwndItem, message, wParam, lParam, result);
    }
    const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
    if (item->CtlType == ODT_MENU)
        return RouteMenuOwnerDraw(message, lParam, result);
    return ReflectToChild(::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)), message, wParam, lParam, result);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

// --- Default handlers ---

int CWnd::OnCreate(LPCREATESTRUCTW)
{
    return static_cast<int>(Default());
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnNcDestroy()
{
    Default();
    ReleaseAfterNcDestroy();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnNcPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseHover(UINT, CPoint)
{
    Default();
}
void CWnd::OnMouseLeave()
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return static_cast<int>(Default());
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR)
{
    return static_cast<BOOL>(Default());
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return reinterpret_cast<HBRUSH>(Default());
}
HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

// --- Message argument helpers for the table entries ---

namespace msgmap {

CWnd* WndArg(WPARAM handle)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}
CWnd* WndArg(LPARAM handle)
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}
CDC* DCArg(WPARAM handle)
{
    return handle ? CDC::FromHandle(reinterpret_cast<HDC>(handle)) : nullptr;
}

}  // namespace msgmap
