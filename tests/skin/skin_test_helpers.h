#pragma once
// Shared by the skin tests: PNG files written with GDI+, bitmaps and
// canvases to read pixels from, and a top-level parent window that keeps
// what its children post.

#include "classlib/gdi.h"
#include "classlib/gdiplus_session.h"
#include "classlib/wnd.h"
#include "support/png_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skintest {

// Writes `pixels` (rows top down) as a PNG, with or without an alpha channel.
inline void WritePng(const std::wstring& path, int width, const std::vector<Rgba>& pixels, bool alpha)
{
    const int height = static_cast<int>(pixels.size()) / width;
    ASSERT_TRUE(WritePngFile(
        path, width, height, [&](int x, int y) { return pixels[static_cast<size_t>(y * width + x)]; }, alpha));
}

// A memory device context over a screen-format bitmap; `Own` selects one
// in for the object's lifetime.
struct MemoryDC {
    explicit MemoryDC(HBITMAP bitmap)
    {
        dc.CreateCompatibleDC(nullptr);
        previous = ::SelectObject(dc, bitmap);
    }
    ~MemoryDC() { ::SelectObject(dc, previous); }
    COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }
    CDC dc;
    HGDIOBJ previous;
};

// A screen-format bitmap coloured by `colourAt(x, y)`.
template <class ColourAt> void PaintBitmap(CBitmap& bitmap, int width, int height, ColourAt colourAt)
{
    CClientDC screen(nullptr);
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    MemoryDC paint(bitmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ::SetPixel(paint.dc, x, y, colourAt(x, y));
}

inline SIZE BitmapSize(const CBitmap& bitmap)
{
    BITMAP info{};
    bitmap.GetBitmap(&info);
    return {info.bmWidth, info.bmHeight};
}

inline LPARAM Packed(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A visible, active, frameless top-level window at a fixed screen place, so
// its client origin is (kLeft, kTop). Keeps the WM_COMMANDs it receives.
class ParentWindow : public CWnd {
public:
    static constexpr int kLeft = 300;
    static constexpr int kTop = 200;

    ParentWindow()
    {
        CreateEx(WS_EX_TOPMOST, nullptr, L"skin test", WS_POPUP | WS_VISIBLE, kLeft, kTop, 400, 300, nullptr, nullptr);
        MakeActive(m_hWnd);
    }
    ~ParentWindow() override { DestroyWindow(); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }

    // Takes the messages posted to this window in first..last off the queue.
    std::vector<Posted> TakePosted(UINT first, UINT last)
    {
        std::vector<Posted> taken;
        MSG msg;
        while (::PeekMessageW(&msg, m_hWnd, first, last, PM_REMOVE))
            taken.push_back({msg.message, msg.wParam, msg.lParam});
        return taken;
    }

    static void Pump() { PumpPending(); }

    std::vector<Posted> commands;
};

// Paints `window` now and returns one pixel of its client area.
inline COLORREF WindowPixel(HWND window, int x, int y)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

}  // namespace skintest
