#pragma once
// Inside the library: WM_MEASUREITEM and WM_DRAWITEM of owner-drawn menu
// items go to the CMenu object of the menu that holds the item.

#include <windows.h>

// Returns FALSE when the item's menu has no object.
BOOL RouteMenuOwnerDraw(UINT message, LPARAM lParam, LRESULT* result);

// Frees the temporary menu objects of menus that no longer exist (not while
// a window procedure runs on this thread).
void ReleaseTemporaryMenus();
