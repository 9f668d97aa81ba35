#include "classlib/classlib.h"

#include "window_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT kButtonId = 10;
constexpr UINT kListId = 11;
constexpr UINT kEditId = 12;
constexpr UINT kStaticId = 13;
constexpr UINT kBarId = 14;

// The parent of the controls: logs what reaches its own table.
class ParentWindow : public CWnd {
public:
    std::vector<std::wstring> log;
    CBrush parentBrush{RGB(1, 2, 3)};
    CEdit* editToRewrite = nullptr;
    CScrollBar* scrolledBy = reinterpret_cast<CScrollBar*>(1);

    bool Logged(const std::wstring& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

protected:
    LRESULT OnDrawItem(WPARAM, LPARAM)
    {
        log.push_back(L"parent draw");
        return TRUE;
    }
    void OnSelChange() { log.push_back(L"selchange"); }
    void OnDblClk() { log.push_back(L"dblclk"); }
    void OnEditChange()
    {
        CString text;
        editToRewrite->GetWindowText(text);
        log.push_back(L"change " + text.str());
        if (text == L"a")
            editToRewrite->SetWindowText(L"b");  // the nested change arrives inside this call
        log.push_back(L"end " + text.str());
    }
    void OnEditKillFocus() { log.push_back(L"parent killfocus"); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
    {
        log.push_back(L"parent colour");
        return parentBrush;
    }
    void OnVScroll(UINT, UINT, CScrollBar* bar) { scrolledBy = bar; }

    DECLARE_MESSAGE_TABLE(ParentWindow, CWnd)
};

BEGIN_MESSAGE_TABLE(ParentWindow)
    MAP_MESSAGE(WM_DRAWITEM, OnDrawItem)
    MAP_LBN_SELCHANGE(kListId, OnSelChange)
    MAP_LBN_DBLCLK(kListId, OnDblClk)
    MAP_EN_CHANGE(kEditId, OnEditChange)
    MAP_CONTROL(EN_KILLFOCUS, kEditId, OnEditKillFocus)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_VSCROLL(OnVScroll)
END_MESSAGE_TABLE()

class ControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(parent, WS_POPUP));
        parent.ShowWindow(SW_SHOWNOACTIVATE);
    }

    ParentWindow parent;
};

class OwnerDrawButton : public CButton {
public:
    std::vector<CRect> drawn;
    void DrawItem(LPDRAWITEMSTRUCT item) override { drawn.emplace_back(item->rcItem); }
};

TEST_F(ControlsTest, OwnerDrawButtonDrawsItselfBeforeTheParentSeesIt)
{
    OwnerDrawButton button;
    ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 60, 20), &parent, kButtonId));
    button.UpdateWindow();
    ASSERT_FALSE(button.drawn.empty());
    EXPECT_EQ(button.drawn.back(), CRect(0, 0, 60, 20));
    EXPECT_FALSE(parent.Logged(L"parent draw"));
}

class OwnerDrawList : public CListBox {
public:
    int measured = 0;
    std::vector<UINT> drawnItems;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        ++measured;
        item->itemHeight = 17;
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override { drawnItems.push_back(item->itemID); }
};

TEST_F(ControlsTest, OwnerDrawListIsMeasuredAndDrawnByItsObject)
{
    OwnerDrawList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, CRect(0, 0, 100, 80), &parent,
                            kListId));
    EXPECT_EQ(list.measured, 1);
    list.AddString(L"first");
    list.AddString(L"second");
    CRect item;
    list.GetItemRect(1, &item);
    EXPECT_EQ(item.Height(), 17);  // the measured height took effect

    list.UpdateWindow();
    EXPECT_NE(std::find(list.drawnItems.begin(), list.drawnItems.end(), 0u), list.drawnItems.end());
    EXPECT_NE(std::find(list.drawnItems.begin(), list.drawnItems.end(), 1u), list.drawnItems.end());
    EXPECT_FALSE(parent.Logged(L"parent draw"));
}

TEST_F(ControlsTest, ListBoxClicksNotifyTheParentByControlId)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 80), &parent, kListId));
    list.AddString(L"zero");
    list.AddString(L"one");
    CRect item;
    list.GetItemRect(1, &item);
    const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);

    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    list.SendMessage(WM_LBUTTONUP, 0, at);
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    list.SendMessage(WM_LBUTTONUP, 0, at);

    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_TRUE(parent.Logged(L"selchange"));
    EXPECT_TRUE(parent.Logged(L"dblclk"));
}

TEST_F(ControlsTest, ListBoxTextOfAMissingItemIsEmpty)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 100, 80), &parent, kListId));
    list.AddString(L"Alpha");
    list.InsertString(0, L"beta");
    CString text = L"stale";
    list.GetText(5, text);
    EXPECT_TRUE(text.IsEmpty());
    list.GetText(1, text);
    EXPECT_EQ(text, L"Alpha");
    EXPECT_EQ(list.FindString(-1, L"alp"), 1);
}

TEST_F(ControlsTest, ProgramTextChangeNotifiesTheParentReentrantly)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), &parent, kEditId));
    parent.editToRewrite = &edit;
    edit.SetWindowText(L"a");
    const std::vector<std::wstring> expected{L"change a", L"change b", L"end b", L"end a"};
    EXPECT_EQ(parent.log, expected);
}

// An edit that wants to hear its own focus loss.
class SelfEndingEdit : public CEdit {
public:
    int ownKillFocus = 0;

protected:
    void OnKillFocusReflected() { ++ownKillFocus; }

    DECLARE_MESSAGE_TABLE(SelfEndingEdit, CEdit)
};

BEGIN_MESSAGE_TABLE(SelfEndingEdit)
    MAP_REFLECT(EN_KILLFOCUS, OnKillFocusReflected)
END_MESSAGE_TABLE()

TEST_F(ControlsTest, ReflectedNotificationStaysWithTheControl)
{
    SelfEndingEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, kEditId));
    // What the edit control sends its parent when it loses the focus.
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kEditId, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit.m_hWnd));
    EXPECT_EQ(edit.ownKillFocus, 1);
    EXPECT_TRUE(parent.log.empty());

    CEdit plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 100, 50), &parent, kEditId));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(kEditId, EN_KILLFOCUS), reinterpret_cast<LPARAM>(plain.m_hWnd));
    const std::vector<std::wstring> expected{L"parent killfocus"};
    EXPECT_EQ(parent.log, expected);
}

// A static that picks its own colours only when told to.
class SwatchStatic : public CStatic {
public:
    bool answer = false;
    CBrush ownBrush{RGB(9, 9, 9)};

protected:
    HBRUSH CtlColor(CDC*, UINT kind)
    {
        EXPECT_EQ(kind, static_cast<UINT>(CTLCOLOR_STATIC));
        return answer ? static_cast<HBRUSH>(ownBrush) : nullptr;
    }

    DECLARE_MESSAGE_TABLE(SwatchStatic, CStatic)
};

BEGIN_MESSAGE_TABLE(SwatchStatic)
    MAP_REFLECT_CTLCOLOR(CtlColor)
END_MESSAGE_TABLE()

TEST_F(ControlsTest, ControlAnswersItsColoursBeforeTheParent)
{
    SwatchStatic swatch;
    ASSERT_TRUE(swatch.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &parent, kStaticId));
    CClientDC dc(&swatch);
    const auto ask = [&] {
        return reinterpret_cast<HBRUSH>(parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
                                                           reinterpret_cast<LPARAM>(swatch.m_hWnd)));
    };

    swatch.answer = true;
    EXPECT_EQ(ask(), static_cast<HBRUSH>(swatch.ownBrush));
    EXPECT_TRUE(parent.log.empty());

    swatch.answer = false;
    EXPECT_EQ(ask(), static_cast<HBRUSH>(parent.parentBrush));
    EXPECT_EQ(parent.log.size(), 1u);
}

// A scroll bar that keeps its scroll information itself.
class OwnInfoBar : public CScrollBar {
public:
    int maxSeen = -1;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == SBM_SETSCROLLINFO) {
            maxSeen = reinterpret_cast<const SCROLLINFO*>(lParam)->nMax;
            return 1;
        }
        return CScrollBar::WindowProc(message, wParam, lParam);
    }
};

TEST_F(ControlsTest, ScrollBarSubclassAnswersBeforeTheControl)
{
    OwnInfoBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 16, 100), &parent, kBarId));
    SCROLLINFO info{};
    info.fMask = SIF_RANGE;
    info.nMax = 77;
    bar.SetScrollInfo(&info);
    EXPECT_EQ(bar.maxSeen, 77);
    SCROLLINFO kept{};
    bar.GetScrollInfo(&kept, SIF_RANGE);
    EXPECT_NE(kept.nMax, 77);  // the control itself never saw it

    parent.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar.m_hWnd));
    EXPECT_EQ(parent.scrolledBy, &bar);
    parent.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(parent.scrolledBy, nullptr);
}

}  // namespace
