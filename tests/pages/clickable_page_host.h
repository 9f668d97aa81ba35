#pragma once
// Shared by the window tests of the report-rate, pointer-speed, double-click,
// wheel and angle-snapping pages: a skin folder of flat pictures whose
// colours tell which picture was drawn where, the pages created from their
// templates inside a host window of the test, real clicks and key presses
// through SendInput, and the pixels read back.

#include "classlib/message_pump.h"
#include "model/settings_record.h"
#include "skin/app_dir.h"
#include "skin/skin_test_helpers.h"
#include "support/png_file.h"
#include "support/test_support.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <string>

namespace pagetest {

// Colours of the flat test pictures.
constexpr COLORREF kBackground = RGB(20, 30, 40);
constexpr COLORREF kEnable = RGB(0, 200, 0);
constexpr COLORREF kDisable = RGB(0, 0, 200);
constexpr COLORREF kWheelEnable = RGB(0, 220, 100);
constexpr COLORREF kWheelDisable = RGB(100, 0, 220);
constexpr COLORREF kScrollLines = RGB(90, 90, 90);

constexpr COLORREF DialColour(int level)
{
    return RGB(200, 10 * level, 0);
}

constexpr COLORREF RateColour(int reportsPerSecond)
{
    return RGB(reportsPerSecond / 8 % 256, 150, 250);
}

// Sizes of the page backgrounds (and so of the pages, as the panel sizes them).
constexpr SIZE kSpeedPageSize{247, 110};
constexpr SIZE kReportRatePageSize{247, 134};
constexpr SIZE kWheelPageSize{247, 70};
constexpr SIZE kAngleSnapPageSize{247, 52};

inline void SolidPng(const std::wstring& path, int width, int height, COLORREF colour, bool alpha)
{
    const Rgba pixel{GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
    ASSERT_TRUE(WritePngFile(
        path, width, height, [pixel](int, int) { return pixel; }, alpha))
        << "writing a picture";
}

// A skin folder of flat pictures at every path the five pages draw from;
// g_szAppDir points at it while the object lives.
class FlatSkins {
public:
    FlatSkins()
    {
        for (const wchar_t* dir : {L"Skins", L"Skins\\MouseAttribute", L"Skins\\MouseAttribute\\Speed",
                                   L"Skins\\MouseAttribute\\ScrollSpeed", L"Skins\\USBReportRate", L"Skins\\AngleSnap"})
            ::CreateDirectoryW(m_folder.file(dir).c_str(), nullptr);
        SolidPng(File(L"MouseAttribute\\BK_MouseAttribute.png"), kSpeedPageSize.cx, kSpeedPageSize.cy, kBackground,
                 false);
        for (int level = 1; level <= 11; ++level)
            SolidPng(File(L"MouseAttribute\\Speed\\" + std::to_wstring(level) + L".png"), 142, 83, DialColour(level),
                     true);
        SolidPng(File(L"USBReportRate\\BK_USBReportRate.png"), kReportRatePageSize.cx, kReportRatePageSize.cy,
                 kBackground, false);
        for (int rate : {1000, 500, 250, 125})
            SolidPng(File(L"USBReportRate\\" + std::to_wstring(rate) + L"HZ.png"), 128, 123, RateColour(rate), true);
        SolidPng(File(L"MouseAttribute\\BK_ScrollSpeed.png"), kWheelPageSize.cx, kWheelPageSize.cy, kBackground, false);
        SolidPng(File(L"MouseAttribute\\ScrollSpeed\\Enable.png"), 11, 12, kWheelEnable, true);
        SolidPng(File(L"MouseAttribute\\ScrollSpeed\\Disable.png"), 11, 12, kWheelDisable, true);
        SolidPng(File(L"MouseAttribute\\ScrollSpeed\\ScrollLines.png"), 50, 14, kScrollLines, true);
        SolidPng(File(L"AngleSnap\\BK_AngleSnap.png"), kAngleSnapPageSize.cx, kAngleSnapPageSize.cy, kBackground,
                 false);
        SolidPng(File(L"Enable.png"), 9, 9, kEnable, true);
        SolidPng(File(L"Disable.png"), 9, 9, kDisable, true);
        SetAppDir(m_folder.path().c_str());
    }
    ~FlatSkins() { SetAppDir(L""); }

    std::wstring File(const std::wstring& relative) const { return m_folder.file(L"Skins\\" + relative); }

private:
    TempFolder m_folder;
};

// The skins the build installs beside the program.
inline void UseInstalledSkins()
{
    SetAppDir((std::wstring(RV417_BIN_DIR_W) + L"\\").c_str());
}

// Runs what is waiting on the queue the way the program's message loop does,
// pre-translation included.
inline void PumpAsTheProgramDoes()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!msgpump::PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// Each input event carries its own time, ten seconds after the one before,
// so that two clicks on one spot are never taken for a double click.
inline DWORD NextInputTime()
{
    static DWORD time = ::GetTickCount();
    return time += 10000;
}

// A real left click at client point (x, y) of `window`.
inline void Click(HWND window, int x, int y)
{
    POINT screen{x, y};
    ::ClientToScreen(window, &screen);
    ASSERT_TRUE(::SetCursorPos(screen.x, screen.y));
    PumpAsTheProgramDoes();
    INPUT input[2]{};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[0].mi.time = NextInputTime();
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    input[1].mi.time = NextInputTime();
    ASSERT_EQ(::SendInput(2, input, sizeof(INPUT)), 2u);
    PumpAsTheProgramDoes();
}

// Real presses and releases of virtual keys, to the window with the focus.
inline void PressKeys(std::initializer_list<WORD> keys)
{
    for (WORD key : keys) {
        INPUT input[2]{};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wVk = key;
        input[0].ki.time = NextInputTime();
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        input[1].ki.time = NextInputTime();
        ASSERT_EQ(::SendInput(2, input, sizeof(INPUT)), 2u);
        PumpAsTheProgramDoes();
    }
}

// The host window, the record, the language and the skins of a page test.
class PageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgramLanguage() = L"EN";
        g_TextTable.Load(L"EN");
        g_Settings = SettingsRecord{};
        SetDefaultSettings();
    }
    void TearDown() override { ::ReleaseCapture(); }

    // Creates `page` from its template inside the host, at the top-left, at
    // the size of its background picture, shown and painted.
    template <class Page> void Open(Page& page, SIZE size)
    {
        ASSERT_TRUE(page.Create(page.m_nIDTemplate, &host));
        page.MoveWindow(0, 0, size.cx, size.cy, TRUE);
        page.ShowWindow(SW_SHOW);
        page.UpdateWindow();
        PumpAsTheProgramDoes();
    }

    // One pixel of the page as it shows after a full repaint.
    static COLORREF Pixel(HWND page, int x, int y) { return skintest::WindowPixel(page, x, y); }

    // One pixel as the screen shows it now, without repainting first.
    static COLORREF ShownPixel(HWND page, int x, int y)
    {
        HDC dc = ::GetDC(page);
        const COLORREF colour = ::GetPixel(dc, x, y);
        ::ReleaseDC(page, dc);
        return colour;
    }

    // Paints a 4 x 4 marker straight onto the screen at (x, y) of the page:
    // it stays until the page paints itself again.
    static void Mark(HWND page, int x, int y, COLORREF colour)
    {
        HDC dc = ::GetDC(page);
        RECT square{x, y, x + 4, y + 4};
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(dc, &square, brush);
        ::DeleteObject(brush);
        ::ReleaseDC(page, dc);
    }

    // How many pixels of `area` differ from the background colour.
    static int PixelsOtherThanBackground(HWND page, RECT area)
    {
        ::RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = ::GetDC(page);
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += ::GetPixel(dc, x, y) != kBackground ? 1 : 0;
        ::ReleaseDC(page, dc);
        return count;
    }

    FlatSkins skins;
    skintest::ParentWindow host;
};

}  // namespace pagetest
