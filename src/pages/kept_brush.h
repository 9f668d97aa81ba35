#pragma once
// A solid brush handed out for one colour at a time: the same brush while
// the colour stays the same, a new one (the old one deleted) when it
// changes. Controls use the brush their WM_CTLCOLOR* answer names for the
// length of their paint, so one brush per colour in use is all a window
// needs, however often it repaints.

#include "classlib/gdi.h"

#include <windows.h>

class KeptSolidBrush {
public:
    HBRUSH Get(COLORREF colour)
    {
        if (!m_brush.GetSafeHandle() || colour != m_colour) {
            m_brush.DeleteObject();
            m_brush.CreateSolidBrush(colour);
            m_colour = colour;
        }
        return m_brush;
    }

private:
    CBrush m_brush;
    COLORREF m_colour = CLR_INVALID;
};
