#pragma once
// CSkinScrollWnd gives an existing window skinned scroll bars without
// touching its own scrolling code. The wrapper takes the window's place in
// its parent as a frame of the same size ("SkinScrollBarFrame"), moves the
// window into a clipping child ("LIMIT") one bar width narrower and lower
// than the window, so that the window's system bars fall outside the
// visible area, and puts two CSkinScrollBar controls where the system bars
// would be. A window procedure put on the wrapped window and a 500 ms timer
// keep the skinned bars in step with the window's own scroll information;
// the skinned bars' actions reach the window as ordinary WM_VSCROLL and
// WM_HSCROLL messages.
//
// The owner creates the wrapper with new and calls SkinWindow once; the
// wrapper then lives as long as the wrapped window. When that window is
// destroyed, it is given back its procedure, parent and place, and the
// wrapper destroys and deletes itself.

#include "classlib/wnd.h"
#include "skin/skin_scroll_bar.h"

#include <windows.h>

// The parent the last wrapped window had before it was wrapped.
extern CWnd* g_pSkinScrollParent;

// The window procedure put on the wrapped window.
LRESULT CALLBACK SkinScrollSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Control ids of the wrapper's children.
constexpr UINT kSkinScrollHorzId = 100;
constexpr UINT kSkinScrollVertId = 101;
constexpr UINT kSkinScrollLimitId = 200;
// The follow-up timer of the frame.
constexpr UINT kSkinScrollFollowMs = 500;

class CSkinScrollWnd : public CWnd {
public:
    CSkinScrollWnd() = default;
    ~CSkinScrollWnd() override;

    // Wraps `window` and draws its bars from `skin` (not owned; it must
    // outlive the wrapper). FALSE only when the window has no parent.
    BOOL SkinWindow(CWnd* window, HBITMAP skin);

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    LRESULT OnRelayout(WPARAM vertical, LPARAM leftScrollBar);

    DECLARE_MESSAGE_TABLE(CSkinScrollWnd, CWnd)

private:
    friend LRESULT CALLBACK SkinScrollSubclassProc(HWND, UINT, WPARAM, LPARAM);

    HWND WrappedWindow() const;
    void Unskin(HWND wrapped);
    void FollowAfterErase(HWND wrapped);
    void LayOutAfterNcCalcSize(HWND wrapped, NCCALCSIZE_PARAMS* params);
    void ForwardScroll(UINT message, int bar, CSkinScrollBar& skinned, UINT code, UINT position);
    void FollowOnTimer(int bar, CSkinScrollBar& skinned);

    int m_nScrollWidth = 16;
    CSkinScrollBar m_sbHorz;
    CSkinScrollBar m_sbVert;
    CWnd m_wndLimit;
    HBITMAP m_hSkin = nullptr;
    int m_bBusy = 0;
    int m_nCorner = 0;
    WNDPROC m_pfnPrevProc = nullptr;
};
