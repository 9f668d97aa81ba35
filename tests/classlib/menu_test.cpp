#include "classlib/menu.h"
#include "classlib/win_app.h"

#include "test_resource_ids.h"
#include "window_test_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT kTopCommand = 100;
constexpr UINT kSubCommand = 200;

std::vector<std::wstring> g_log;

// An owner-drawn menu that logs which of its items it measures and draws.
class LoggingMenu : public CMenu {
public:
    explicit LoggingMenu(std::wstring name) : m_name(std::move(name)) {}

    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        g_log.push_back(m_name + L" measure " + Describe(item->itemID));
        item->itemWidth = 80;
        item->itemHeight = 20;
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        EXPECT_EQ(reinterpret_cast<HMENU>(item->hwndItem), m_hMenu);
        g_log.push_back(m_name + L" draw " + Describe(item->itemID));
    }

    static inline HMENU submenu = nullptr;

private:
    static std::wstring Describe(UINT id)
    {
        if (submenu && id == static_cast<UINT>(reinterpret_cast<UINT_PTR>(submenu)))
            return L"popup";
        return std::to_wstring(id);
    }

    std::wstring m_name;
};

class MenuOwner : public CWnd {
public:
    std::vector<UINT> commands;

protected:
    void OnMenuCommand(UINT id) { commands.push_back(id); }

    DECLARE_MESSAGE_TABLE(MenuOwner, CWnd)
};

BEGIN_MESSAGE_TABLE(MenuOwner)
    MAP_COMMAND_RANGE(1, 0xFFFF, OnMenuCommand)
END_MESSAGE_TABLE()

bool Logged(const std::wstring& line)
{
    return std::find(g_log.begin(), g_log.end(), line) != g_log.end();
}

TEST(OwnerDrawMenu, ItemsReachTheMenuThatHoldsThemAndTheCommandReachesTheOwner)
{
    MenuOwner owner;
    ASSERT_TRUE(CreateTopLevel(owner, WS_POPUP));
    owner.ShowWindow(SW_SHOWNOACTIVATE);

    LoggingMenu top(L"top");
    LoggingMenu sub(L"sub");
    ASSERT_TRUE(top.CreatePopupMenu());
    ASSERT_TRUE(sub.CreatePopupMenu());
    LoggingMenu::submenu = sub.m_hMenu;
    sub.AppendMenu(MF_OWNERDRAW, kSubCommand);
    top.AppendMenu(MF_OWNERDRAW, kTopCommand);
    top.AppendMenu(MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu));

    // The keys wait in the queue; the menu's own loop takes them: first item,
    // popup item, into the submenu, choose.
    g_log.clear();
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN})
        owner.PostMessage(WM_KEYDOWN, key, 0);
    top.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &owner);
    PumpPending();

    EXPECT_TRUE(Logged(L"top measure 100"));
    EXPECT_TRUE(Logged(L"top measure popup"));
    EXPECT_TRUE(Logged(L"sub measure 200"));
    EXPECT_TRUE(Logged(L"top draw 100"));
    EXPECT_TRUE(Logged(L"sub draw 200"));
    EXPECT_FALSE(Logged(L"top measure 200"));
    EXPECT_FALSE(Logged(L"sub measure 100"));
    const std::vector<UINT> expected{kSubCommand};
    EXPECT_EQ(owner.commands, expected);

    // The submenu goes with its parent; its own object lets go of it.
    sub.Detach();
}

TEST(ResourceMenu, LoadedMenuGivesItsPopupAndTakesNewTexts)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CONTEXT_MENU));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(CMenu::FromHandle(popup->m_hMenu), popup);
    EXPECT_EQ(menu.GetSubMenu(3), nullptr);

    ASSERT_TRUE(popup->ModifyMenu(ID_MENU_SECOND, MF_BYCOMMAND | MF_STRING, ID_MENU_SECOND, L"Edit"));
    wchar_t text[16] = {};
    ::GetMenuStringW(popup->m_hMenu, ID_MENU_SECOND, text, 16, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"Edit");

    const HMENU handle = menu.m_hMenu;
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(::IsMenu(handle));
    EXPECT_EQ(menu.m_hMenu, nullptr);
}

TEST(ResourceMenu, AttachedMenuIsDestroyedWithItsObjectUnlessDetached)
{
    HMENU kept = ::CreatePopupMenu();
    HMENU owned = ::CreatePopupMenu();
    {
        CMenu keeper;
        CMenu owner;
        ASSERT_TRUE(keeper.Attach(kept));
        ASSERT_TRUE(owner.Attach(owned));
        CMenu other;
        EXPECT_FALSE(other.Attach(kept));
        EXPECT_EQ(keeper.Detach(), kept);
    }
    EXPECT_TRUE(::IsMenu(kept));
    EXPECT_FALSE(::IsMenu(owned));
    ::DestroyMenu(kept);
}

}  // namespace
