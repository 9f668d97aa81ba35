#pragma once
// CMenuWndHook: a thread-wide window hook that catches every popup-menu
// window (class "#32768") of the user-interface thread as it is created or
// sized for display, and replaces its system border by a flat three-pixel
// frame in the menu colours. Each caught window carries its previous window
// procedure in the property "CoolMenu_oldProc" and has one record in
// g_MenuWndMap until it is hidden or destroyed.

#include "classlib/collections.h"

#include <windows.h>

class CMenuWndHook {
public:
    explicit CMenuWndHook(HWND window) : m_hWnd(window) {}

    // Installs the hook on the calling thread unless one is installed
    // already (then nothing happens): sizes g_MenuWndMap for 1000 windows
    // and keeps the hook in g_hMenuHook. Returns whether a hook is in place.
    // The hook is never removed; it ends with the thread.
    static bool InstallHook(HINSTANCE instance);

    // The WH_CALLWNDPROC hook procedure.
    static LRESULT CALLBACK WindowHook(int code, WPARAM wParam, LPARAM lParam);
    // The window procedure put on a caught popup-menu window.
    static LRESULT CALLBACK CoolMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;

private:
    static CMenuWndHook* AddWndHook(HWND window);
    static CMenuWndHook* GetWndHook(HWND window);
    static void RemoveWndHook(HWND window);
    // Gives the window its previous procedure back and drops its record.
    static void Release(HWND window, WNDPROC previous);
};

using MenuWndMap = CMap<HWND, HWND, CMenuWndHook*, CMenuWndHook*>;

// The records of the popup-menu windows currently caught.
extern MenuWndMap g_MenuWndMap;
// The installed hook, or null before InstallHook.
extern HHOOK g_hMenuHook;

// The property of a caught window that holds its previous window procedure.
inline constexpr wchar_t kCoolMenuOldProcProperty[] = L"CoolMenu_oldProc";

// The flat frame of a popup-menu window whose window rectangle is
// `windowRect`, drawn into `dc` at the origin: one pixel in the selected
// menu colour outside, two pixels in the menu background inside.
void DrawFlatMenuFrame(HDC dc, const RECT& windowRect);
