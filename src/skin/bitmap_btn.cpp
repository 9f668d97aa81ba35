#include "skin/bitmap_btn.h"

#include "skin/paint_contexts.h"
#include "skin/pointer_position.h"
#include "skin/skin_draw.h"

BEGIN_MESSAGE_TABLE(CBitmapBtn)
    MAP_KILLFOCUS(OnKillFocus)
    MAP_MOUSEMOVE(OnMouseMove)
    MAP_CAPTURECHANGED(OnCaptureChanged)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_LBUTTONDBLCLK(OnLButtonDblClk)
    MAP_LBUTTONUP(OnLButtonUp)
END_MESSAGE_TABLE()

CBitmapBtn::~CBitmapBtn() = default;

void CBitmapBtn::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    const UINT kept = GetStyle() & 0xFFFF & ~static_cast<UINT>(BS_TYPEMASK);
    SetButtonStyle(kept | BS_OWNERDRAW, TRUE);
    ModifyStyle(WS_TABSTOP, 0);
}

BOOL CBitmapBtn::PreTranslateMessage(MSG* msg)
{
    return CButton::PreTranslateMessage(msg);
}

void CBitmapBtn::LoadBitmaps(RECT rect, CBitmap* normal, CBitmap* hover, CBitmap* pressed, CBitmap* disabled)
{
    CClientDC dc(m_hWnd);
    const std::array<CBitmap*, 4> pictures{normal, hover, pressed, disabled};
    for (size_t state = 0; state < pictures.size(); ++state) {
        CBitmap* picture = pictures[state];
        size_t shown = state;
        if (picture && picture->GetSafeHandle()) {
            for (size_t earlier = 0; earlier < state; ++earlier) {
                if (pictures[earlier] == picture) {
                    shown = m_shownImage[earlier];
                    break;
                }
            }
        }
        if (shown == state) {
            CopyBitmapRect(&dc, &StateImage(state), picture, rect.left, rect.top, rect.right, rect.bottom);
        } else {
            StateImage(state).DeleteObject();
        }
        m_shownImage[state] = shown;
    }
    ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
}

CBitmap& CBitmapBtn::StateImage(size_t state)
{
    switch (state) {
    case 0:
        return m_bmpNormal;
    case 1:
        return m_bmpHover;
    case 2:
        return m_bmpPressed;
    default:
        return m_bmpDisabled;
    }
}

CBitmap& CBitmapBtn::ImageForState(UINT itemState)
{
    size_t state = 0;
    if (itemState & ODS_DISABLED)
        state = 3;
    else if (checked == 1 || (itemState & ODS_SELECTED))
        state = 2;
    else if (m_nHover == 1)
        state = 1;
    return StateImage(m_shownImage[state]);
}

BOOL CreateCaptionFont(CFont& font, int height, const CString& face)
{
    return font.CreateFont(height, 0, 0, 0, 550, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FF_MODERN | DEFAULT_PITCH, face);
}

void CBitmapBtn::DrawItem(LPDRAWITEMSTRUCT drawItem)
{
    CDC* target = CDC::FromHandle(drawItem->hDC);
    CDC& image = PictureSourceContext();
    ScopedSelectObject selectImage(image, ImageForState(drawItem->itemState));
    CRect client;
    GetClientRect(&client);

    if (m_strCaption.IsEmpty()) {
        target->BitBlt(0, 0, client.Width(), client.Height(), &image, 0, 0, SRCCOPY);
        return;
    }
    DrawCaptioned(*target, image, client);
}

// Composes image and caption off screen so the button never flickers.
void CBitmapBtn::DrawCaptioned(CDC& target, CDC& image, const CRect& client)
{
    const int width = client.Width();
    const int height = client.Height();
    CDC* compose = CompositionContext(width, height);
    if (!compose)
        return;
    // Black wherever the image does not reach, as in a fresh bitmap.
    ::PatBlt(*compose, 0, 0, width, height, BLACKNESS);
    compose->BitBlt(0, 0, width, height, &image, 0, 0, SRCCOPY);

    compose->SetBkMode(TRANSPARENT);
    compose->SetTextColor(kCaptionColour);
    CFont font;
    CreateCaptionFont(font, m_nFontHeight, m_strFontFace);
    ScopedSelectObject selectFont(*compose, font);

    CRect text = client;
    text.left += 5;
    UINT format = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (m_nAlign == 0) {
        format |= DT_CENTER;
    } else {
        format |= DT_LEFT;
        if (m_nAlign == 1 && m_nLeftIndent >= 1)
            text.left += m_nLeftIndent;
    }
    compose->DrawText(m_strCaption, &text, format);

    target.BitBlt(0, 0, width, height, compose, 0, 0, SRCCOPY);
}

void CBitmapBtn::OnKillFocus(CWnd* newFocus)
{
    CButton::OnKillFocus(newFocus);
    m_nHover = 0;
    Invalidate(TRUE);
}

bool CBitmapBtn::CanHover() const
{
    // While a modal dialog of the program runs, the button's window is
    // disabled and sees no pointer moves: a capture taken now, from a move
    // still queued from before the click that opened it, would never be let
    // go, and the new window would get no clicks.
    const HWND root = ::GetAncestor(m_hWnd, GA_ROOT);
    return ::GetActiveWindow() != nullptr && root != nullptr && ::IsWindowEnabled(root);
}

bool CBitmapBtn::PointerIsOver() const
{
    POINT pointer{};
    return CurrentPointerPosition(pointer) && ::WindowFromPoint(pointer) == m_hWnd;
}

void CBitmapBtn::OnMouseMove(UINT flags, CPoint point)
{
    CButton::OnMouseMove(flags, point);
    // A press that began elsewhere and was dragged here neither highlights
    // the button nor reports the move.
    if ((flags & MK_LBUTTON) && m_nHover == 0)
        return;

    CPoint screen = point;
    ClientToScreen(&screen);
    if (::GetCapture() != m_hWnd && CanHover() && PointerIsOver() && GetOwner() != nullptr) {
        m_nHover = 1;
        SetCapture();
        Invalidate(TRUE);
        SetActiveWindow();
    } else {
        const HWND under = ::WindowFromPoint(screen);
        if ((under != nullptr && under != m_hWnd) || !CanHover()) {
            if (m_nHover == 1) {
                m_nHover = 0;
                Invalidate(FALSE);
            }
            if (!(flags & MK_LBUTTON))
                ::ReleaseCapture();
        }
    }

    if (CWnd* parent = GetParent())
        parent->PostMessage(WM_MOUSEMOVE, flags, MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
}

void CBitmapBtn::OnCaptureChanged(CWnd* newCapture)
{
    if (m_nHover == 1) {
        // Only our own capture is given up: one another window has taken
        // meanwhile (a menu, a slider drag) is left alone.
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        Invalidate(FALSE);
    }
    CButton::OnCaptureChanged(newCapture);
}

BOOL CBitmapBtn::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

void CBitmapBtn::OnLButtonDown(UINT flags, CPoint point)
{
    CWnd* owner = GetOwner();
    if (owner != nullptr && owner->m_hWnd != ::GetActiveWindow())
        owner->SetActiveWindow();
    CButton::OnLButtonDown(flags, point);
}

// The system's owner-drawn button turns the second press of a quick pair
// into BN_DOUBLECLICKED, which no owner of these buttons listens for, so the
// second click would be lost: it is handled as the press it is.
void CBitmapBtn::OnLButtonDblClk(UINT flags, CPoint point)
{
    SendMessage(WM_LBUTTONDOWN, flags, MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

void CBitmapBtn::OnLButtonUp(UINT flags, CPoint point)
{
    CButton::OnLButtonUp(flags, point);
    if (CWnd* parent = GetParent())
        parent->PostMessage(WM_LBUTTONUP, 0, 0);
}

void CBitmapBtn::SetCaption(const CString& caption)
{
    m_strCaption = caption;
    // Through the default procedure: a button repaints on WM_SETTEXT, and
    // the owner decides when this one repaints.
    if (m_hWnd)
        ::DefWindowProcW(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.GetString()));
}
