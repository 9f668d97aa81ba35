#pragma once
// The colours of the skinned popup menus: their items and the flat frame
// drawn around their windows.

#include <windows.h>

constexpr COLORREF kMenuBackground = RGB(111, 41, 41);          // item not selected; inner frame
constexpr COLORREF kMenuSelectedBackground = RGB(143, 32, 32);  // selected item; outer frame line
constexpr COLORREF kMenuText = RGB(255, 255, 255);
constexpr COLORREF kMenuSelectedText = RGB(255, 255, 255);
