#pragma once
// What the report-rate, pointer-speed, double-click, wheel and angle-snapping
// pages share: a background picture kept as the page's bitmap and drawn over
// again on every paint, the page font, no erasing (every paint covers the
// whole page), and the dialog keys the settings panel swallows.

#include "classlib/cstring.h"
#include "classlib/dialog.h"
#include "classlib/gdi.h"

class CSkinnedPage : public CDialog {
public:
    // `backgroundPath`: the page's background picture, relative to g_szAppDir.
    CSkinnedPage(UINT templateId, const wchar_t* backgroundPath);

    // Enter, Space, Escape and F1 never reach the dialog manager (no default
    // button, no closing, no help); everything else goes on as in any dialog.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // Base initialization and the page font.
    BOOL OnInitDialog() override;
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }

    // One paint of the page: a memory context over the kept background, with
    // the page font, transparent text background and white text. Drawing goes
    // to dc(); the whole page is copied to the window when the canvas goes.
    class Canvas {
    public:
        explicit Canvas(CSkinnedPage& page);
        ~Canvas();
        Canvas(const Canvas&) = delete;
        Canvas& operator=(const Canvas&) = delete;

        CDC& dc() { return m_memory; }
        // The skin picture g_szAppDir + `relative` at (x, y), decoded again
        // only when its file has changed.
        void DrawSkin(const wchar_t* relative, int x, int y);

    private:
        CPaintDC m_paint;
        CDC m_memory;
        ScopedSelectObject m_selectBitmap;
        ScopedSelectObject m_selectFont;
        HWND m_page;
    };

    // The background picture's bitmap, loaded at the first paint (every page
    // starts hidden) and kept; empty while it does not load.
    CBitmap& Background();

    const wchar_t* m_backgroundPath;
    CBitmap m_hBkBitmap;
    CFont m_font;

    DECLARE_MESSAGE_TABLE(CSkinnedPage, CDialog)
};
