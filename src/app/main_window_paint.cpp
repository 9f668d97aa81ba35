#include "app/main_window.h"
#include "app/main_window_globals.h"
#include "app/main_window_layout.h"
#include "skin/app_dir.h"
#include "skin/png_cache.h"
#include "text/text_table.h"

namespace {

constexpr COLORREF kLabelColour = RGB(255, 255, 255);
// The byte that tells the hot spots no button is highlighted.
constexpr BYTE kNoHotSpot = 255;

constexpr int kFirstButtonLabel = 29;  // "Button 1" .. "Button 7"
constexpr int kXAxisLabel = 27;
constexpr int kYAxisLabel = 28;
constexpr int kScaleNumbers = 10;

// Every picture is drawn at its natural size with its alpha channel.
void DrawPicture(CDC& dc, const wchar_t* relative, int x, int y)
{
    DrawCachedPngWithAlpha(&dc, SkinPath(relative), x, y);
}

void DrawLabel(CDC& dc, const CString& text, RECT rect, UINT format)
{
    dc.DrawText(text, &rect, format | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

// Composes the whole client area on the background bitmap itself and shows
// it with one copy, so the window never shows a half-drawn state.
void CMouseConfigurationDlg::OnPaint()
{
    CPaintDC dc(this);
    RECT client{};
    GetClientRect(&client);

    CDC memory;
    memory.CreateCompatibleDC(&dc);
    ScopedSelectObject selectBackground(memory, m_hBackground);

    DrawPicture(memory, L"Skins\\Logo.png", 20, 32);
    DrawPicture(memory, L"Skins\\BK_MainMid.png", 262, 2);
    if (g_nCurPage == 1)
        DrawPicture(memory, L"Skins\\Mouse\\Front\\MouseFront.png", 403, 60);
    else if (g_nCurPage == 2)
        DrawPicture(memory, L"Skins\\Mouse\\Side\\MouseSide.png", 295, 232);
    const bool highlighted = g_nSelButton >= 0 && g_nSelButton < kAssignBoxCount;
    LoadMousePictureImages(&memory, highlighted ? static_cast<BYTE>(g_nSelButton + 1) : kNoHotSpot);

    memory.SetBkMode(TRANSPARENT);
    ScopedSelectObject selectFont(memory, m_font);
    memory.SetTextColor(kLabelColour);

    DrawPicture(memory, L"/Skins/BK_MainLeft.png", 20, 107);
    DrawPicture(memory, L"Skins\\MLogo.png", 40, 525);

    const bool buttonPanelOpen = m_nButtonPanelState == 0;
    if (buttonPanelOpen) {
        DrawPicture(memory, L"/Skins/ButtonAssignment/BK_ButtonAssignment.png", 20, 127);
        for (int i = 0; i < kAssignBoxCount; ++i)
            DrawLabel(memory, g_TextTable.Get(kFirstButtonLabel + i), RECT{31, 156 + 20 * i, 115, 170 + 20 * i},
                      DT_CENTER);
    }

    if (m_nAxisPanelState == 0) {
        const int y0 = SideColumnFor(buttonPanelOpen, g_nButtonPanelHeight).axisPanelTop;
        DrawPicture(memory, L"/Skins/XYSensitivity/BK_XYSensSetting.png", 20, y0);
        DrawLabel(memory, g_TextTable.Get(kXAxisLabel), RECT{37, y0 + 20, 262, y0 + 40}, DT_LEFT);
        DrawLabel(memory, g_TextTable.Get(kYAxisLabel), RECT{37, y0 + 80, 262, y0 + 100}, DT_LEFT);
        for (int k = 0; k < kScaleNumbers; ++k) {
            CString number;
            number.Format(L"%d", k + 1);
            const int left = 44 + 21 * k;
            DrawLabel(memory, number, RECT{left, y0 + 57, 262, y0 + 77}, DT_LEFT);
            DrawLabel(memory, number, RECT{left, y0 + 117, 262, y0 + 137}, DT_LEFT);
        }
    }

    dc.BitBlt(0, 0, client.right - client.left, client.bottom - client.top, &memory, 0, 0, SRCCOPY);
}
