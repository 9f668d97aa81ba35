// The button-assignment boxes on the real window: the menu a box opens (its
// items, ids, texts, submenu widths and place), the rule that keeps one
// Click button, what a choice writes and shows, the key capture and macro
// pick dialogs behind two of its items, and the macro manager, whose OK
// brings the encoded macros into the record and keeps every macro button
// on its macro.

#include "main_window_helpers.h"

#include "app/main_window_globals.h"
#include "macro/macro_dialog.h"
#include "macro/single_dialog.h"
#include "messages.h"
#include "resource.h"
#include "skin/menu_test_helpers.h"

#include <string>
#include <vector>

using namespace apptest;

namespace {

struct ItemSpec {
    UINT id;
    std::wstring text;
};

class AssignMenu : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetLanguage(L"EN");
    }

    // The items of a menu, in order: id (popup items: 0) and text.
    static std::vector<ItemSpec> Items(const CExMenu& menu)
    {
        std::vector<ItemSpec> items;
        for (int k = 0; k < ::GetMenuItemCount(menu.m_hMenu); ++k) {
            const HMENU sub = ::GetSubMenu(menu.m_hMenu, k);
            const UINT id = sub ? 0 : ::GetMenuItemID(menu.m_hMenu, k);
            const UINT key = sub ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub)) : id;
            items.push_back({id, std::wstring(menu.m_ItemList.GetItemText(key))});
        }
        return items;
    }

    static CExMenu* SubMenu(const CExMenu& menu, int position)
    {
        return dynamic_cast<CExMenu*>(CMenu::FromHandle(::GetSubMenu(menu.m_hMenu, position)));
    }

    // Opens the menu of box i, runs `whileOpen` on the shown menu, then the keys.
    void OpenMenu(int i, std::initializer_list<WPARAM> keys, const std::function<void(CExMenu&, HWND)>& whileOpen = {})
    {
        shown = false;
        menutest::MenuStepHook hook([&](int step) {
            if (step != 0 || !whileOpen)
                return;
            const std::vector<HWND> menus = menutest::MenuWindows();
            ASSERT_FALSE(menus.empty());
            CExMenu* menu = MenuOfWindow(menus[0]);
            ASSERT_NE(menu, nullptr);
            whileOpen(*menu, menus[0]);
        });
        // The menu takes Return as the character it gives.
        for (WPARAM key : keys)
            window->PostMessage(key == VK_RETURN ? WM_CHAR : WM_KEYDOWN, key == VK_RETURN ? L'\r' : key, 0);
        menutest::QueueKeys(*window, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
        PressButton(window->m_btnAssign[static_cast<size_t>(i)]);
        shown = hook.steps() > 0;
        PumpPending();
    }

    void WriteMacros() const
    {
        WriteUtf16File(
            folder.file(L"record.ini"),
            L"[MacroName]\r\nMacroCount=3\r\n0=a\r\n1=b\r\n2=c\r\n"
            L"[a]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=A   Up\r\n"
            L"[b]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=3\r\nItemCount=2\r\nItem0=B   Dn\r\nItem1=B   Up\r\n"
            L"[c]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=2\r\nItemCount=2\r\nItem0=C   Dn\r\nItem1=C   Up\r\n");
    }

    bool shown = false;
};

}  // namespace

// The menu beside its box: the items in order with their ids and texts, the
// four submenus with theirs and their widths, 120 wide, at the box's right
// edge + 5 and its top. Box 3 sits in the fifth row.
TEST_F(AssignMenu, ItemsIdsTextsWidthsAndPlace)
{
    ASSERT_TRUE(Open());
    PressButton(window->m_btnButtonAssign);
    OpenMenu(3, {}, [&](CExMenu& menu, HWND menuWindow) {
        const std::vector<ItemSpec> expected{
            {2001, L"Click"},
            {2002, L"Menu"},
            {2003, L"Scroll "},
            {2004, L"Forward"},
            {2005, L"Back"},
            {2006, L"Double-Click"},
            {2009, L"Fn"},
            {2010, L"Snipe"},
            {0, L"DPI Setting +"},
            {0, L"Multimedia Commands +"},
            {0, L"Basic Commands +"},
            {0, L"Additional Commands +"},
            {2011, L"Assign Keyboard Key"},
            {2012, L"Macro"},
            {2013, L"Deactivated"},
        };
        const std::vector<ItemSpec> items = Items(menu);
        ASSERT_EQ(items.size(), expected.size());
        for (size_t k = 0; k < items.size(); ++k) {
            EXPECT_EQ(items[k].id, expected[k].id) << k;
            EXPECT_EQ(items[k].text, expected[k].text) << k;
        }
        EXPECT_EQ(menu.m_nMenuWidth, 120);

        struct Sub {
            int position;
            UINT firstId;
            int count;
            int width;
            const wchar_t* first;
        };
        for (const Sub& sub : {Sub{8, 2020, 3, 50, L"DPI +"}, Sub{9, 2050, 8, 100, L"Open Media Player"},
                               Sub{10, 2060, 10, 100, L"New"}, Sub{11, 2030, 7, 120, L"My computer"}}) {
            SCOPED_TRACE(sub.position);
            CExMenu* popup = SubMenu(menu, sub.position);
            ASSERT_NE(popup, nullptr);
            EXPECT_EQ(popup->m_nMenuWidth, sub.width);
            const std::vector<ItemSpec> subItems = Items(*popup);
            ASSERT_EQ(subItems.size(), static_cast<size_t>(sub.count));
            for (int k = 0; k < sub.count; ++k)
                EXPECT_EQ(subItems[static_cast<size_t>(k)].id, sub.firstId + static_cast<UINT>(k));
            EXPECT_EQ(subItems[0].text, sub.first);
        }

        RECT box{};
        window->m_btnAssign[3].GetWindowRect(&box);
        RECT shownAt{};
        ::GetWindowRect(menuWindow, &shownAt);
        POINT origin{0, 0};
        window->ClientToScreen(&origin);
        EXPECT_EQ(box.top - origin.y, 234);
        EXPECT_EQ(shownAt.left, box.right + 5);
        EXPECT_EQ(shownAt.top, box.top);
        EXPECT_EQ(window->m_btnAssign[3].checked, 1) << "highlighted while open";
        EXPECT_EQ(g_nSelButton, 3);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(window->m_nMenuButton, 3);
    EXPECT_EQ(window->m_btnAssign[3].checked, 0) << "no highlight once closed";
    EXPECT_EQ(g_nSelButton, -1);
}

// The menu in German: the window's texts and the German catalogues.
TEST_F(AssignMenu, TextsOfTheLanguage)
{
    SetLanguage(L"DE");
    ASSERT_TRUE(Open());
    OpenMenu(1, {}, [&](CExMenu& menu, HWND) {
        const std::vector<ItemSpec> items = Items(menu);
        ASSERT_EQ(items.size(), 15u);
        EXPECT_EQ(items[0].text, L"Klick");
        EXPECT_EQ(items[6].text, L"Fn");
        EXPECT_EQ(items[14].text, L"Deaktiviert");
        EXPECT_EQ(Items(*SubMenu(menu, 9))[0].text, L"Mediaplayer öffnen");
    });
    EXPECT_TRUE(shown);
}

// The factory buttons have one Click button: its box warns instead of
// opening; once another button is Click, it opens.
TEST_F(AssignMenu, TheLastClickButtonKeepsItsFunction)
{
    ASSERT_TRUE(Open());
    ASSERT_EQ(g_Settings.ButtonFunction[0], 0);
    ScriptedDialogs::AnswerMessageBox(IDOK);
    OpenMenu(0, {});
    EXPECT_FALSE(shown);
    const auto calls = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, L"At least one button must be set as the \"click\" function.");
    EXPECT_EQ(calls[0].caption, L"ATTENTION!!");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(window->m_nMenuButton, -1);
    EXPECT_EQ(window->m_btnAssign[0].checked, 0);
    EXPECT_EQ(g_nSelButton, -1);

    // Box 1 made Click with the keys: the first item.
    OpenMenu(1, {VK_DOWN, VK_RETURN});
    ASSERT_EQ(g_Settings.ButtonFunction[1], 0);
    OpenMenu(0, {});
    EXPECT_TRUE(shown);
    EXPECT_EQ(window->m_nMenuButton, 0);
}

// A choice made with the keys: the type, the caption on the box and in
// the captions that str%d.ini gets.
TEST_F(AssignMenu, ChoosingAnItemSetsTypeAndCaption)
{
    ASSERT_TRUE(Open());
    PressButton(window->m_btnButtonAssign);
    OpenMenu(4, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(g_Settings.ButtonFunction[4], 4);
    EXPECT_EQ(Caption(4), L"Back");
    EXPECT_EQ(window->m_strItem[4], L"Back");
    EXPECT_EQ(Caption(3), L"Fn") << "the other boxes keep theirs";
}

// Every plain item through the window's command handler, in Chinese.
TEST_F(AssignMenu, EveryChoiceThroughTheWindow)
{
    SetLanguage(L"CHS");
    ASSERT_TRUE(Open());
    struct Expected {
        UINT id;
        uint8_t type;
        const wchar_t* caption;
    };
    for (const Expected& e : {Expected{2002, 1, nullptr}, Expected{2009, 17, L"Fn"}, Expected{2013, 13, L"按键关闭"},
                              Expected{2021, 6, nullptr}, Expected{2034, 9, L"最小化"}, Expected{2052, 7, L"上一首"},
                              Expected{2061, 8, L"剪切"}}) {
        SCOPED_TRACE(e.id);
        Choose(5, e.id);
        EXPECT_EQ(g_Settings.ButtonFunction[5], e.type);
        const CString expected = e.caption      ? CString(e.caption)
                                 : e.id == 2002 ? g_TextTable.Get(499)
                                                : g_strDpiActions[1];
        EXPECT_FALSE(expected.IsEmpty());
        EXPECT_EQ(Caption(5), expected);
        EXPECT_EQ(window->m_strItem[5], expected);
    }
    // The help menu's version item changes no button.
    const SettingsRecord before = g_Settings;
    Choose(5, ID_HELP_VERSION);
    EXPECT_TRUE(SameRecord(g_Settings, before));
}

// Commands of the range that come while no menu has been shown (or for a
// button index out of range) change nothing.
TEST_F(AssignMenu, CommandsWithoutAMenuButtonAreIgnored)
{
    ASSERT_TRUE(Open());
    const SettingsRecord before = g_Settings;
    const std::array<CString, kCaptionCount> captions = window->m_strItem;
    ASSERT_EQ(window->m_nMenuButton, -1);
    for (int button : {-1, 7, 1000}) {
        Choose(button, 2005);
        Choose(button, 2050);
    }
    EXPECT_TRUE(SameRecord(g_Settings, before));
    EXPECT_EQ(window->m_strItem, captions);
}

// The single-key item runs the key capture dialog, preset with the key the
// button has: OK stores the captured key, Cancel nothing.
TEST_F(AssignMenu, SingleKeyItemRunsTheKeyCaptureDialog)
{
    ASSERT_TRUE(Open());
    g_Settings.SingleKey[2] = 0x04;  // A
    CString preset;
    bool ok = true;
    DialogWatch watch([&](CWnd& dialog) {
        auto* keys = dynamic_cast<CSingleDialog*>(&dialog);
        ASSERT_NE(keys, nullptr);
        preset = keys->m_strKeyName;
        g_strCapturedKey = L"F5";
        keys->PostMessage(WM_KEY_CAPTURED);
        keys->PostMessage(WM_COMMAND, ok ? IDOK : IDCANCEL);
    });
    Choose(2, 2011);
    EXPECT_EQ(watch.opened, 1);
    EXPECT_EQ(preset, L"A");
    EXPECT_EQ(g_Settings.ButtonFunction[2], 10);
    EXPECT_EQ(g_Settings.SingleKey[2], 0x3E);
    EXPECT_EQ(Caption(2), L"Assign Keyboard Key-F5");
    EXPECT_EQ(window->m_strItem[2], L"Assign Keyboard Key-F5");

    ok = false;
    g_Settings.SingleKey[1] = 0;
    Choose(1, 2011);
    EXPECT_EQ(preset, L"") << "no key yet, no preset";
    EXPECT_EQ(g_Settings.ButtonFunction[1], 1);
    EXPECT_EQ(g_Settings.SingleKey[1], 0);
    EXPECT_EQ(Caption(1), L"Menu");
}

// The macro item runs the macro pick dialog over the profile's record.ini:
// OK with a macro chosen stores it with its repeat mode; OK without one
// changes nothing.
TEST_F(AssignMenu, MacroItemRunsTheMacroPickDialog)
{
    WriteMacros();
    ASSERT_TRUE(Open());
    bool pick = true;
    DialogWatch watch([&](CWnd& dialog) {
        auto* macros = dynamic_cast<CMacroDialog*>(&dialog);
        ASSERT_NE(macros, nullptr);
        EXPECT_EQ(std::wstring(macros->m_strRecordIni), folder.file(L"record.ini"));
        if (pick) {
            macros->ToggleMacroList();
            CWnd* list = macros->GetDlgItem(IDC_MACRO_PICK_LIST);
            ASSERT_NE(list, nullptr);
            list->SendMessage(LB_SETCURSEL, 1);
            macros->OnSelchangeMacroList();
            macros->m_nRepeatMode = 2;
        }
        macros->PostMessage(WM_COMMAND, IDOK);
    });
    Choose(6, 2012);
    EXPECT_EQ(g_Settings.ButtonFunction[6], 11);
    EXPECT_EQ(g_Settings.MacroIndex[6], 1);
    EXPECT_EQ(g_Settings.MacroRepeatMode[6], 2);
    EXPECT_EQ(Caption(6), L"Macro:b");

    pick = false;
    Choose(5, 2012);
    EXPECT_EQ(watch.opened, 2);
    EXPECT_EQ(g_Settings.ButtonFunction[5], 6);
    EXPECT_EQ(Caption(5), L"DPI +");
}

// The macro manager from its side item: OK copies each encoded macro into
// its slot, 128 bytes with a zero tail (not two bytes of the next record),
// and the macro buttons keep their macros: the one whose macro was deleted
// is Deactivated, the one whose macro moved up follows it, with the
// macro's new name. Cancel changes nothing.
TEST_F(AssignMenu, MacroManagerOkBringsTheMacrosAndKeepsButtonsOnTheirMacros)
{
    WriteMacros();
    ASSERT_TRUE(Open());
    for (auto& slot : g_Settings.MacroSlot)
        slot[128] = slot[129] = 0xEE;
    g_Settings.ButtonFunction[5] = 11;
    g_Settings.MacroIndex[5] = 1;  // b
    g_Settings.ButtonFunction[6] = 11;
    g_Settings.MacroIndex[6] = 2;  // c
    g_Settings.ButtonFunction[4] = 11;
    g_Settings.MacroIndex[4] = 0;  // a

    bool ok = false;
    DialogWatch watch([&](CWnd& dialog) {
        auto* manager = dynamic_cast<CMacroProgramDialog*>(&dialog);
        ASSERT_NE(manager, nullptr);
        EXPECT_EQ(std::wstring(manager->m_strRecordIni), folder.file(L"record.ini"));
        if (ok) {
            CMacroStore& store = manager->m_store;
            store.SetCurSel(1);
            store.OnMacroNameListSelchange();
            store.DeleteMacro();  // b; c moves up
            store.SetCurSel(1);
            store.OnMacroNameListSelchange();
            store.OnDblclkMacroNameList();
            ASSERT_TRUE(store.SetMacroName(1, L"cc"));
            store.OnRenameDone();
        }
        manager->PostMessage(WM_COMMAND, ok ? IDOK : IDCANCEL);
    });

    const SettingsRecord before = g_Settings;
    PressButton(window->m_btnMacroManager);
    EXPECT_EQ(watch.opened, 1);
    EXPECT_TRUE(SameRecord(g_Settings, before)) << "Cancel";

    ok = true;
    PressButton(window->m_btnMacroManager);
    EXPECT_EQ(watch.opened, 2);
    const auto& records = window->m_dlgMacroManager.m_MacroRecords;
    for (size_t k = 0; k < records.size(); ++k) {
        EXPECT_EQ(std::memcmp(g_Settings.MacroSlot[k].data(), &records[k], 128), 0) << k;
        EXPECT_EQ(g_Settings.MacroSlot[k][128], 0) << k;
        EXPECT_EQ(g_Settings.MacroSlot[k][129], 0) << k;
    }
    EXPECT_EQ(records[1].LoopCount[1], 2) << "c, now second";

    EXPECT_EQ(g_Settings.ButtonFunction[4], 11);
    EXPECT_EQ(g_Settings.MacroIndex[4], 0);
    EXPECT_EQ(Caption(4), L"Macro:a");
    EXPECT_EQ(g_Settings.ButtonFunction[5], 13) << "its macro is gone";
    EXPECT_EQ(Caption(5), L"Deactivated");
    EXPECT_EQ(window->m_strItem[5], L"Deactivated");
    EXPECT_EQ(g_Settings.ButtonFunction[6], 11);
    EXPECT_EQ(g_Settings.MacroIndex[6], 1) << "follows its macro";
    EXPECT_EQ(Caption(6), L"Macro:cc");
    EXPECT_EQ(CommandCodes().size(), 3u) << "nothing is sent before Save";
}
