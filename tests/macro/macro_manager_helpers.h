#pragma once
// Shared by the macro manager's window tests: the window run modally with a
// test script inside its modal loop, real keyboard and mouse input, a pump
// with the message loop's pre-translation, and what the window shows.

#include "classlib/list_box.h"
#include "classlib/message_pump.h"
#include "classlib/scripted_dialogs.h"
#include "classlib/wnd.h"
#include "device/clock.h"
#include "macro/macro_program_dialog.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/lb_editor_wnd.h"
#include "support/test_support.h"
#include "text/program_language.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace macrotest {

using Lines = std::vector<std::wstring>;

// Dispatches every message waiting on this thread as the message loop would,
// pre-translation included (the manager's key filter and in-place edit end).
inline void Pump()
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

// Pumps until `done` holds. Injected input reaches the thread a piece at a
// time, so between rounds this waits for the next message to arrive (the
// wait ends at once when one is there; its bound only keeps a failing test
// from hanging).
inline bool PumpUntil(const std::function<bool()>& done, int rounds = 400)
{
    for (int i = 0; i < rounds; ++i) {
        Pump();
        if (done())
            return true;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 25, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return done();
}

// Pumps for a few rounds of arriving messages, for input whose effect is
// that nothing happens.
inline void PumpAWhile()
{
    PumpUntil([] { return false; }, 8);
}

inline INPUT KeyInput(WORD vk, bool release, bool extended = false)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = (release ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

inline void SendInputs(const std::vector<INPUT>& inputs)
{
    ASSERT_EQ(::SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()), sizeof(INPUT)),
              inputs.size());
}

inline void PressKey(WORD vk, bool extended = false)
{
    SendInputs({KeyInput(vk, false, extended)});
}

inline void ReleaseKey(WORD vk, bool extended = false)
{
    SendInputs({KeyInput(vk, true, extended)});
}

inline void TapKey(WORD vk)
{
    SendInputs({KeyInput(vk, false), KeyInput(vk, true)});
}

// A click of the left (or right) button at a screen point; twice for a
// double-click. Successive calls click a few pixels apart, so that two
// clicks in a row are never taken for a double-click.
inline void ClickAt(POINT screen, bool right = false, int clicks = 1)
{
    static int shift = 3;
    shift = -shift;
    ::SetCursorPos(screen.x + shift, screen.y);
    std::vector<INPUT> inputs;
    for (int i = 0; i < clicks; ++i) {
        for (DWORD flag :
             {right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP}) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flag;
            inputs.push_back(input);
        }
    }
    SendInputs(inputs);
}

inline void MoveMouseTo(POINT screen)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInputs({input});
}

inline Lines ListTexts(HWND list)
{
    Lines texts;
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
        ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(text);
    }
    return texts;
}

// The macro manager on a record.ini of the test's own, with the program's
// skin, English texts and a virtual clock; every global of the manager and
// its recorder starts as at program start.
class MacroManagerTest : public testing::Test {
protected:
    // Where the window is put on the screen, on top of every other test's.
    static constexpr POINT kWindowAt = {600, 380};

    MacroManagerTest()
    {
        SetAppDir((std::wstring(RV417_BIN_DIR_W) + L"\\").c_str());
        ProgramLanguage() = L"EN";
        g_bDelayOption = 0;
        g_bLoopOption = 0;
        g_nCurMacro = 0;
        g_arrSelectedMacro.clear();
        g_arrPendingMacro.clear();
        g_bRecordOn = 0;
        g_nRecordPhase = 0;
        g_nRecordEvents = 0;
        g_nEditContext = 0;
        ScriptedDialogs::Reset();
        dialog.m_strRecordIni = m_path.c_str();
    }
    ~MacroManagerTest() override { ScriptedDialogs::Reset(); }

    void WriteStore(const std::wstring& text) { WriteUtf16File(m_path, text); }
    Lines FileLines() const { return IniFileLines(m_path); }

    // Runs the window modally; `script` runs inside its modal loop once the
    // window is up, shown, on top and in the foreground. A window the script
    // leaves open is cancelled.
    INT_PTR RunModal(const std::function<void()>& script, bool windowComesUp = true)
    {
        ScriptRunner runner(*this, script);
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(runner.ran, windowComesUp) << "the window came up: the script ran";
        return result;
    }

    // Client point of the window to screen.
    POINT Screen(POINT client) const
    {
        ::ClientToScreen(dialog.m_hWnd, &client);
        return client;
    }
    static POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
    void Click(const RECT& area) { ClickAt(Screen(Centre(area))); }

    HWND NameList() const { return ::GetDlgItem(dialog.m_hWnd, IDC_MACRO_LIST); }
    HWND KeyList() const { return ::GetDlgItem(dialog.m_hWnd, IDC_KEY_LIST); }
    HWND LoopEdit() const { return ::GetDlgItem(dialog.m_hWnd, IDC_LOOP_EDIT); }
    Lines Names() const { return ListTexts(NameList()); }
    Lines Keys() const { return ListTexts(KeyList()); }
    std::wstring LoopText() const
    {
        wchar_t text[32] = {};
        ::GetWindowTextW(LoopEdit(), text, 32);
        return text;
    }

    // Clicks item `index` of a list (twice for a double-click) and lets the
    // window handle it.
    void ClickItem(HWND list, int index, int clicks = 1)
    {
        RECT item{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        POINT at = Centre(item);
        ::ClientToScreen(list, &at);
        ClickAt(at, false, clicks);
        PumpAWhile();
    }
    void RightClickItem(HWND list, int index)
    {
        RECT item{};
        ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        POINT at = Centre(item);
        ::ClientToScreen(list, &at);
        ClickAt(at, true);
    }
    // The in-place editor over a list item, or null.
    HWND Editor(HWND list) const { return ::GetDlgItem(list, 1); }

    TempFolder m_folder;
    std::wstring m_path = m_folder.file(L"record.ini");
    VirtualClock m_clock;
    ScopedClock m_useClock{m_clock};
    CMacroProgramDialog dialog;

private:
    // A window of the test that runs the script when its message comes
    // through the dialog's modal loop.
    class ScriptRunner : public CWnd {
    public:
        static constexpr UINT kRun = WM_APP + 40;

        ScriptRunner(MacroManagerTest& test, const std::function<void()>& script) : m_test(test), m_script(script)
        {
            CreateEx(0, nullptr, L"script", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr);
            PostMessage(kRun);
        }
        ~ScriptRunner() override { DestroyWindow(); }

        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message != kRun)
                return CWnd::WindowProc(message, wParam, lParam);
            ran = true;
            CMacroProgramDialog& dialog = m_test.dialog;
            if (!dialog.m_hWnd)
                return 0;  // the window ended while it was made
            ::SetWindowPos(dialog.m_hWnd, HWND_TOPMOST, kWindowAt.x, kWindowAt.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
            ::SetForegroundWindow(dialog.m_hWnd);
            dialog.UpdateWindow();
            Pump();
            m_script();
            // Dropped with the window when the script has closed it.
            if (dialog.m_hWnd)
                dialog.PostMessage(WM_COMMAND, IDCANCEL);
            return 0;
        }

        bool ran = false;

    private:
        MacroManagerTest& m_test;
        const std::function<void()>& m_script;
    };
};

}  // namespace macrotest
