#pragma once
// CExMenu: the program's popup menu. Every item is owner-drawn as a dark red
// bar with white text; the texts are kept in the menu's own item list.
//
// Use: construct with the item font, CreatePopupMenu, AppendMenu the items
// (submenus are CExMenu objects of their own), optionally set m_nMenuWidth,
// then TrackPopupMenu with an owner window object; the class library brings
// the owner's WM_MEASUREITEM and WM_DRAWITEM for the items here.

#include "classlib/gdi.h"
#include "classlib/menu.h"
#include "skin/menu_colours.h"
#include "skin/menu_item_list.h"

class CExMenu : public CMenu {
public:
    // `font` may be null: the items then use the device context's font.
    explicit CExMenu(CFont* font);
    ~CExMenu() override;

    // Appends an owner-drawn item: a popup item holding `subMenu` when it is
    // not null, else a command item with `id`. The text goes to the item
    // list, and the menu width grows to at least 8 pixels per character.
    BOOL AppendMenu(UINT id, LPCWSTR text, HMENU subMenu = nullptr, int imageIndex = -1, int state = 0);

    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;

    int m_nItemHeight = 18;  // an item is two pixels higher than this
    CFont* m_pFont;
    COLORREF m_crBackground = kMenuBackground;
    COLORREF m_crSelectedBackground = kMenuSelectedBackground;
    COLORREF m_crText = kMenuText;
    COLORREF m_crSelectedText = kMenuSelectedText;
    int m_nMenuWidth = 0;  // reported as the width of every item
    CMenuItemList m_ItemList;
};
