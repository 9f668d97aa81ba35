#pragma once
// Image sliders: a track image with a fill image over it from the low end up
// to the current position. CDMarker runs left to right, CDMarkerV bottom to
// top; a vertical slider's fill is never shorter than the slider is wide, so
// its top edge marks even the lowest positions. The position the user picks with the mouse is posted to the owner
// window (WM_MARKER_POS / WM_MARKER_TRACK, messages.h) with the slider's
// control id; the owner keeps the value.
//
// Owners set m_nMin and m_nMax right after Create (the range must span at
// least three values) and may write m_nPos and m_rect directly, then repaint.

#include "classlib/gdi.h"
#include "classlib/geometry.h"
#include "classlib/wnd.h"

#include <windows.h>

class CDMarker : public CWnd {
public:
    CDMarker() = default;
    ~CDMarker() override;

    using CWnd::Create;
    // A visible child of `owner` at the rectangle (owner client coordinates)
    // with control `id`; resets the range to 0..10 and the position to 0.
    BOOL Create(int left, int top, int right, int bottom, CWnd* owner, UINT id);
    // Cuts `rect` out of the owner's empty-track and full-bar pictures into
    // the slider's own track and fill images.
    void SetBitmaps(RECT rect, CBitmap* track, CBitmap* fill);
    // Stores `value` when it lies in the range, otherwise the minimum, and
    // repaints at once.
    void SetPos(int value);

    UINT m_nID = 0;
    CBitmap m_bmpTrack;
    CBitmap m_bmpFill;
    int m_bDragging = 0;
    CRect m_rect;              // in the owner's client coordinates; also the window rectangle
    CPoint m_ptPress;          // where the last press happened
    CWnd* m_pOwner = nullptr;  // receives the notifications; also the parent
    int m_nMin = 0;
    int m_nMax = 10;
    int m_nPos = 0;

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* newCapture);
    void OnKillFocus(CWnd* newFocus);

    // The mouse point of a message (client coordinates) in the owner's.
    CPoint ToOwner(CPoint point) const;
    void Notify(UINT message) const;
    // Puts the fill for the current position and the track beside it on the
    // window; `vertical` fills from the bottom.
    void Paint(bool vertical);
    // The position a mouse point (client coordinates) picks along the axis.
    int PositionAt(CPoint point, bool vertical) const;
    // Release of the left button: ends a drag with the position the point gives.
    void FinishAt(CPoint point, bool vertical);
    // While dragging: moves to the point's position and sends `message`.
    void TrackTo(CPoint point, bool vertical, UINT message);

    DECLARE_MESSAGE_TABLE(CDMarker, CWnd)
};

class CDMarkerV : public CDMarker {
protected:
    void OnPaint();
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);

    DECLARE_MESSAGE_TABLE(CDMarkerV, CDMarker)
};
