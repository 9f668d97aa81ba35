#pragma once
// Helpers of the main window's tests: its pixels read from the screen and
// the pictures expected there, composed from the skin files; presses of its
// skinned buttons; a watch on the modal dialogs and menus it opens.

#include "main_window_fixture.h"

#include "classlib/image.h"
#include "classlib/scripted_dialogs.h"
#include "skin/ex_menu.h"
#include "storage/profile_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Rectangles compared and printed by the tests (found by argument lookup).
inline bool operator==(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

namespace apptest {

// A 32-bit top-down picture in a DIB section with its own memory device
// context, so that tests can both compose into it and draw text on it.
class Pixels {
public:
    Pixels(int width, int height) : m_width(width), m_height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<uint32_t*>(bits);
        m_dc = ::CreateCompatibleDC(nullptr);
        m_previous = ::SelectObject(m_dc, m_bitmap);
    }
    ~Pixels()
    {
        ::SelectObject(m_dc, m_previous);
        ::DeleteDC(m_dc);
        ::DeleteObject(m_bitmap);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    // What the screen shows in `screen`.
    static std::unique_ptr<Pixels> OfScreen(const RECT& screen)
    {
        auto pixels = std::make_unique<Pixels>(screen.right - screen.left, screen.bottom - screen.top);
        const HDC desktop = ::GetDC(nullptr);
        ::BitBlt(pixels->dc(), 0, 0, pixels->width(), pixels->height(), desktop, screen.left, screen.top, SRCCOPY);
        ::ReleaseDC(nullptr, desktop);
        ::GdiFlush();
        return pixels;
    }

    // The client area of `window` as the screen shows it.
    static std::unique_ptr<Pixels> OfClientArea(HWND window)
    {
        RECT client{};
        ::GetClientRect(window, &client);
        ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return OfScreen(client);
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    HDC dc() const { return m_dc; }

    COLORREF At(int x, int y) const
    {
        const uint32_t p = m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Set(int x, int y, COLORREF colour)
    {
        m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] =
            (static_cast<uint32_t>(GetRValue(colour)) << 16) | (static_cast<uint32_t>(GetGValue(colour)) << 8) |
            GetBValue(colour);
    }

    // Composes the picture file at its natural size at (x, y): a picture
    // with transparency over what lies there, any other one opaque.
    bool Compose(const std::wstring& path, int x, int y)
    {
        ::GdiFlush();
        CImage picture;
        if (picture.Load(path.c_str()) != S_OK)
            return false;
        const int bytes = picture.GetBPP() / 8;
        for (int py = 0; py < picture.GetHeight(); ++py) {
            const auto* row = static_cast<const uint8_t*>(picture.GetBits()) + py * picture.GetPitch();
            for (int px = 0; px < picture.GetWidth(); ++px) {
                const int tx = x + px;
                const int ty = y + py;
                if (tx < 0 || ty < 0 || tx >= m_width || ty >= m_height)
                    continue;
                const uint8_t* s = row + px * bytes;
                const int alpha = picture.HasAlphaChannel() ? s[3] : 255;
                const COLORREF under = At(tx, ty);
                const auto blend = [alpha](int source, int below) {
                    return (source * alpha + below * (255 - alpha)) / 255;
                };
                Set(tx, ty,
                    RGB(blend(s[2], GetRValue(under)), blend(s[1], GetGValue(under)), blend(s[0], GetBValue(under))));
            }
        }
        return true;
    }

private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    uint32_t* m_bits = nullptr;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// The pixels of `region` (coordinates of both pictures) in which `actual`
// and `expected` differ by more than `tolerance` in a colour channel.
inline int Mismatches(const Pixels& actual, const Pixels& expected, const RECT& region, int tolerance = 3)
{
    int count = 0;
    for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x) {
            const COLORREF a = actual.At(x, y);
            const COLORREF e = expected.At(x, y);
            if (std::abs(GetRValue(a) - GetRValue(e)) > tolerance ||
                std::abs(GetGValue(a) - GetGValue(e)) > tolerance || std::abs(GetBValue(a) - GetBValue(e)) > tolerance)
                ++count;
        }
    return count;
}

// A control's window rectangle in its parent's client coordinates.
inline RECT PlaceInParent(HWND control)
{
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// What a click on a skinned button sends its parent: BN_CLICKED from the
// button's window, whose id is 0 like every skinned button's.
inline void PressButton(const CWnd& button)
{
    ::SendMessageW(::GetParent(button.m_hWnd), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button.m_hWnd));
}

// Real input, through the system's input queue.
inline void ClickScreen(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT input[2]{};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, input, sizeof(INPUT));
}

inline POINT CentreOnScreen(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Runs `onOpen` once each modal or modeless dialog of this thread has done
// its WM_INITDIALOG, with the dialog's object; what it posts to the dialog
// is handled by the dialog's own message loop.
class DialogWatch {
public:
    explicit DialogWatch(std::function<void(CWnd& dialog)> onOpen) : m_onOpen(std::move(onOpen))
    {
        s_current = this;
        m_hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterMessage, nullptr, ::GetCurrentThreadId());
    }
    ~DialogWatch()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    int opened = 0;

private:
    static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (code == HC_ACTION && s_current && message->message == WM_INITDIALOG)
            if (CWnd* dialog = CWnd::FromHandlePermanent(message->hwnd)) {
                ++s_current->opened;
                s_current->m_onOpen(*dialog);
            }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline DialogWatch* s_current = nullptr;
    std::function<void(CWnd&)> m_onOpen;
    HHOOK m_hook = nullptr;
};

// The menu of a shown popup-menu window, as its object.
inline CExMenu* MenuOfWindow(HWND menuWindow)
{
    constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, kGetMenu, 0, 0));
    return dynamic_cast<CExMenu*>(CMenu::FromHandle(menu));
}

// The settings record of a profile file.
inline SettingsRecord RecordOfFile(const std::wstring& path)
{
    SettingsRecord record{};
    const std::vector<unsigned char> bytes = ReadBinaryFile(path);
    if (bytes.size() == sizeof(ProfileFile))
        std::memcpy(&record, bytes.data() + 1, sizeof record);
    return record;
}

inline bool SameRecord(const SettingsRecord& a, const SettingsRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The main window's fixture with its look built: the window made, its
// first paints done, the emulated mouse present unless a test unplugs it.
class MainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ScriptedDialogs::Reset();
    }
    void TearDown() override
    {
        ScriptedDialogs::Reset();
        MainWindowFixture::TearDown();
    }

    // Makes the window and lets it paint; false when it could not be made.
    bool Open()
    {
        if (!CreateMainWindow())
            return false;
        ::SetWindowPos(window->m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Repaint();
        return true;
    }

    // Paints everything now, children included.
    void Repaint() const
    {
        PumpPending();
        ::RedrawWindow(window->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
    }

    void SetLanguage(const wchar_t* code) const
    {
        ::WritePrivateProfileStringW(L"Skins", L"Lan", code, folder.file(L"str0.ini").c_str());
    }

    std::wstring Skin(const std::wstring& relative) const { return folder.file(L"Skins\\" + relative); }
    std::wstring ProfilePath(int n = 0) const { return folder.file(L"config" + std::to_wstring(n) + L".bin"); }
    std::wstring CaptionFile(int n = 0) const { return folder.file(L"str" + std::to_wstring(n) + L".ini"); }

    std::wstring CaptionInFile(int item, int n = 0, const wchar_t* section = L"Setting-EN") const
    {
        wchar_t text[256] = {};
        ::GetPrivateProfileStringW(section, (L"Item" + std::to_wstring(item)).c_str(), L"", text, 256,
                                   CaptionFile(n).c_str());
        return text;
    }

    // The frames of command `code` the mouse received.
    size_t FramesOf(uint8_t code) const
    {
        size_t count = 0;
        for (const auto& [c, arg] : CommandCodes())
            count += c == code;
        return count;
    }

    // Sends a command of the button-assignment menu for button `i`, as the
    // menu does once it was shown for that button.
    void Choose(int i, UINT id) const
    {
        window->m_nMenuButton = i;
        window->SendMessage(WM_COMMAND, id, 0);
    }

    CString Caption(int i) const { return window->m_btnAssign[static_cast<size_t>(i)].GetCaption(); }
};

}  // namespace apptest
