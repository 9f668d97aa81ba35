#pragma once
// CSkinScrollBar: a scroll bar control that draws itself from one skin
// bitmap (9 x 3 cells: arrows, thumb and track of both orientations in
// their normal, hover and pressed looks) and keeps its own scroll
// information. It answers SBM_SETSCROLLINFO and SBM_GETSCROLLINFO itself and
// tells its parent of every user action with WM_VSCROLL or WM_HSCROLL, as a
// standard scroll bar control does (lParam = the bar's handle; no
// SB_ENDSCROLL). SBS_VERT in the window style makes it vertical. A press
// (held part or thumb drag) ends at the button's release or when the bar
// loses the mouse capture, whichever comes first.

#include "classlib/scroll_bar.h"
#include "skin/scroll_bar_geometry.h"

#include <windows.h>

class ScrollBarPainter;

// The auto-repeat of a held arrow or track part: a first delay, then a
// steady repeat.
constexpr UINT_PTR IDT_SCROLL_DELAY = 200;
constexpr UINT_PTR IDT_SCROLL_REPEAT = 100;
constexpr UINT kScrollDelayMs = 500;
constexpr UINT kScrollRepeatMs = 100;

class CSkinScrollBar : public CScrollBar {
public:
    CSkinScrollBar() = default;
    ~CSkinScrollBar() override;

    // Keeps `skin` (not owned), takes the cell size from it and makes the
    // bar one cell wide across, where it stands.
    void SetBitmap(HBITMAP skin);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnMouseLeave();
    void OnCaptureChanged(CWnd* newCapture);
    LRESULT OnCancelMode(WPARAM, LPARAM);

    DECLARE_MESSAGE_TABLE(CSkinScrollBar, CScrollBar)

private:
    LRESULT OnSetScrollInfo(BOOL redraw, const SCROLLINFO* info);
    LRESULT OnGetScrollInfo(SCROLLINFO* info) const;

    bool IsVertical() const;
    ScrollValues Values() const;
    BarLayout Layout(ThumbRule rule) const;
    int Along(CPoint point) const;
    RECT PartRect(ScrollBarPart part, ThumbRule rule) const;
    void Notify(WPARAM code);
    void DragThumbTo(CPoint point);
    void HoverOver(CPoint point);
    void FollowHeldPart(CPoint point);
    void RepeatStep();
    // Ends a thumb drag or a held part as a button release does.
    void EndPress();
    void DrawPartState(ScrollBarPainter& painter, int part, int row) const;
    // Runs `draw` with a painter on the bar's client area, once a skin is set.
    template <class Draw> void DrawNow(Draw draw);

    HBITMAP m_hSkin = nullptr;
    int m_nCellWidth = 0;
    int m_nRowHeight = 0;
    int m_nLength = 0;
    int m_nMin = 0;
    int m_nMax = 0;
    UINT m_nPage = 0;
    int m_nPos = 0;
    int m_nTrackPos = -1;
    int m_bDragging = 0;
    CPoint m_ptDragStart;
    int m_nDragStartPos = 0;
    int m_nPressedPart = kScrollPartNone;
    int m_bRepeating = 0;
    int m_nHoverPart = kScrollPartNone;
    int m_bPointerOutside = 0;
    int m_bLeaveTracking = 0;
};
