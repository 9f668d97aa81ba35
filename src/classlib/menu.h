#pragma once
// CMenu: an object bound to a menu.
//
// An object that owns a menu (made by CreatePopupMenu or LoadMenu, or taken
// with Attach) destroys it when it is itself destroyed. Owner-drawn items
// are measured and drawn by the object of the menu that holds them: the
// owner window's WM_MEASUREITEM and WM_DRAWITEM for a menu item come to that
// object's MeasureItem and DrawItem.

#include "classlib/object.h"

#include <windows.h>

class CWnd;

class CMenu : public CObject {
public:
    CMenu() = default;
    ~CMenu() override;

    HMENU m_hMenu = nullptr;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // The object bound to `menu`, else a temporary one that the message loop
    // frees once the menu is gone. Null for null.
    static CMenu* FromHandle(HMENU menu);
    // Takes `menu` over; false when this object or the menu is bound already.
    BOOL Attach(HMENU menu);
    HMENU Detach();

    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    // A menu resource of the program's module.
    BOOL LoadMenu(UINT resourceId);
    BOOL DestroyMenu();

    // `idOrSubMenu` is the command id, or the submenu's handle with MF_POPUP;
    // `item` is the text, or the item data with MF_OWNERDRAW.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR item = nullptr)
    {
        return ::AppendMenuW(m_hMenu, flags, idOrSubMenu, item);
    }
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR item = nullptr)
    {
        return ::ModifyMenuW(m_hMenu, position, flags, idOrSubMenu, item);
    }
    // The popup menu at `position`, or null.
    CMenu* GetSubMenu(int position) const;

    // Shows the menu at (x, y) in screen coordinates; the chosen command
    // reaches `owner` as WM_COMMAND (unless TPM_RETURNCMD asks for it here).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
};
