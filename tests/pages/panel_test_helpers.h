#pragma once
// Shared by the settings panel tests: a skin folder of known pictures, a
// host top-level window that stands in for the main window, real input by
// SendInput, a message loop that pre-translates like the program's, and a
// recorder of the messages a window receives.

#include "classlib/message_pump.h"
#include "classlib/wnd.h"
#include "messages.h"
#include "skin/app_dir.h"
#include "support/png_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace paneltest {

constexpr COLORREF kBackgroundColour = RGB(18, 20, 24);
constexpr COLORREF kHeaderColour = RGB(150, 30, 40);

// The page pictures of the skin, in picture order, with the sizes the skin
// gives them.
struct PagePicture {
    const wchar_t* path;
    SIZE size;
};
inline const PagePicture kPagePictures[] = {
    {L"Skins\\DPISetting\\BK_DPISetting.png", {247, 230}},
    {L"Skins\\Lighting\\BK_Lighting.png", {247, 308}},
    {L"Skins\\USBReportRate\\BK_USBReportRate.png", {247, 134}},
    {L"Skins\\MouseAttribute\\BK_MouseAttribute.png", {247, 110}},
    {L"Skins\\MouseAttribute\\BK_ScrollSpeed.png", {247, 70}},
    {L"Skins\\AngleSnap\\BK_AngleSnap.png", {247, 52}},
};

inline bool WriteFlatPng(const std::wstring& path, int width, int height, COLORREF colour)
{
    return WritePngFile(
        path, width, height,
        [colour](int, int) {
            return Rgba{GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
        },
        false);
}

// A program folder with the panel's pictures in flat colours; g_szAppDir
// points at it while the object lives.
class PanelSkinFolder {
public:
    PanelSkinFolder() : m_savedAppDir(g_szAppDir)
    {
        for (const wchar_t* dir : {L"Skins", L"Skins\\DPISetting", L"Skins\\Lighting", L"Skins\\USBReportRate",
                                   L"Skins\\MouseAttribute", L"Skins\\AngleSnap"})
            ::CreateDirectoryW(m_folder.file(dir).c_str(), nullptr);
        WriteFlatPng(m_folder.file(L"Skins\\BK_MainRight.png"), 247, 563, kBackgroundColour);
        WriteFlatPng(m_folder.file(L"Skins\\ItemBK.png"), 242, 20, kHeaderColour);
        for (const PagePicture& page : kPagePictures)
            WriteFlatPng(m_folder.file(page.path), page.size.cx, page.size.cy, RGB(60, 60, 70));
        SetAppDir(m_folder.path().c_str());
    }
    ~PanelSkinFolder() { SetAppDir(m_savedAppDir.c_str()); }
    PanelSkinFolder(const PanelSkinFolder&) = delete;
    PanelSkinFolder& operator=(const PanelSkinFolder&) = delete;

    void Remove(const wchar_t* relative) const { ::DeleteFileW(m_folder.file(relative).c_str()); }

private:
    TempFolder m_folder;
    std::wstring m_savedAppDir;
};

// Stands in for the main window: a top-level window that notes the panel
// clicks it sees while pre-translating its window tree.
class HostWindow : public CWnd {
public:
    std::vector<MSG> panelClicks;

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_PANEL_CLICK)
            panelClicks.push_back(*msg);
        return FALSE;
    }
};

// Handles what is queued the way the program's loop does: pre-translation
// along the window tree first.
inline void PumpPreTranslated()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!msgpump::PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// Pumps (pre-translating) until `done` holds, waiting for input to arrive;
// false when it never did within a few seconds.
inline bool PumpUntil(const std::function<bool()>& done)
{
    for (int round = 0; round < 100; ++round) {
        PumpPreTranslated();
        if (done())
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 30, QS_ALLINPUT);
    }
    PumpPreTranslated();
    return done();
}

// Pumps until the input sent so far has been taken off the queue.
inline void PumpInput()
{
    PumpUntil([] { return ::GetQueueStatus(QS_INPUT) == 0; });
}

inline INPUT MouseInput(POINT screen, DWORD flags, DWORD data = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.mouseData = data;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

// A left click at a screen point, by the input queue. The pointer arrives
// first, so that a window holding the capture for its hover look has let it
// go before the press.
inline void ClickAt(POINT screen)
{
    INPUT move = MouseInput(screen, 0);
    ASSERT_EQ(::SendInput(1, &move, sizeof(INPUT)), 1u);
    PumpInput();
    INPUT press[] = {MouseInput(screen, MOUSEEVENTF_LEFTDOWN), MouseInput(screen, MOUSEEVENTF_LEFTUP)};
    ASSERT_EQ(::SendInput(2, press, sizeof(INPUT)), 2u);
    PumpInput();
}

// One wheel message of `delta` at a screen point, by the input queue.
inline void WheelAt(POINT screen, int delta)
{
    INPUT input = MouseInput(screen, MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
    ASSERT_EQ(::SendInput(1, &input, sizeof(INPUT)), 1u);
    PumpInput();
}

// A key pressed and released, by the input queue.
inline void PressKey(WORD key)
{
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(::SendInput(2, inputs, sizeof(INPUT)), 2u);
    PumpInput();
}

// Records the messages of a chosen set that a window's procedure receives,
// by putting a procedure of its own in front; the window gets its procedure
// back when the recorder goes.
class MessageRecorder {
public:
    MessageRecorder(HWND window, std::vector<UINT> watched) : m_window(window), m_watched(std::move(watched))
    {
        ::SetPropW(m_window, kProp, this);
        m_previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    }
    ~MessageRecorder()
    {
        ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        ::RemovePropW(m_window, kProp);
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    struct Seen {
        UINT message;
        WPARAM wParam;
        int order;  // counts across every recorder, so recorders can be compared
    };
    std::vector<Seen> seen;

    std::vector<Seen> Take() { return std::exchange(seen, {}); }

private:
    static constexpr const wchar_t* kProp = L"rv417.test.recorder";
    static inline int s_order = 0;

    static LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<MessageRecorder*>(::GetPropW(window, kProp));
        for (UINT watched : self->m_watched)
            if (watched == message)
                self->seen.push_back({message, wParam, ++s_order});
        return ::CallWindowProcW(self->m_previous, window, message, wParam, lParam);
    }

    HWND m_window;
    std::vector<UINT> m_watched;
    WNDPROC m_previous = nullptr;
};

// The rectangle of `child` in the client coordinates of `window`.
inline RECT PlaceIn(HWND window, HWND child)
{
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<LPPOINT>(&r), 2);
    return r;
}

inline POINT ScreenPoint(HWND window, int x, int y)
{
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    return p;
}

inline COLORREF ScreenPixel(POINT screen)
{
    HDC dc = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(dc, screen.x, screen.y);
    ::ReleaseDC(nullptr, dc);
    return colour;
}

inline bool HasVisibleStyle(HWND window)
{
    return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace paneltest
