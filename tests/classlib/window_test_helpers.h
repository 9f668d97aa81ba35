#pragma once
// Helpers of the window tests: pumping what is already queued, and a plain
// top-level window to hang test windows on.

#include "classlib/wnd.h"

#include "support/test_support.h"

#include <windows.h>

// Creates `window` as a hidden top-level window of the default class.
inline bool CreateTopLevel(CWnd& window, DWORD style = WS_OVERLAPPEDWINDOW)
{
    return window.CreateEx(0, nullptr, L"test", style, 0, 0, 300, 200, nullptr, nullptr) != FALSE;
}

// Creates `window` as a visible child of `parent` with the default class.
inline bool CreateChild(CWnd& window, CWnd& parent, UINT id, RECT rect = {0, 0, 100, 50})
{
    return window.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, rect, &parent, id) != FALSE;
}
