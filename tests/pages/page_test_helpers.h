#pragma once
// Shared by the page window tests: a skin folder of flat pictures whose
// colours the tests look for on screen, a host window for the page, real
// input through SendInput, and a message pump that pre-translates as the
// program's loop does.

#include "classlib/message_pump.h"
#include "classlib/wnd.h"
#include "skin/app_dir.h"
#include "support/png_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace pagetest {

constexpr COLORREF kBackground = RGB(40, 44, 52);
constexpr COLORREF kValueField = RGB(12, 14, 90);
constexpr COLORREF kOn = RGB(0, 200, 0);
constexpr COLORREF kOff = RGB(0, 0, 220);
constexpr COLORREF kTrack = RGB(30, 30, 30);
constexpr COLORREF kFill = RGB(210, 40, 40);
// The top two rows of the DPI sliders' fill picture, its thumb.
constexpr COLORREF kFillTop = RGB(250, 120, 120);

// Every message waiting on this thread, pre-translated like the program's
// own loop does, then the loop's idle housekeeping.
inline void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!msgpump::PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    msgpump::Idle();
}

// The pictures the pages load, each one flat colour, in a temporary folder
// that is the program folder while the object lives.
class FlatSkins {
public:
    FlatSkins() : m_previous(g_szAppDir)
    {
        for (const wchar_t* dir : {L"Skins", L"Skins\\DPISetting", L"Skins\\DPISetting\\DPIStage", L"Skins\\Lighting",
                                   L"Skins\\StageSlider"})
            ::CreateDirectoryW(m_folder.file(dir).c_str(), nullptr);
        Write(L"Skins\\DPISetting\\BK_DPISetting.png", 247, 230, kBackground, false);
        Write(L"Skins\\DPISetting\\BK-DPIValue.png", 25, 12, kValueField, true);
        Write(L"Skins\\DPISetting\\DPIStage\\0.png", 7, 169, kTrack, false);
        Write(L"Skins\\DPISetting\\DPIStage\\82.png", 7, 169, [](int y) { return y < 2 ? kFillTop : kFill; });
        Write(L"Skins\\Enable.png", 9, 9, kOn, true);
        Write(L"Skins\\Disable.png", 9, 9, kOff, true);
        Write(L"Skins\\Lighting\\BK_Lighting.png", 247, 308, kBackground, false);
        Write(L"Skins\\StageSlider\\1.png", 128, 11, kTrack, false);
        Write(L"Skins\\StageSlider\\10.png", 128, 11, kFill, false);
        SetAppDir(m_folder.path().c_str());
    }
    ~FlatSkins() { SetAppDir(m_previous.c_str()); }

    const TempFolder& folder() const { return m_folder; }

private:
    void Write(const wchar_t* name, int width, int height, COLORREF colour, bool alpha)
    {
        const Rgba pixel{GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
        ASSERT_TRUE(WritePngFile(
            m_folder.file(name), width, height, [&](int, int) { return pixel; }, alpha));
    }
    // A picture of one colour per row.
    template <class RowColour> void Write(const wchar_t* name, int width, int height, RowColour rowColour)
    {
        ASSERT_TRUE(WritePngFile(
            m_folder.file(name), width, height,
            [&](int, int y) {
                const COLORREF c = rowColour(y);
                return Rgba{GetRValue(c), GetGValue(c), GetBValue(c), 255};
            },
            false));
    }

    TempFolder m_folder;
    std::wstring m_previous;
};

// A visible, active, frameless top-level window at a fixed place of the
// screen that holds the page under test at its client origin.
class HostWindow : public CWnd {
public:
    static constexpr int kLeft = 200;
    static constexpr int kTop = 100;

    HostWindow()
    {
        CreateEx(WS_EX_TOPMOST, nullptr, L"page host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kLeft, kTop, 300, 360,
                 nullptr, nullptr);
        MakeActive(m_hWnd);
    }
    ~HostWindow() override { DestroyWindow(); }
};

// Makes `page` from its template inside `host`, sized as the settings panel
// sizes it (to its picture), and shows it.
template <class Page> void OpenPage(Page& page, HostWindow& host, UINT templateId, int width, int height)
{
    ASSERT_TRUE(page.Create(templateId, &host));
    page.MoveWindow(0, 0, width, height, TRUE);
    page.ShowWindow(SW_SHOW);
    page.UpdateWindow();
    Pump();
}

// ---- Real input ---------------------------------------------------------

inline void Send(INPUT input)
{
    ASSERT_EQ(::SendInput(1, &input, sizeof(input)), 1u);
}

// Moves the pointer to a point of `window`'s client area.
inline void MoveTo(HWND window, POINT client)
{
    ::ClientToScreen(window, &client);
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Normalised 0..65535; rounded up so that the pixel is hit exactly.
    input.mi.dx = static_cast<LONG>((static_cast<long long>(client.x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<long long>(client.y) * 65536 + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    Pump();
}

// Time stamps for button presses, each further from the one before than
// the double-click time, so that two clicks at one place stay two clicks
// (the pages take WM_LBUTTONDOWN only) without the test waiting.
inline DWORD NextPressTime()
{
    static DWORD time = ::GetTickCount();
    time += ::GetDoubleClickTime() + 1;
    return time;
}

inline void Button(DWORD flag)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    input.mi.time = NextPressTime();
    Send(input);
    Pump();
}

// A left click at a point of `window`'s client area.
inline void ClickAt(HWND window, POINT client)
{
    MoveTo(window, client);
    Button(MOUSEEVENTF_LEFTDOWN);
    Button(MOUSEEVENTF_LEFTUP);
}

// A drag with the left button from one client point of `window` to another.
inline void Drag(HWND window, POINT from, POINT to)
{
    MoveTo(window, from);
    Button(MOUSEEVENTF_LEFTDOWN);
    MoveTo(window, {(from.x + to.x) / 2, (from.y + to.y) / 2});
    MoveTo(window, to);
    Button(MOUSEEVENTF_LEFTUP);
}

inline void Key(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(input);
    Pump();
}

inline void Press(WORD virtualKey)
{
    Key(virtualKey, false);
    Key(virtualKey, true);
}

// Types digits (their virtual keys are their characters).
inline void TypeDigits(const wchar_t* digits)
{
    for (const wchar_t* c = digits; *c; ++c)
        Press(static_cast<WORD>(*c));
}

// ---- Pixels ----------------------------------------------------------------

// Paints `window` and its children now.
inline void Repaint(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
}

// One pixel of `window`'s client area as it shows, children included.
inline COLORREF PixelOf(HWND window, int x, int y)
{
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

// Paints `window` and reads one pixel of it.
inline COLORREF ScreenPixel(HWND window, int x, int y)
{
    Repaint(window);
    return PixelOf(window, x, y);
}

}  // namespace pagetest
