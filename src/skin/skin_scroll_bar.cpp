#include "skin/skin_scroll_bar.h"

#include "skin/pointer_position.h"
#include "skin/scroll_bar_paint.h"
#include "skin/window_timers.h"

#include <algorithm>

namespace {

// The flags of the mouse move that a pointer leaving the bar replays.
constexpr UINT kLeaveReplayFlags = static_cast<UINT>(-1);

bool IsArrow(int part)
{
    return part == kScrollPartArrow1 || part == kScrollPartArrow2;
}

}  // namespace

BEGIN_MESSAGE_TABLE(CSkinScrollBar)
    MAP_SIZE(OnSize)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_MOUSEMOVE(OnMouseMove)
    MAP_LBUTTONUP(OnLButtonUp)
    MAP_TIMER(OnTimer)
    MAP_MOUSELEAVE(OnMouseLeave)
    MAP_CAPTURECHANGED(OnCaptureChanged)
    MAP_MESSAGE(WM_CANCELMODE, OnCancelMode)
END_MESSAGE_TABLE()

CSkinScrollBar::~CSkinScrollBar() = default;

template <class Draw> void CSkinScrollBar::DrawNow(Draw draw)
{
    if (!m_hSkin || !m_hWnd)
        return;
    CClientDC dc(m_hWnd);
    ScrollBarPainter painter(dc, m_hSkin, {m_nCellWidth, m_nRowHeight}, IsVertical());
    draw(painter);
}

void CSkinScrollBar::SetBitmap(HBITMAP skin)
{
    m_hSkin = skin;
    BITMAP info{};
    ::GetObjectW(skin, sizeof(info), &info);
    const SkinCellSize cells = SkinCellSizeOf(info.bmWidth, info.bmHeight);
    m_nCellWidth = cells.width;
    m_nRowHeight = cells.height;

    CRect place;
    GetWindowRect(place);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&place), 2);
    if (IsVertical())
        place.right = place.left + m_nCellWidth;
    else
        place.bottom = place.top + m_nCellWidth;
    MoveWindow(place, TRUE);
}

LRESULT CSkinScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case SBM_SETSCROLLINFO:
        return OnSetScrollInfo(static_cast<BOOL>(wParam), reinterpret_cast<const SCROLLINFO*>(lParam));
    case SBM_GETSCROLLINFO:
        return OnGetScrollInfo(reinterpret_cast<SCROLLINFO*>(lParam));
    case WM_LBUTTONDBLCLK:
        // The first click of the pair has acted already.
        return 1;
    case WM_ENABLE:
        // The system bar would draw its own look straight onto the screen and
        // leave nothing to repaint; the style bit is already set, so only the
        // skin needs drawing again.
        Invalidate(FALSE);
        return 0;
    default:
        return CScrollBar::WindowProc(message, wParam, lParam);
    }
}

LRESULT CSkinScrollBar::OnSetScrollInfo(BOOL redraw, const SCROLLINFO* info)
{
    if (!info)
        return 0;
    if (info->fMask & SIF_PAGE)
        m_nPage = info->nPage;
    if (info->fMask & SIF_POS)
        m_nPos = info->nPos;
    if (info->fMask & SIF_RANGE) {
        m_nMin = info->nMin;
        m_nMax = info->nMax;
    }
    if (redraw) {
        const BarLayout layout = Layout(ThumbRule::Drawing);
        DrawNow([&](ScrollBarPainter& painter) { painter.RedrawTrackAndThumb(layout); });
    }
    return 1;
}

LRESULT CSkinScrollBar::OnGetScrollInfo(SCROLLINFO* info) const
{
    if (!info)
        return 0;
    if (info->fMask & SIF_PAGE)
        info->nPage = m_nPage;
    if (info->fMask & SIF_POS)
        info->nPos = m_nPos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = m_nTrackPos;
    if (info->fMask & SIF_RANGE) {
        info->nMin = m_nMin;
        info->nMax = m_nMax;
    }
    return 1;
}

bool CSkinScrollBar::IsVertical() const
{
    return (GetStyle() & SBS_VERT) != 0;
}

ScrollValues CSkinScrollBar::Values() const
{
    ScrollValues values;
    values.nMin = m_nMin;
    values.nMax = m_nMax;
    values.nPage = m_nPage;
    values.nPos = m_nPos;
    values.nTrackPos = m_nTrackPos;
    return values;
}

BarLayout CSkinScrollBar::Layout(ThumbRule rule) const
{
    return ComputeBarLayout(m_nLength, m_nCellWidth, Values(), rule);
}

int CSkinScrollBar::Along(CPoint point) const
{
    return IsVertical() ? point.y : point.x;
}

RECT CSkinScrollBar::PartRect(ScrollBarPart part, ThumbRule rule) const
{
    return BarSpanRect(Layout(rule).Part(part), m_nCellWidth, IsVertical());
}

void CSkinScrollBar::Notify(WPARAM code)
{
    ::SendMessageW(::GetParent(m_hWnd), IsVertical() ? WM_VSCROLL : WM_HSCROLL, code, reinterpret_cast<LPARAM>(m_hWnd));
}

void CSkinScrollBar::OnSize(UINT, int cx, int cy)
{
    Default();
    m_nLength = IsVertical() ? cy : cx;
}

void CSkinScrollBar::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!m_hSkin)
        return;
    ScrollBarPainter(dc, m_hSkin, {m_nCellWidth, m_nRowHeight}, IsVertical()).PaintAll(Layout(ThumbRule::Drawing));
}

void CSkinScrollBar::DrawPartState(ScrollBarPainter& painter, int part, int row) const
{
    if (IsArrow(part))
        painter.DrawArrow(static_cast<ScrollBarPart>(part), Layout(ThumbRule::Drawing), row);
    else if (part == kScrollPartThumb)
        painter.DrawThumb(Layout(ThumbRule::Drawing).thumb, row);
}

void CSkinScrollBar::OnLButtonDown(UINT, CPoint point)
{
    SetCapture();
    const ScrollBarPart part = HitTestBar(Layout(ThumbRule::HitTesting), Along(point));
    if (part == kScrollPartThumb) {
        m_ptDragStart = point;
        m_nDragStartPos = m_nPos;
        m_nTrackPos = m_nPos;
        m_bDragging = 1;
    } else if (part != kScrollPartNone) {
        m_nPressedPart = part;
        Notify(static_cast<WPARAM>(part));
        StartWindowTimer(m_hWnd, IDT_SCROLL_DELAY, kScrollDelayMs);
        m_bPointerOutside = 0;
        if (IsArrow(part))
            DrawNow([&](ScrollBarPainter& painter) { DrawPartState(painter, part, kSkinRowPressed); });
    }
}

void CSkinScrollBar::OnMouseMove(UINT flags, CPoint point)
{
    const bool leaveReplay = flags == kLeaveReplayFlags;
    if (!m_bLeaveTracking && !leaveReplay) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        if (::TrackMouseEvent(&track))
            m_bLeaveTracking = 1;
    }

    if (m_bDragging) {
        // The pointer leaving the bar mid-drag is no move to (-1, -1).
        if (!leaveReplay)
            DragThumbTo(point);
    } else if (m_nPressedPart == kScrollPartNone) {
        HoverOver(point);
    } else {
        FollowHeldPart(point);
    }
}

void CSkinScrollBar::DragThumbTo(CPoint point)
{
    const int position =
        ThumbDragPosition(m_nLength, m_nCellWidth, Values(), m_nDragStartPos, Along(point) - Along(m_ptDragStart));
    if (position == m_nTrackPos)
        return;

    const BarSpan before = Layout(ThumbRule::Drawing).thumb;
    m_nTrackPos = position;
    const BarSpan after = Layout(ThumbRule::Drawing).thumb;
    const BarSpan uncovered = after.begin > before.begin ? BarSpan{before.begin, std::min(after.begin, before.end)}
                                                         : BarSpan{std::max(after.end, before.begin), before.end};
    DrawNow([&](ScrollBarPainter& painter) {
        painter.TileTrackCell(uncovered);
        painter.DrawThumb(after, kSkinRowPressed);
    });
    Notify(MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(m_nTrackPos)));
}

void CSkinScrollBar::HoverOver(CPoint point)
{
    const int part = HitTestBar(Layout(ThumbRule::HitTesting), Along(point));
    if (part == m_nHoverPart)
        return;
    DrawNow([&](ScrollBarPainter& painter) {
        DrawPartState(painter, m_nHoverPart, kSkinRowNormal);
        DrawPartState(painter, part, kSkinRowHover);
    });
    m_nHoverPart = part;
}

void CSkinScrollBar::FollowHeldPart(CPoint point)
{
    const CRect held = PartRect(static_cast<ScrollBarPart>(m_nPressedPart), ThumbRule::HitTesting);
    const int outside = held.PtInRect(point) ? 0 : 1;
    if (outside == m_bPointerOutside)
        return;
    m_bPointerOutside = outside;
    if (IsArrow(m_nPressedPart))
        DrawNow([&](ScrollBarPainter& painter) {
            DrawPartState(painter, m_nPressedPart, outside ? kSkinRowNormal : kSkinRowPressed);
        });
}

void CSkinScrollBar::OnLButtonUp(UINT, CPoint)
{
    // Giving up the capture ends the press (OnCaptureChanged); should the
    // bar have lost it before, the press has ended already.
    ::ReleaseCapture();
    EndPress();
}

void CSkinScrollBar::OnCaptureChanged(CWnd* newCapture)
{
    if (newCapture && newCapture->m_hWnd == m_hWnd)
        return;
    // Without the capture no button release will come: the press ends here,
    // or a held arrow would go on scrolling and a drag would never finish.
    EndPress();
}

LRESULT CSkinScrollBar::OnCancelMode(WPARAM, LPARAM)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    EndPress();
    return 0;
}

void CSkinScrollBar::EndPress()
{
    if (m_bDragging) {
        m_bDragging = 0;
        Notify(MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(m_nTrackPos)));
        // The owner redraws the thumb when it takes the position; one it
        // refused leaves the thumb's last place to the track.
        if (m_nTrackPos != m_nPos) {
            const BarSpan thumb = Layout(ThumbRule::Drawing).thumb;
            DrawNow([&](ScrollBarPainter& painter) { painter.TileTrackSquare(thumb); });
        }
        m_nTrackPos = -1;
    } else if (m_nPressedPart != kScrollPartNone) {
        if (m_bRepeating) {
            StopWindowTimer(m_hWnd, IDT_SCROLL_REPEAT);
            m_bRepeating = 0;
        } else {
            StopWindowTimer(m_hWnd, IDT_SCROLL_DELAY);
        }
        if (IsArrow(m_nPressedPart))
            DrawNow([&](ScrollBarPainter& painter) { DrawPartState(painter, m_nPressedPart, kSkinRowNormal); });
        m_nPressedPart = kScrollPartNone;
    }
}

void CSkinScrollBar::OnTimer(UINT_PTR id)
{
    // A tick that was on its way when the press ended starts nothing.
    if (m_nPressedPart == kScrollPartNone)
        return;
    if (id == IDT_SCROLL_DELAY) {
        m_bRepeating = 1;
        StopWindowTimer(m_hWnd, IDT_SCROLL_DELAY);
        StartWindowTimer(m_hWnd, IDT_SCROLL_REPEAT, kScrollRepeatMs);
        RepeatStep();
    } else if (id == IDT_SCROLL_REPEAT) {
        RepeatStep();
    }
}

void CSkinScrollBar::RepeatStep()
{
    if (m_bPointerOutside)
        return;
    switch (m_nPressedPart) {
    case kScrollPartArrow1:
        if (m_nPos != m_nMin)
            Notify(SB_LINEUP);
        else
            StopWindowTimer(m_hWnd, IDT_SCROLL_REPEAT);
        break;
    case kScrollPartArrow2:
        if (m_nPos != m_nMax)
            Notify(SB_LINEDOWN);
        else
            StopWindowTimer(m_hWnd, IDT_SCROLL_REPEAT);
        break;
    case kScrollPartTrackBefore:
    case kScrollPartTrackAfter: {
        CPoint cursor;
        CurrentPointerPosition(cursor);
        ScreenToClient(&cursor);
        // Paging stops once the thumb has reached the pointer.
        if (CRect(PartRect(kScrollPartThumb, ThumbRule::HitTesting)).PtInRect(cursor))
            StopWindowTimer(m_hWnd, IDT_SCROLL_REPEAT);
        else
            Notify(static_cast<WPARAM>(m_nPressedPart));
        break;
    }
    default:
        break;
    }
}

void CSkinScrollBar::OnMouseLeave()
{
    m_bLeaveTracking = 0;
    OnMouseMove(kLeaveReplayFlags, CPoint(-1, -1));
}
