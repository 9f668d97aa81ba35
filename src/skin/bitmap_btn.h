#pragma once
// CBitmapBtn: the push button of every skinned window. It draws one of four
// state images with an optional caption on top, shows its hover image while
// the pointer is over it (holding the mouse capture to notice the pointer
// leaving), and tells its parent about mouse moves (in screen coordinates)
// and releases, so the parent can follow the pointer across its buttons.
// Clicks reach the parent as the ordinary BN_CLICKED WM_COMMAND; owners
// create their buttons with id 0 and tell them apart by window handle.

#include "classlib/button.h"
#include "classlib/cstring.h"
#include "classlib/gdi.h"
#include "classlib/wnd.h"

#include <windows.h>

#include <array>

class CBitmapBtn : public CButton {
public:
    CBitmapBtn() = default;
    ~CBitmapBtn() override;

    // Cuts `rect` out of each of the four pictures of the button's states
    // into its own state images; the pictures stay the caller's. A state
    // given the same picture as an earlier one (normal, hover, pressed,
    // disabled) shows that state's image, and no copy of its own is kept:
    // most buttons show one picture in two or more states. Also drops
    // WS_BORDER and WS_TABSTOP from the button's style.
    void LoadBitmaps(RECT rect, CBitmap* normal, CBitmap* hover, CBitmap* pressed, CBitmap* disabled);

    // The caption drawn over the image; empty draws the image alone. The
    // owner repaints. The window's text follows the caption, so tools that
    // read window texts (screen readers, the end-to-end driver) see it.
    void SetCaption(const CString& caption);
    CString GetCaption() const { return m_strCaption; }

    // Set by owners before the first paint.
    int m_nFontHeight = 14;
    int m_nLeftIndent = 0;  // extra inset of a left-aligned caption, used when >= 1
    int checked = 0;        // 1: show the pressed image (current page, open box, recording)
    int m_nHover = 0;       // 1 while the pointer is over the button
    CString m_strFontFace;
    CBitmap m_bmpNormal;
    CBitmap m_bmpHover;
    CBitmap m_bmpPressed;
    CBitmap m_bmpDisabled;
    CString m_strCaption;
    int m_nAlign = 1;  // 0: centred caption, 1: left-aligned caption

    // The caption colour in every state.
    static constexpr COLORREF kCaptionColour = RGB(253, 253, 253);

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

protected:
    void OnKillFocus(CWnd* newFocus);
    void OnMouseMove(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* newCapture);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);

    DECLARE_MESSAGE_TABLE(CBitmapBtn, CButton)

private:
    // Whether a pointer over the button may take the hover capture: some
    // window of the program is active and the button's own window is enabled.
    bool CanHover() const;
    // Whether the pointer is over the button now. A move handled late, once
    // the pointer has already left, must not take the capture: the button
    // would keep it until the next move, and a press meanwhile would go to
    // the button instead of the window under the pointer.
    bool PointerIsOver() const;
    CBitmap& ImageForState(UINT itemState);
    // The image of state 0 normal, 1 hover, 2 pressed, 3 disabled.
    CBitmap& StateImage(size_t state);

    // For each state, the state whose image it shows (itself, or an earlier
    // state that was given the same picture).
    std::array<size_t, 4> m_shownImage{0, 1, 2, 3};
    void DrawCaptioned(CDC& target, CDC& image, const CRect& client);
};

// The font of a button's caption: `height` pixels, weight 550, `face`. Its
// family is FF_MODERN, so a face that is not installed falls back to a
// fixed-pitch one. FALSE when the font could not be made.
BOOL CreateCaptionFont(CFont& font, int height, const CString& face);
