#include "skin/marker.h"

#include "messages.h"
#include "skin/marker_geometry.h"
#include "skin/paint_contexts.h"
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

namespace {

SIZE PictureSize(const CBitmap& picture)
{
    BITMAP info{};
    picture.GetBitmap(&info);
    return {info.bmWidth, info.bmHeight};
}

// Puts `picture` from its point `from` on the window's rectangle `part`.
// Where the picture does not reach (a slider larger than its pictures), the
// part is painted black.
void CopyPicture(CDC& window, CDC& source, const CBitmap& picture, const RECT& part, POINT from)
{
    const PictureReach reach = ReachOfPicture(part, from, PictureSize(picture));
    ScopedSelectObject select(source, picture);
    const auto empty = [](const RECT& r) { return r.right <= r.left || r.bottom <= r.top; };
    const RECT& covered = reach.covered;
    if (!empty(covered))
        window.BitBlt(covered.left, covered.top, covered.right - covered.left, covered.bottom - covered.top, &source,
                      from.x, from.y, SRCCOPY);
    for (const RECT& beyond : {reach.right, reach.below}) {
        if (!empty(beyond))
            ::PatBlt(window, beyond.left, beyond.top, beyond.right - beyond.left, beyond.bottom - beyond.top,
                     BLACKNESS);
    }
}

}  // namespace

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

    // The fill and the visible rest of the track lie side by side, so each
    // pixel goes to the window once, straight from its picture: nothing shows
    // half drawn, and nothing is composed first.
    CDC& source = PictureSourceContext();
    if (vertical) {
        // A thumb as long as the slider is wide.
        const int fill = MarkerFillWithThumb(height, width, m_nPos, m_nMin, m_nMax);
        CopyPicture(dc, source, m_bmpTrack, RECT{0, 0, width, height - fill}, POINT{0, 0});
        CopyPicture(dc, source, m_bmpFill, RECT{0, height - fill, width, height}, POINT{0, 0});
    } else {
        const int fill = MarkerFillLength(width, m_nPos, m_nMin, m_nMax);
        CopyPicture(dc, source, m_bmpTrack, RECT{fill, 0, width, height}, POINT{fill, 0});
        CopyPicture(dc, source, m_bmpFill, RECT{0, 0, fill, height}, POINT{0, 0});
    }
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
