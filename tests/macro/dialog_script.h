#pragma once
// Runs a test's steps inside a real modal run of a dialog, and sends it real
// input: mouse clicks and key strokes go through SendInput.

#include "classlib/dialog.h"
#include "classlib/message_pump.h"
#include "skin/app_dir.h"
#include "support/test_support.h"

#include <windows.h>

#include <functional>
#include <string>

namespace dialogtest {

// Where the dialogs are put on the screen for the run.
constexpr int kDialogLeft = 420;
constexpr int kDialogTop = 260;

// What DoModal returns when the steps left the dialog open.
constexpr INT_PTR kLeftOpen = 0x5EED;

constexpr UINT kRunSteps = WM_APP + 0x51;
constexpr UINT kGiveUp = WM_APP + 0x52;

// `Dialog` whose modal run shows it topmost at a fixed place and then runs
// `steps` once, with every message posted so far handled. A dialog that
// ends in OnInitDialog never runs them.
template <class Dialog> class Scripted : public Dialog {
public:
    std::function<void(Scripted&)> steps;
    bool stepsRan = false;
    // Whether the run is ended (kLeftOpen) once the steps return.
    bool endAfterSteps = true;

    BOOL OnInitDialog() override
    {
        const BOOL result = Dialog::OnInitDialog();
        this->PostMessage(kRunSteps);
        return result;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kRunSteps) {
            RunSteps();
            return 0;
        }
        if (message == kGiveUp) {
            this->EndDialog(static_cast<int>(kLeftOpen));
            return 0;
        }
        return Dialog::WindowProc(message, wParam, lParam);
    }

    // A client point of the dialog on the screen.
    POINT Screen(int x, int y) const
    {
        POINT point{x, y};
        ::ClientToScreen(this->m_hWnd, &point);
        return point;
    }

private:
    void RunSteps()
    {
        const HWND window = this->m_hWnd;
        ::SetWindowPos(window, HWND_TOPMOST, kDialogLeft, kDialogTop, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetForegroundWindow(window);
        ::UpdateWindow(window);
        PumpPending();
        stepsRan = true;
        if (steps)
            steps(*this);
        // Should the run go on, it ends with kLeftOpen.
        if (endAfterSteps)
            ::PostMessageW(window, kGiveUp, 0, 0);
    }
};

// Handles every message already waiting as the dialog's modal loop would:
// each is pre-translated before it is dispatched.
inline void PumpAsModalLoop()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!msgpump::PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// Clicks the left button at a screen point, then handles what it caused.
inline void ClickAt(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    PumpAsModalLoop();
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    PumpAsModalLoop();
}

inline INPUT KeyInput(WORD vk, bool extended, bool release)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (release ? KEYEVENTF_KEYUP : 0);
    return input;
}

// One key event through SendInput, then what it caused is handled.
inline void SendKey(WORD vk, bool release, bool extended = false)
{
    INPUT input = KeyInput(vk, extended, release);
    ::SendInput(1, &input, sizeof(INPUT));
    PumpAsModalLoop();
}

// A press and a release.
inline void TypeKey(WORD vk, bool extended = false)
{
    SendKey(vk, false, extended);
    SendKey(vk, true, extended);
}

// The skins of the installed program.
inline void UseInstalledSkins()
{
    SetAppDir((std::wstring(RV417_BIN_DIR_W) + L"\\").c_str());
}

// The text of a child control of `dialog`.
inline std::wstring ControlText(HWND dialog, int id)
{
    wchar_t text[256] = {};
    ::GetWindowTextW(::GetDlgItem(dialog, id), text, 256);
    return text;
}

}  // namespace dialogtest
