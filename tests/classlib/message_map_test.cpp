#include "classlib/wnd.h"

#include "window_test_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kCustomMessage = WM_APP + 7;

// Mirrors the main window's pair of command entries: one id, then a range
// that also covers that id.
class CommandWindow : public CWnd {
public:
    std::vector<std::wstring> calls;

protected:
    void OnWebSite() { calls.push_back(L"site"); }
    void OnAssign(UINT id) { calls.push_back(L"assign " + std::to_wstring(id)); }
    void OnNameChange() { calls.push_back(L"name changed"); }
    LRESULT OnCustom(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam) * 10 + lParam; }

    DECLARE_MESSAGE_TABLE(CommandWindow, CWnd)
};

BEGIN_MESSAGE_TABLE(CommandWindow)
    MAP_COMMAND(1001, OnWebSite)
    MAP_COMMAND_RANGE(1001, 4000, OnAssign)
    MAP_EN_CHANGE(1500, OnNameChange)
    MAP_MESSAGE(kCustomMessage, OnCustom)
END_MESSAGE_TABLE()

// A derived table is searched before its base's.
class SpecialCommandWindow : public CommandWindow {
protected:
    void OnSpecial() { calls.push_back(L"special"); }

    DECLARE_MESSAGE_TABLE(SpecialCommandWindow, CommandWindow)
};

BEGIN_MESSAGE_TABLE(SpecialCommandWindow)
    MAP_COMMAND(2000, OnSpecial)
END_MESSAGE_TABLE()

LRESULT Command(CWnd& window, UINT id, UINT code = 0)
{
    return window.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), 0);
}

TEST(MessageTable, FirstMatchingCommandEntryWins)
{
    CommandWindow window;
    ASSERT_TRUE(CreateTopLevel(window));

    Command(window, 1001);
    Command(window, 1002);
    Command(window, 4000);
    Command(window, 4001);             // outside every entry
    Command(window, 1500, EN_CHANGE);  // a notification, not a command
    Command(window, 1500, 1);          // an accelerator command counts as a command

    const std::vector<std::wstring> expected{L"site", L"assign 1002", L"assign 4000", L"name changed", L"assign 1500"};
    EXPECT_EQ(window.calls, expected);
}

TEST(MessageTable, DerivedEntriesComeBeforeTheBaseTable)
{
    SpecialCommandWindow window;
    ASSERT_TRUE(CreateTopLevel(window));

    Command(window, 2000);
    Command(window, 2001);
    Command(window, 1001);

    const std::vector<std::wstring> expected{L"special", L"assign 2001", L"site"};
    EXPECT_EQ(window.calls, expected);
}

TEST(MessageTable, CustomMessageResultReachesTheSender)
{
    CommandWindow window;
    ASSERT_TRUE(CreateTopLevel(window));
    EXPECT_EQ(window.SendMessage(kCustomMessage, 4, 2), 42);
}

// Standard messages unpacked into the handlers' parameters.
class InputWindow : public CWnd {
public:
    CPoint pressedAt{99, 99};
    short wheelDelta = 0;
    CSize size;
    UINT_PTR timerId = 0;
    CWnd* lostFocusTo = reinterpret_cast<CWnd*>(1);
    std::wstring textSeenAfterDefault;

protected:
    void OnLButtonDown(UINT, CPoint point) { pressedAt = point; }
    BOOL OnMouseWheel(UINT, short delta, CPoint)
    {
        wheelDelta = delta;
        return TRUE;
    }
    void OnSize(UINT, int cx, int cy) { size = CSize(cx, cy); }
    void OnTimer(UINT_PTR id) { timerId = id; }
    void OnKillFocus(CWnd* newFocus) { lostFocusTo = newFocus; }
    LRESULT OnSetText(WPARAM, LPARAM)
    {
        const LRESULT result = Default();
        CString text;
        GetWindowText(text);
        textSeenAfterDefault = text.str();
        return result;
    }

    DECLARE_MESSAGE_TABLE(InputWindow, CWnd)
};

BEGIN_MESSAGE_TABLE(InputWindow)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_MOUSEWHEEL(OnMouseWheel)
    MAP_SIZE(OnSize)
    MAP_TIMER(OnTimer)
    MAP_KILLFOCUS(OnKillFocus)
    MAP_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_TABLE()

TEST(MessageTable, StandardMessagesReachHandlersUnpacked)
{
    InputWindow window;
    ASSERT_TRUE(CreateTopLevel(window, WS_POPUP));

    window.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7));
    EXPECT_EQ(window.pressedAt, CPoint(-5, 7));  // coordinates are signed

    window.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    EXPECT_EQ(window.wheelDelta, -240);

    window.MoveWindow(0, 0, 123, 45);
    EXPECT_EQ(window.size, CSize(123, 45));

    window.SendMessage(WM_TIMER, 17);
    EXPECT_EQ(window.timerId, 17u);

    window.SendMessage(WM_KILLFOCUS, 0);
    EXPECT_EQ(window.lostFocusTo, nullptr);

    // Default() inside a handler runs the window's own processing first.
    window.SetWindowText(L"caption");
    EXPECT_EQ(window.textSeenAfterDefault, L"caption");
}

class RefusingWindow : public CWnd {
protected:
    int OnCreate(LPCREATESTRUCTW) { return -1; }

    DECLARE_MESSAGE_TABLE(RefusingWindow, CWnd)
};

BEGIN_MESSAGE_TABLE(RefusingWindow)
    MAP_CREATE(OnCreate)
END_MESSAGE_TABLE()

TEST(MessageTable, CreateHandlerCanRefuseTheWindow)
{
    RefusingWindow window;
    EXPECT_FALSE(CreateTopLevel(window));
    EXPECT_EQ(window.m_hWnd, nullptr);
}

// Every WM_CTLCOLOR* reaches the one handler with the kind of control.
class ColourParent : public CWnd {
public:
    std::vector<std::pair<HWND, UINT>> asked;
    CBrush brush{RGB(200, 10, 10)};

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind)
    {
        EXPECT_NE(dc, nullptr);
        asked.emplace_back(control ? control->m_hWnd : nullptr, kind);
        return brush;
    }

    DECLARE_MESSAGE_TABLE(ColourParent, CWnd)
};

BEGIN_MESSAGE_TABLE(ColourParent)
    MAP_CTLCOLOR(OnCtlColor)
END_MESSAGE_TABLE()

TEST(MessageTable, ControlColoursArriveWithTheirKind)
{
    ColourParent parent;
    ASSERT_TRUE(CreateTopLevel(parent, WS_POPUP));
    struct Control {
        const wchar_t* className;
        DWORD style;
        UINT expectedKind;
        HWND window = nullptr;
    };
    Control controls[] = {
        {L"BUTTON", BS_PUSHBUTTON, CTLCOLOR_BTN},
        {L"STATIC", SS_LEFT, CTLCOLOR_STATIC},
        {L"EDIT", ES_LEFT, CTLCOLOR_EDIT},
        {L"LISTBOX", 0, CTLCOLOR_LISTBOX},
        {L"SCROLLBAR", SBS_HORZ, CTLCOLOR_SCROLLBAR},
    };
    int y = 0;
    for (Control& control : controls) {
        control.window = ::CreateWindowExW(0, control.className, L"x", WS_CHILD | WS_VISIBLE | control.style, 0, y, 100,
                                           20, parent, nullptr, nullptr, nullptr);
        ASSERT_NE(control.window, nullptr);
        y += 25;
    }
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    for (const Control& control : controls) {
        bool found = false;
        for (const auto& [window, kind] : parent.asked) {
            if (window == control.window) {
                EXPECT_EQ(kind, control.expectedKind) << control.className;
                found = true;
            }
        }
        EXPECT_TRUE(found) << control.className;
    }
}

// Counts the non-client paints its table is given.
class NcPaintWindow : public CWnd {
public:
    int nonClientPaints = 0;

protected:
    void OnNcPaint()
    {
        ++nonClientPaints;
        Default();
    }

    DECLARE_MESSAGE_TABLE(NcPaintWindow, CWnd)
};

BEGIN_MESSAGE_TABLE(NcPaintWindow)
    MAP_NCPAINT(OnNcPaint)
END_MESSAGE_TABLE()

// A frameless child skips the default non-client paint, which has nothing
// to draw for it; a framed one still gets its frame drawn, and a table
// entry for the message is still called.
TEST(MessageTable, NonClientPaintDrawsFramesAndReachesHandlers)
{
    CWnd parent;
    ASSERT_TRUE(CreateTopLevel(parent, WS_POPUP));
    CWnd framed;
    ASSERT_TRUE(framed.Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, {10, 10, 60, 40}, &parent, 1));
    NcPaintWindow handled;
    ASSERT_TRUE(handled.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, {100, 10, 150, 40}, &parent, 2));
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    parent.UpdateWindow();

    // Covers the frame, then has it painted again.
    HDC window = ::GetWindowDC(framed.m_hWnd);
    const RECT whole{0, 0, 50, 30};
    ::FillRect(window, &whole, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::ReleaseDC(framed.m_hWnd, window);
    constexpr UINT kFrameNow = RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW;
    framed.RedrawWindow(nullptr, nullptr, kFrameNow);
    window = ::GetWindowDC(framed.m_hWnd);
    EXPECT_EQ(::GetPixel(window, 0, 0), ::GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(::GetPixel(window, 25, 29), ::GetSysColor(COLOR_WINDOWFRAME));
    ::ReleaseDC(framed.m_hWnd, window);

    handled.nonClientPaints = 0;
    handled.RedrawWindow(nullptr, nullptr, kFrameNow);
    EXPECT_EQ(handled.nonClientPaints, 1);
}

}  // namespace
