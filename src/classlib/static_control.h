#pragma once
// CStatic over the system static control.

#include "classlib/wnd.h"

class CStatic : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF)
    {
        return CWnd::Create(L"STATIC", text, style, rect, parent, id);
    }
};
