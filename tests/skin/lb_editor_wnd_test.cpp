#include "skin/lb_editor_wnd.h"

#include "classlib/window_test_helpers.h"
#include "classlib/wnd.h"
#include "messages.h"
#include "skin/list_box_ex.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr UINT kListId = 151;

class EditorTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(owner, WS_POPUP));
        // Clicks are told apart by the window under the point on the shared
        // screen: the owner stays clear of other tests' windows, on top.
        owner.SetWindowPos(HWND_TOPMOST, 900, 700, 300, 200, SWP_SHOWWINDOW);
        // The editor ends when it loses the focus: the display's late focus
        // events from an earlier test's window must not take it away.
        ASSERT_TRUE(MakeActive(owner.m_hWnd));
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                CRect(40, 40, 200, 160), &owner, kListId));
        ASSERT_TRUE(font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"Arial"));
        list.SetFont(&font);
        for (const wchar_t* name : {L"Alpha", L"Beta", L"Gamma"})
            list.AddString(name);
        owner.SetFocus();
        TakeEndMessages();
    }
    void TearDown() override
    {
        PumpPending();
        g_nEditContext = 0;
    }

    // Starts an edit of item `index` in `context`; returns the edit window.
    HWND StartEdit(int index, std::uint8_t context, char numeric = 0)
    {
        g_nEditContext = context;
        auto* editor = new CLBEditorWnd(&list);
        if (!editor->Edit(index, numeric))
            return nullptr;
        return EditWindow();
    }
    HWND EditWindow() const { return ::GetDlgItem(list, 1); }

    void Type(const wchar_t* text) { ::SetWindowTextW(EditWindow(), text); }
    void Press(HWND edit, WPARAM key) { ::SendMessageW(edit, WM_KEYDOWN, key, 0); }

    std::vector<std::wstring> Items() const
    {
        std::vector<std::wstring> items;
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            items.push_back(text.str());
        }
        return items;
    }
    using Texts = std::vector<std::wstring>;

    // The WM_LEBEDIT_END messages waiting for the list box, as (wParam, lParam).
    std::vector<std::pair<WPARAM, LPARAM>> TakeEndMessages()
    {
        std::vector<std::pair<WPARAM, LPARAM>> ends;
        MSG msg;
        while (::PeekMessageW(&msg, list, WM_LEBEDIT_END, WM_LEBEDIT_END, PM_REMOVE))
            ends.emplace_back(msg.wParam, msg.lParam);
        return ends;
    }
    using Ends = std::vector<std::pair<WPARAM, LPARAM>>;

    CWnd owner;
    CListBoxEx list;
    CFont font;
};

TEST_F(EditorTest, EditWindowLiesOverTheItemWithTheItemsTextFontAndFocus)
{
    const HWND edit = StartEdit(1, kEditProfileName);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(g_strEditStartText.str(), L"Beta");

    CRect item;
    list.GetItemRect(1, &item);
    item.InflateRect(1, 1);
    CRect placed;
    ::GetWindowRect(edit, &placed);
    list.ScreenToClient(&placed);
    EXPECT_EQ(placed, item);

    wchar_t text[16] = {};
    ::GetWindowTextW(edit, text, 16);
    EXPECT_STREQ(text, L"Beta");
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(edit, WM_GETFONT, 0, 0)), static_cast<HFONT>(font));
    EXPECT_EQ(::GetFocus(), edit);
    EXPECT_EQ(::GetCapture(), edit);
    DWORD start = 9, end = 9;
    ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(::GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER, 0);
    EXPECT_EQ(::SendMessageW(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    Press(edit, VK_ESCAPE);
}

TEST_F(EditorTest, EnterCommitsOnceAndTellsTheListWhichItemEnded)
{
    list.SetItemData(1, 77);
    const HWND edit = StartEdit(1, kEditProfileName);
    ASSERT_NE(edit, nullptr);
    Type(L"Delta");
    Press(edit, VK_RETURN);

    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_EQ(Items(), (Texts{L"Alpha", L"Delta", L"Gamma"}));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(list.GetItemData(1), 0u);  // the data does not follow the new text
    EXPECT_EQ(::GetCapture(), nullptr);
    // The focus loss that the destruction causes does not end it again.
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 1}}));
}

TEST_F(EditorTest, TabCommitsAndEscapeKeepsTheText)
{
    HWND edit = StartEdit(2, kEditProfileName);
    Type(L"Omega");
    Press(edit, VK_TAB);
    EXPECT_EQ(Items()[2], L"Omega");
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 2}}));

    edit = StartEdit(0, kEditProfileName);
    Type(L"Changed my mind");
    Press(edit, VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_EQ(Items(), (Texts{L"Alpha", L"Beta", L"Omega"}));
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 0}}));
}

TEST_F(EditorTest, ClickOutsideCommitsAndClickInsideKeepsEditing)
{
    const HWND edit = StartEdit(1, kEditProfileName);
    Type(L"Clicked");

    ::SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(::IsWindow(edit));
    EXPECT_TRUE(TakeEndMessages().empty());

    // A point over the owner, left of the list: the click lands outside.
    ::SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-30), 2));
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_EQ(Items()[1], L"Clicked");
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 1}}));
}

TEST_F(EditorTest, LosingTheFocusCommits)
{
    const HWND edit = StartEdit(0, kEditProfileName);
    Type(L"Focus");
    owner.SetFocus();
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_EQ(Items()[0], L"Focus");
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 0}}));
}

TEST_F(EditorTest, ProfileNamesStayUniqueWithLetterCase)
{
    HWND edit = StartEdit(0, kEditProfileName);
    Type(L"Gamma");
    Press(edit, VK_RETURN);
    EXPECT_EQ(Items()[0], L"Alpha");
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 0}}));  // refused silently, still reported

    edit = StartEdit(0, kEditProfileName);
    Type(L"GAMMA");
    Press(edit, VK_RETURN);
    EXPECT_EQ(Items()[0], L"GAMMA");
}

TEST_F(EditorTest, MacroNamesTheStoreRefusesKeepTheOldName)
{
    for (const wchar_t* refused : {L"gamma", L"MacroName", L"", L"A=B"}) {
        const HWND edit = StartEdit(1, kEditMacroName);
        Type(refused);
        Press(edit, VK_RETURN);
        EXPECT_EQ(Items()[1], L"Beta") << refused;
    }
    const HWND edit = StartEdit(1, kEditMacroName);
    Type(L"Reload");
    Press(edit, VK_RETURN);
    EXPECT_EQ(Items()[1], L"Reload");
}

TEST_F(EditorTest, DelayIsDigitsOnlyCappedAndWrittenInMilliseconds)
{
    list.ResetContent();
    for (const wchar_t* line : {L"A   Dn", L"50 ms", L"A   Up"})
        list.AddString(line);
    HWND edit = StartEdit(1, kEditMacroDelay, 1);
    EXPECT_NE(::GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER, 0);
    Type(L"70000");
    Press(edit, VK_RETURN);
    EXPECT_EQ(Items()[1], L"65535 ms");

    edit = StartEdit(1, kEditMacroDelay, 1);
    Type(L"120");
    Press(edit, VK_TAB);
    EXPECT_EQ(Items()[1], L"120 ms");
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 1}, {1, 1}}));
}

TEST_F(EditorTest, IndexOutsideTheListStartsNothing)
{
    for (int index : {-1, 3, 100}) {
        g_nEditContext = kEditProfileName;
        auto* editor = new CLBEditorWnd(&list);
        EXPECT_FALSE(editor->Edit(index, 0)) << index;
    }
    EXPECT_EQ(EditWindow(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_TRUE(TakeEndMessages().empty());
}

// Notes every message that is taken from this thread's queue for `window`.
class TakenMessages {
public:
    explicit TakenMessages(HWND window)
    {
        s_window = window;
        s_taken.clear();
        m_hook = ::SetWindowsHookExW(WH_GETMESSAGE, &Hook, nullptr, ::GetCurrentThreadId());
    }
    ~TakenMessages() { ::UnhookWindowsHookEx(m_hook); }
    TakenMessages(const TakenMessages&) = delete;
    TakenMessages& operator=(const TakenMessages&) = delete;

    static const std::vector<UINT>& taken() { return s_taken; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && msg->hwnd == s_window)
            s_taken.push_back(msg->message);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline HWND s_window = nullptr;
    static inline std::vector<UINT> s_taken;
    HHOOK m_hook;
};

TEST_F(EditorTest, EndTakesOnlyQueuedInputAndLeavesAPendingPaintAlone)
{
    const HWND edit = StartEdit(1, kEditProfileName);
    Type(L"Painted");
    ::InvalidateRect(edit, nullptr, TRUE);  // a WM_PAINT stays pending until painted
    ::PostMessageW(edit, WM_CHAR, L'x', 0);
    ::PostMessageW(edit, WM_MOUSEMOVE, 0, 0);
    {
        // Removing everything would take the paint again and again, for as
        // long as the window needs painting: the end would never come.
        TakenMessages taken(edit);
        Press(edit, VK_RETURN);
        EXPECT_EQ(taken.taken(), (std::vector<UINT>{WM_CHAR, WM_MOUSEMOVE}));
    }
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_EQ(Items()[1], L"Painted");
    EXPECT_EQ(TakeEndMessages(), (Ends{{1, 1}}));
}

TEST_F(EditorTest, ListDestroyedDuringAnEditTakesTheEditorWithIt)
{
    const HWND edit = StartEdit(1, kEditProfileName);
    ASSERT_NE(edit, nullptr);
    list.DestroyWindow();
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
