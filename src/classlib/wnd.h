#pragma once
// CWnd: a C++ object bound to a window.
//
// A window created through Create / CreateEx, or taken over with
// SubclassWindow, is bound to its object for its whole life: every message
// goes to WindowProc, which looks it up in the object's message table and
// hands what no entry takes to the window's previous procedure
// (DefWindowProc). FromHandle finds the object of a window; for a window that
// has none it makes a temporary object, which the message loop frees once the
// window is gone and no message is being handled.
//
// An object that still holds a live window destroys it when it is itself
// destroyed; when the window is destroyed first, the object lets go of the
// handle at WM_NCDESTROY and then calls PostNcDestroy.

#include "classlib/cstring.h"
#include "classlib/gdi.h"
#include "classlib/geometry.h"
#include "classlib/object.h"

#include <windows.h>

class CScrollBar;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // --- Objects and handles ---
    // The object of `window`: its own, or a temporary one. Null for null.
    static CWnd* FromHandle(HWND window);
    // The object bound to `window`, or null when there is none.
    static CWnd* FromHandlePermanent(HWND window);
    // Binds an existing window to this object without taking over its
    // messages; false when this object or the window is already bound.
    BOOL Attach(HWND window);
    HWND Detach();
    // Binds `window` and routes its messages through this object.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Gives the window its previous procedure back and lets it go.
    HWND UnsubclassWindow();

    // --- Creation and destruction ---
    // A child window; a null class name means the library's default class.
    virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                          int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // --- Message handling ---
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the message up in the message table; false when nothing took it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The window's previous procedure (its class's, or the one it had before
    // it was subclassed).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc for the message being handled.
    LRESULT Default();
    // WM_COMMAND: the sending control's own table first, then this table,
    // then the application's. FALSE when nothing handled it.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: offered to the sending control's object.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification about this control, given back to it by its parent.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Runs for messages taken from the queue before they are dispatched;
    // TRUE means the message has been dealt with.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Runs right before a window is bound to the object by creation or
    // SubclassWindow.
    virtual void PreSubclassWindow();
    // Runs after the window is gone and the object has let go of it.
    virtual void PostNcDestroy();

    // --- Thin members over the Win32 calls ---
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetParent() const;
    // The owner window, else the parent.
    CWnd* GetOwner() const;

    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    BOOL MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    void CenterWindow(CWnd* alternateOwner = nullptr);

    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    void UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }

    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;

    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    void SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
    int GetWindowText(LPWSTR buffer, int size) const { return ::GetWindowTextW(m_hWnd, buffer, size); }
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }

    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
    // Each returns whether the style changed; with `flags`, SetWindowPos
    // runs with them (plus no move, size, z-order or activation change).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr)
    {
        return ::SetTimer(m_hWnd, id, elapse, proc);
    }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

    // Each returns the window that had the capture, focus or activation.
    CWnd* SetCapture();
    CWnd* SetFocus();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

    int MessageBox(LPCWSTR text, LPCWSTR caption = nullptr, UINT type = MB_OK);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

    void ScrollWindow(int dx, int dy, LPCRECT scroll = nullptr, LPCRECT clip = nullptr)
    {
        ::ScrollWindow(m_hWnd, dx, dy, scroll, clip);
    }
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    void GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const { ::GetScrollRange(m_hWnd, bar, minPos, maxPos); }
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, bar, pos, redraw); }
    int GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }

    // The client-area device context; give it back with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

protected:
    // Default handlers: each gives the message to Default(). Tables of
    // derived classes may name them, and handlers may call them for the
    // default processing.
    int OnCreate(LPCREATESTRUCTW createStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnPaint();
    void OnNcPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnMButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseLeave();
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    int OnMouseActivate(CWnd* topLevel, UINT hitTest, UINT message);
    void OnTimer(UINT_PTR id);
    void OnSize(UINT type, int cx, int cy);
    void OnKillFocus(CWnd* newFocus);
    void OnCaptureChanged(CWnd* newCapture);
    UINT OnGetDlgCode();
    void OnKeyDown(UINT key, UINT repeatCount, UINT flags);
    void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    BOOL OnDeviceChange(UINT event, DWORD_PTR data);
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    HCURSOR OnQueryDragIcon();
    void OnSysCommand(UINT id, LPARAM lParam);

    // WM_DRAWITEM and WM_MEASUREITEM: to the control's object, or for menu
    // items to the menu's.
    BOOL RouteOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Offers a message about control `child` to the child's own object.
    static BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    WNDPROC m_pfnSuper = nullptr;

private:
    friend struct WndAccess;
    void ReleaseAfterNcDestroy();
};

// The window classes of the library: the default class of CWnd::Create, and
// classes made to measure. The returned name stays valid for the life of the
// process.
LPCWSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);

#include "classlib/message_entries.h"
