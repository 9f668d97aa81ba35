#pragma once
// CDlgSplash: the picture "Skins\splash.png" for three seconds while the
// program starts. It cannot be closed early: keys and mouse presses are
// swallowed, and only its timer closes it.

#include "classlib/dialog.h"
#include "classlib/gdi.h"
#include "classlib/image.h"

#include <windows.h>

// The splash's timer and how long it shows.
inline constexpr UINT_PTR IDT_SPLASH = 1;
inline constexpr UINT kSplashMilliseconds = 3000;

// Whether the splash swallows `message`: key presses and mouse presses,
// client and non-client.
bool IsSwallowedBySplash(UINT message);

class CDlgSplash : public CDialog {
public:
    CDlgSplash();
    ~CDlgSplash() override;

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;

    CImage m_imgSplash;
    // The picture's bitmap, taken out of m_imgSplash.
    CBitmap m_hSplash;
    int m_nWidth = 0;
    int m_nHeight = 0;

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    void OnPaint();
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_TABLE(CDlgSplash, CDialog)
};
