#include "skin/skin_scroll_wnd.h"

#include "messages.h"
#include "skin/scroll_bar_geometry.h"
#include "skin/scroll_wrap_geometry.h"
#include "skin/window_timers.h"

CWnd* g_pSkinScrollParent = nullptr;

namespace {

SCROLLINFO ReadWindowScrollInfo(HWND window, int bar, bool* ok)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    *ok = ::GetScrollInfo(window, bar, &info) != FALSE;
    return info;
}

SCROLLINFO ReadBarScrollInfo(CSkinScrollBar& bar)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    bar.SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

bool SameScrollValues(const SCROLLINFO& a, const SCROLLINFO& b)
{
    return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

void GiveToBar(CSkinScrollBar& bar, SCROLLINFO info)
{
    bar.SendMessage(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
}

bool HasVisibleStyle(const CWnd& window)
{
    return (window.GetStyle() & WS_VISIBLE) != 0;
}

}  // namespace

BEGIN_MESSAGE_TABLE(CSkinScrollWnd)
    MAP_SIZE(OnSize)
    MAP_VSCROLL(OnVScroll)
    MAP_HSCROLL(OnHScroll)
    MAP_PAINT(OnPaint)
    MAP_TIMER(OnTimer)
    MAP_MESSAGE(WM_SKINSCROLL_RELAYOUT, OnRelayout)
END_MESSAGE_TABLE()

CSkinScrollWnd::~CSkinScrollWnd() = default;

BOOL CSkinScrollWnd::SkinWindow(CWnd* window, HBITMAP skin)
{
    CWnd* parent = window ? window->GetParent() : nullptr;
    if (!parent)
        return FALSE;

    m_hSkin = skin;
    BITMAP skinInfo{};
    ::GetObjectW(skin, sizeof(skinInfo), &skinInfo);
    m_nScrollWidth = SkinCellSizeOf(skinInfo.bmWidth, skinInfo.bmHeight).width;

    CRect place;
    window->GetWindowRect(place);
    parent->ScreenToClient(place);
    const UINT id = static_cast<UINT>(window->GetDlgCtrlID());
    // The window's own visibility, not its on-screen one: a window wrapped
    // while its top-level window is still hidden shows once that one shows.
    const WrapFrame frame =
        ComputeWrapFrame(window->GetStyle(), window->GetExStyle(), HasVisibleStyle(*window), place.Size(),
                         ::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CXEDGE));
    window->ModifyStyle(window->GetStyle() & ~frame.windowStyle, 0);
    window->ModifyStyleEx(window->GetExStyle() & ~frame.windowExStyle, 0);

    CreateEx(frame.frameExStyle, AfxRegisterWndClass(0), L"SkinScrollBarFrame", frame.frameStyle, place, parent, id);
    m_wndLimit.Create(nullptr, L"LIMIT", WS_CHILD | WS_VISIBLE, CRect(), this, kSkinScrollLimitId);
    m_sbHorz.Create(WS_CHILD, CRect(), this, kSkinScrollHorzId);
    m_sbVert.Create(WS_CHILD | SBS_VERT, CRect(), this, kSkinScrollVertId);
    m_sbHorz.SetBitmap(skin);
    m_sbVert.SetBitmap(skin);

    g_pSkinScrollParent = parent;
    const HWND wrapped = window->m_hWnd;
    ::SetParent(wrapped, m_wndLimit.m_hWnd);
    ::SetWindowLongPtrW(wrapped, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnPrevProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(wrapped, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinScrollSubclassProc)));
    // The frame change makes the window calculate its client area again even
    // when its size stays the same; only that lays out the skinned bars and
    // the clipping child, which is empty until then.
    ::SetWindowPos(wrapped, nullptr, frame.inner.left, frame.inner.top, frame.inner.right - frame.inner.left,
                   frame.inner.bottom - frame.inner.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    StartWindowTimer(m_hWnd, IDT_SCROLL_REPEAT, kSkinScrollFollowMs);
    return TRUE;
}

HWND CSkinScrollWnd::WrappedWindow() const
{
    return m_wndLimit.m_hWnd ? ::GetWindow(m_wndLimit.m_hWnd, GW_CHILD) : nullptr;
}

LRESULT CALLBACK SkinScrollSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* wrapper = reinterpret_cast<CSkinScrollWnd*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!wrapper)
        return ::DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC previous = wrapper->m_pfnPrevProc;

    if (message == WM_DESTROY) {
        // The window goes back where it was. Its former parent is not told
        // anything: that is the main window, and a WM_DESTROY of its own
        // would end the program.
        wrapper->Unskin(window);
        return ::CallWindowProcW(previous, window, message, wParam, lParam);
    }

    const LRESULT result = ::CallWindowProcW(previous, window, message, wParam, lParam);
    // The window's own handling may have destroyed it, and the wrapper with it.
    if (::GetWindowLongPtrW(window, GWLP_USERDATA) != reinterpret_cast<LONG_PTR>(wrapper) || wrapper->m_bBusy)
        return result;

    if (message == WM_ERASEBKGND)
        wrapper->FollowAfterErase(window);
    else if (message == WM_NCCALCSIZE && wParam)
        wrapper->LayOutAfterNcCalcSize(window, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
    return result;
}

void CSkinScrollWnd::Unskin(HWND wrapped)
{
    ::SetWindowLongPtrW(wrapped, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnPrevProc));
    ::SetWindowLongPtrW(wrapped, GWLP_USERDATA, 0);

    const HWND frameParent = ::GetParent(m_hWnd);
    CRect place;
    GetWindowRect(place);
    ::MapWindowPoints(nullptr, frameParent, reinterpret_cast<LPPOINT>(&place), 2);
    ::SetParent(wrapped, frameParent);
    if (g_pSkinScrollParent)
        ::SetParent(wrapped, g_pSkinScrollParent->GetSafeHwnd());
    ::MoveWindow(wrapped, place.left, place.top, place.Width(), place.Height(), TRUE);

    DestroyWindow();
    delete this;
}

void CSkinScrollWnd::FollowAfterErase(HWND wrapped)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(wrapped, GWL_STYLE));
    const struct {
        DWORD styleBit;
        int bar;
        CSkinScrollBar& skinned;
    } bars[] = {
        {WS_VSCROLL, SB_VERT, m_sbVert},
        {WS_HSCROLL, SB_HORZ, m_sbHorz},
    };
    for (const auto& b : bars) {
        if (!(style & b.styleBit))
            continue;
        bool ok = false;
        const SCROLLINFO theirs = ReadWindowScrollInfo(wrapped, b.bar, &ok);
        if (!ok || SameScrollValues(theirs, ReadBarScrollInfo(b.skinned)))
            continue;
        GiveToBar(b.skinned, theirs);
        b.skinned.EnableWindow(static_cast<long long>(theirs.nMax) >= theirs.nPage);
    }
}

void CSkinScrollWnd::LayOutAfterNcCalcSize(HWND wrapped, NCCALCSIZE_PARAMS* params)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(wrapped, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(wrapped, GWL_EXSTYLE));
    const WrappedClientLayout layout =
        ComputeWrappedClientLayout(params->rgrc[0], style, exStyle, m_nScrollWidth, ::GetSystemMetrics(SM_CXVSCROLL));
    params->rgrc[0] = layout.client;
    m_nCorner = layout.corner;

    const struct {
        bool present;
        CSkinScrollBar& skinned;
        RECT place;
    } bars[] = {
        {layout.hasVertical, m_sbVert, layout.verticalBar},
        {layout.hasHorizontal, m_sbHorz, layout.horizontalBar},
    };
    for (const auto& b : bars) {
        if (b.present) {
            b.skinned.MoveWindow(&b.place, TRUE);
            b.skinned.ShowWindow(SW_SHOW);
        } else {
            b.skinned.ShowWindow(SW_HIDE);
        }
    }
    PostMessage(WM_SKINSCROLL_RELAYOUT, style & WS_VSCROLL, exStyle & WS_EX_LEFTSCROLLBAR);
}

LRESULT CSkinScrollWnd::OnRelayout(WPARAM vertical, LPARAM leftScrollBar)
{
    m_bBusy = 1;
    CRect client;
    GetClientRect(client);
    const WrapRelayout relayout =
        ComputeWrapRelayout(client, vertical != 0, leftScrollBar != 0, HasVisibleStyle(m_sbHorz), m_nScrollWidth);
    m_wndLimit.MoveWindow(&relayout.limit, TRUE);
    if (const HWND wrapped = WrappedWindow()) {
        CRect place;
        ::GetWindowRect(wrapped, &place);
        ::MoveWindow(wrapped, relayout.windowX, 0, place.Width(), place.Height(), TRUE);
    }
    m_bBusy = 0;
    return 0;
}

void CSkinScrollWnd::OnSize(UINT, int cx, int cy)
{
    Default();
    if (cx == 0 || cy == 0 || !m_wndLimit.m_hWnd)
        return;
    if (const HWND wrapped = WrappedWindow())
        ::MoveWindow(wrapped, 0, 0, cx, cy, TRUE);
}

void CSkinScrollWnd::ForwardScroll(UINT message, int bar, CSkinScrollBar& skinned, UINT code, UINT position)
{
    const HWND wrapped = WrappedWindow();
    if (!wrapped)
        return;
    m_bBusy = 1;
    ::SendMessageW(wrapped, message, MAKEWPARAM(code, position), 0);
    m_bBusy = 0;
    if (code == SB_THUMBTRACK)
        return;
    bool ok = false;
    const SCROLLINFO info = ReadWindowScrollInfo(wrapped, bar, &ok);
    if (ok)
        GiveToBar(skinned, info);
}

void CSkinScrollWnd::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    ForwardScroll(WM_VSCROLL, SB_VERT, m_sbVert, code, position);
}

void CSkinScrollWnd::OnHScroll(UINT code, UINT position, CScrollBar*)
{
    ForwardScroll(WM_HSCROLL, SB_HORZ, m_sbHorz, code, position);
}

void CSkinScrollWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (m_nCorner == kCornerNone || !m_hSkin)
        return;
    CDC skinDc;
    skinDc.CreateCompatibleDC(&dc);
    ScopedSelectObject select(skinDc.m_hDC, m_hSkin);
    CRect client;
    GetClientRect(client);
    const auto corner = static_cast<WrapCorner>(m_nCorner);
    const RECT target = CornerTargetRect(corner, client, m_nScrollWidth);
    const RECT source = CornerSourceRect(corner, m_nScrollWidth);
    ::BitBlt(dc, target.left, target.top, m_nScrollWidth, m_nScrollWidth, skinDc, source.left, source.top, SRCCOPY);
}

void CSkinScrollWnd::FollowOnTimer(int bar, CSkinScrollBar& skinned)
{
    const HWND wrapped = WrappedWindow();
    if (!wrapped || !HasVisibleStyle(skinned))
        return;
    const SCROLLINFO mine = ReadBarScrollInfo(skinned);
    if (mine.nTrackPos != -1)
        return;  // the user is dragging the thumb
    bool ok = false;
    const SCROLLINFO theirs = ReadWindowScrollInfo(wrapped, bar, &ok);
    if (ok && !SameScrollValues(theirs, mine))
        GiveToBar(skinned, theirs);
}

void CSkinScrollWnd::OnTimer(UINT_PTR)
{
    FollowOnTimer(SB_VERT, m_sbVert);
    FollowOnTimer(SB_HORZ, m_sbHorz);
}
