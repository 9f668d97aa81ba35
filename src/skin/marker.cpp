#include "skin/marker.h"

#include "messages.h"
#include "skin/marker_geometry.h"
#include "skin/skin_draw.h"

BEGIN_MESSAGE_TABLE(CDMarker)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_LBUTTONUP(OnLButtonUp)
    MAP_MOUSEMOVE(OnMouseMove)
    MAP_CAPTURECHANGED(OnCaptureChanged)
    MAP_KILLFOCUS(OnKillFocus)
END_MESSAGE_TABLE()

BEGIN_MESSAGE_TABLE(CDMarkerV)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONUP(OnLButtonUp)
    MAP_MOUSEMOVE(OnMouseMove)
END_MESSAGE_TABLE()

CDMarker::~CDMarker() = default;

BOOL CDMarker::Create(int left, int top, int right, int bottom, CWnd* owner, UINT id)
{
    m_nID = id;
    m_rect.SetRect(left, top, right, bottom);
    m_pOwner = owner;
    m_bDragging = 0;
    m_nMin = 0;
    m_nMax = 10;
    m_nPos = 0;
    return CWnd::Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, m_rect, owner, id);
}

void CDMarker::SetBitmaps(RECT rect, CBitmap* track, CBitmap* fill)
{
    CClientDC dc(m_hWnd);
    CopyBitmapRect(&dc, &m_bmpTrack, track, rect.left, rect.top, rect.right, rect.bottom);
    CopyBitmapRect(&dc, &m_bmpFill, fill, rect.left, rect.top, rect.right, rect.bottom);
}

void CDMarker::SetPos(int value)
{
    m_nPos = MarkerPositionForValue(value, m_nMin, m_nMax);
    Invalidate(TRUE);
    UpdateWindow();
}

void CDMarker::Paint(bool vertical)
{
    CPaintDC dc(m_hWnd);
    const int width = m_rect.Width();
    const int height = m_rect.Height();
    if (width <= 0 || height <= 0)
        return;

    CDC compose;
    compose.CreateCompatibleDC(&dc);
    CBitmap composed;
    composed.CreateCompatibleBitmap(&dc, width, height);
    ScopedSelectObject selectComposed(compose, composed);

    CDC source;
    source.CreateCompatibleDC(&dc);
    {
        ScopedSelectObject selectTrack(source, m_bmpTrack);
        compose.BitBlt(0, 0, width, height, &source, 0, 0, SRCCOPY);
    }
    {
        ScopedSelectObject selectFill(source, m_bmpFill);
        if (vertical) {
            const int fill = MarkerFillLength(height, m_nPos, m_nMin, m_nMax);
            compose.BitBlt(0, height - fill, width, fill, &source, 0, 0, SRCCOPY);
        } else {
            const int fill = MarkerFillLength(width, m_nPos, m_nMin, m_nMax);
            compose.BitBlt(0, 0, fill, height, &source, 0, 0, SRCCOPY);
        }
    }
    dc.BitBlt(0, 0, width, height, &compose, 0, 0, SRCCOPY);
}

void CDMarker::OnPaint()
{
    Paint(false);
}

CPoint CDMarker::ToOwner(CPoint point) const
{
    ClientToScreen(&point);
    if (m_pOwner)
        m_pOwner->ScreenToClient(&point);
    return point;
}

void CDMarker::Notify(UINT message) const
{
    if (m_pOwner)
        m_pOwner->PostMessage(message, static_cast<WPARAM>(m_nPos), static_cast<LPARAM>(m_nID));
}

void CDMarker::OnLButtonDown(UINT flags, CPoint point)
{
    SetCapture();
    m_ptPress = point;
    m_bDragging = 1;
    CWnd::OnLButtonDown(flags, point);
}

int CDMarker::PositionAt(CPoint point, bool vertical) const
{
    const CPoint at = ToOwner(point);
    return vertical ? MarkerPositionFromY(at.y, m_rect.top, m_rect.bottom, m_nMin, m_nMax)
                    : MarkerPositionFromX(at.x, m_rect.left, m_rect.right, m_nMin, m_nMax);
}

void CDMarker::FinishAt(CPoint point, bool vertical)
{
    m_bDragging = 0;
    m_nPos = PositionAt(point, vertical);
    Notify(WM_MARKER_POS);
    Default();
    ::ReleaseCapture();
    Invalidate(TRUE);
}

void CDMarker::TrackTo(CPoint point, bool vertical, UINT message)
{
    if (m_bDragging == 1) {
        m_nPos = PositionAt(point, vertical);
        Invalidate(TRUE);
        Notify(message);
    }
}

void CDMarker::OnLButtonUp(UINT, CPoint point)
{
    FinishAt(point, false);
}

void CDMarker::OnMouseMove(UINT flags, CPoint point)
{
    TrackTo(point, false, WM_MARKER_TRACK);
    CWnd::OnMouseMove(flags, point);
}

void CDMarker::OnCaptureChanged(CWnd* newCapture)
{
    if (m_bDragging == 1) {
        // Only our own capture is given up, never one another window took.
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        Invalidate(FALSE);
    }
    CWnd::OnCaptureChanged(newCapture);
}

void CDMarker::OnKillFocus(CWnd* newFocus)
{
    CWnd::OnKillFocus(newFocus);
    m_bDragging = 0;
    Invalidate(FALSE);
}

void CDMarkerV::OnPaint()
{
    Paint(true);
}

void CDMarkerV::OnLButtonUp(UINT, CPoint point)
{
    FinishAt(point, true);
}

void CDMarkerV::OnMouseMove(UINT flags, CPoint point)
{
    // A vertical slider reports every step of a drag as a chosen position.
    TrackTo(point, true, WM_MARKER_POS);
    CWnd::OnMouseMove(flags, point);
}
