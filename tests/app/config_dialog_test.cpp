#include "app/config_dialog.h"

#include "classlib/debug_output.h"
#include "classlib/image.h"
#include "classlib/message_pump.h"
#include "classlib/scripted_dialogs.h"
#include "classlib/win_app.h"
#include "messages.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/lb_editor_wnd.h"
#include "storage/ini_file.h"
#include "storage/profile_folder.h"
#include "storage/profile_list.h"
#include "text/program_language.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// The application object: AfxGetMainWnd is the stand-in main window.
CWinApp g_testApp;

using Command = std::pair<WPARAM, LPARAM>;
using Commands = std::vector<Command>;
using Texts = std::vector<std::wstring>;

// The main window as the list sees it: a top-level window at a fixed place
// that keeps the profile commands it receives and, like the real one,
// swallows Enter, Space, Esc and F1 for everything in it.
class StandInMainWindow : public CWnd {
public:
    static constexpr int kLeft = 120;
    static constexpr int kTop = 80;

    StandInMainWindow()
    {
        CreateEx(WS_EX_TOPMOST, nullptr, L"main", WS_POPUP | WS_VISIBLE, kLeft, kTop, 700, 700, nullptr, nullptr);
        MakeActive(m_hWnd);
    }
    ~StandInMainWindow() override { DestroyWindow(); }

    BOOL PreTranslateMessage(MSG* msg) override { return IsSwallowedDialogKey(*msg); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROFILE_COMMAND) {
            commands.emplace_back(wParam, lParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

    Commands commands;
};

// Real input, through the system's input queue.
void SendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

void SendKey(WORD key, bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof input);
}

void SendCharacter(wchar_t character)
{
    INPUT input[2]{};
    for (INPUT& one : input) {
        one.type = INPUT_KEYBOARD;
        one.ki.wScan = character;
        one.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof input[0]);
}

// While it lives, a popup menu that is about to show has its item texts
// read and the given keys typed for it to act on.
class MenuDriver {
public:
    explicit MenuDriver(std::vector<WORD> keys)
    {
        s_keys = std::move(keys);
        s_texts.clear();
        m_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
    }
    ~MenuDriver() { ::UnhookWindowsHookEx(m_hook); }
    MenuDriver(const MenuDriver&) = delete;
    MenuDriver& operator=(const MenuDriver&) = delete;

    static const Texts& texts() { return s_texts; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_INITMENUPOPUP) {
            const auto menu = reinterpret_cast<HMENU>(call->wParam);
            for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
                wchar_t text[64] = {};
                ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
                s_texts.emplace_back(text);
            }
            // Typed for real, so that the menu loop sees them as it sees
            // the keyboard (Enter, say, acts through its character).
            for (WORD key : s_keys) {
                SendKey(key, true);
                SendKey(key, false);
            }
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::vector<WORD> s_keys;
    static inline Texts s_texts;
    HHOOK m_hook;
};

class ConfigDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ScriptedDialogs::Reset();
        m_previousSink = SetDebugSink([this](const std::wstring& text) { debug.push_back(text); });
        ProgramLanguage() = L"EN";
        SetAppDir((std::wstring(RV417_BIN_DIR_W) + L"\\").c_str());
        g_testApp.m_pMainWnd = &main;
        g_nEditContext = 0;
        Run();
    }
    void TearDown() override
    {
        dialog.reset();
        Run();
        g_testApp.m_pMainWnd = nullptr;
        SetDebugSink(m_previousSink);
        ScriptedDialogs::Reset();
    }

    // str.ini with the list and factory captions; for every slot i a profile
    // file whose record is marked i and captions "P<i>-1" ...
    void WriteProfiles(const Texts& names, const std::wstring& current, const std::wstring& count = L"")
    {
        std::wstring list = L"[Profile]\r\nCurProfileName=" + current + L"\r\nItemCount=" +
                            (count.empty() ? std::to_wstring(names.size()) : count) + L"\r\n";
        for (size_t i = 0; i < names.size(); ++i)
            list += L"Item" + std::to_wstring(i) + L"=" + names[i] + L"\r\n";
        WriteUtf16File(StrIni(), ProfileFolder::CaptionSection(L"F-") + list);
        for (int slot = 0; slot < kProfileCount; ++slot) {
            SettingsRecord record{};
            record.PointerSpeed = static_cast<uint8_t>(0x10 + slot);
            data.WriteProfile(data.Path(L"config" + std::to_wstring(slot) + L".bin"), record);
            data.WriteCaptions(data.Path(L"str" + std::to_wstring(slot) + L".ini"),
                               L"P" + std::to_wstring(slot) + L"-");
        }
    }

    // Starts the program's way: the current profile is loaded, then the list opens.
    void Open()
    {
        data.store.LoadCurrentProfile();
        OpenWithoutLoading();
    }
    void OpenWithoutLoading()
    {
        dialog = std::make_unique<CConfigDialog>(data.store);
        ASSERT_TRUE(dialog->Create(IDD_PROFILE_LIST, &main));
        dialog->ShowWindow(SW_SHOW);
        dialog->UpdateWindow();
        Run();
    }

    // Works off the queue as the program's loop does, pre-translation included.
    static void Run()
    {
        for (int pass = 0; pass < 3; ++pass) {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (!msgpump::PreTranslate(msg)) {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageW(&msg);
                }
            }
        }
    }

    std::wstring StrIni() const { return data.Path(L"str.ini"); }
    ProfileList Saved() const { return ReadProfileList(StrIni().c_str()); }
    Texts SavedNames() const
    {
        Texts names;
        for (const CString& item : Saved().items)
            names.push_back(item.str());
        return names;
    }

    HWND List() const { return ::GetDlgItem(*dialog, IDC_PROFILE_LIST); }
    HWND Editor() const { return ::GetDlgItem(List(), static_cast<int>(CLBEditorWnd::kEditId)); }
    int Selection() const { return static_cast<int>(::SendMessageW(List(), LB_GETCURSEL, 0, 0)); }
    Texts Items() const
    {
        Texts items;
        const int count = static_cast<int>(::SendMessageW(List(), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            ::SendMessageW(List(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            items.emplace_back(text);
        }
        return items;
    }

    POINT OnDialog(int x, int y) const
    {
        POINT point{x, y};
        ::ClientToScreen(*dialog, &point);
        return point;
    }
    POINT OnItem(int index) const
    {
        RECT item{};
        ::SendMessageW(List(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        POINT point{item.left + 20, (item.top + item.bottom) / 2};
        ::ClientToScreen(List(), &point);
        return point;
    }

    static void Click(POINT point)
    {
        ::SetCursorPos(point.x, point.y);
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
        Run();
    }
    static void DoubleClick(POINT point)
    {
        ::SetCursorPos(point.x, point.y);
        for (int i = 0; i < 2; ++i) {
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            SendMouse(MOUSEEVENTF_LEFTUP);
        }
        Run();
    }
    static void RightClick(POINT point)
    {
        ::SetCursorPos(point.x, point.y);
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
        Run();
    }
    static void Press(WORD key)
    {
        SendKey(key, true);
        SendKey(key, false);
        Run();
    }
    static void Type(const wchar_t* text)
    {
        for (; *text; ++text)
            SendCharacter(*text);
        Run();
    }

    // Two clicks at one place in quick succession make a double click, which
    // the areas do not take as a click: clicks alternate between the two
    // ends of an area.
    void ClickArea(const RECT& area)
    {
        m_clickLeftEnd = !m_clickLeftEnd;
        Click(OnDialog(m_clickLeftEnd ? area.left + 2 : area.right - 3, (area.top + area.bottom) / 2));
    }
    void ClickClose() { ClickArea(CConfigDialog::kCloseArea); }
    void ClickNew() { ClickArea(CConfigDialog::kNewArea); }
    void ClickDelete() { ClickArea(CConfigDialog::kDeleteArea); }
    void Menu(UINT id)
    {
        dialog->SendMessage(WM_COMMAND, id, 0);
        Run();
    }

    // The mark of the record and captions profile `index` loads: every name
    // has to keep the files it was written with.
    int MarkOfProfile(int index)
    {
        g_Settings = SettingsRecord{};
        data.store.LoadProfile(index);
        const int mark = g_Settings.PointerSpeed - 0x10;
        data.store.ReadStrIni();
        EXPECT_EQ(data.store.m_strItem[0], (L"P" + std::to_wstring(mark) + L"-1").c_str())
            << "profile " << index << ": the captions belong to the same profile as the record";
        return mark;
    }

    // config.bin, from which a new profile takes what the defaults do not set.
    void WriteFactoryProfile()
    {
        SettingsRecord factory{};
        factory.LiftOffDistance = kFactoryLiftOff;
        data.WriteProfile(data.Path(L"config.bin"), factory);
    }
    static constexpr uint8_t kFactoryLiftOff = 0x2F;

    // Whether profile `index` loads as a new profile: the factory record with
    // the defaults, and str.ini's factory captions ("F-1" ...).
    bool HoldsTheFactoryProfile(int index)
    {
        g_Settings = SettingsRecord{};
        data.store.LoadProfile(index);
        data.store.ReadStrIni();
        return g_Settings.LiftOffDistance == kFactoryLiftOff && g_Settings.PointerSpeed == 6 &&
               g_Settings.SensitivityX == 5 && data.store.m_strItem[0] == L"F-1" && data.store.m_strItem[6] == L"F-7";
    }

    bool Logged(const std::wstring& text) const
    {
        for (const auto& line : debug)
            if (line == text)
                return true;
        return false;
    }

    StandInMainWindow main;
    ProfileFolder data;
    std::unique_ptr<CConfigDialog> dialog;
    std::vector<std::wstring> debug;
    DebugSink m_previousSink;
    bool m_clickLeftEnd = false;
};

TEST_F(ConfigDialogTest, OpensOnTheProfileNamedExactlyAndLeavesTheCurrentProfileAlone)
{
    // "Game" starts the names after it: a search by prefix from the second
    // item would land on "Game 2" and make profile 1 current.
    WriteProfiles({L"Game", L"Game 2", L"Game 22"}, L"Game");
    Open();
    EXPECT_EQ(g_nCurProfile, 0);
    EXPECT_EQ(Items(), (Texts{L"Game", L"Game 2", L"Game 22"}));
    EXPECT_EQ(dialog->GetSelectedProfile(), 0);
    EXPECT_EQ(g_nCurProfile, 0);
    ClickClose();
    EXPECT_EQ(main.commands, (Commands{{2, 0}}));
    EXPECT_EQ(Saved().current, L"Game");
    EXPECT_EQ(g_nCurProfile, 0);
    EXPECT_EQ(dialog->GetProfileHeldAtClose(), 0);

    // Letter case counts, and a name that names no item selects nothing; the
    // profile in use stays, and closing without a pick stays on it.
    for (const wchar_t* current : {L"game", L"Nobody"}) {
        dialog.reset();
        main.commands.clear();
        WriteProfiles({L"Game", L"Game 2", L"Game 22"}, current);
        g_nCurProfile = 2;
        OpenWithoutLoading();
        EXPECT_EQ(dialog->GetSelectedProfile(), -1) << current;
        EXPECT_EQ(g_nCurProfile, 2) << current;
        ClickClose();
        EXPECT_EQ(main.commands, (Commands{{2, 2}})) << current;
        EXPECT_EQ(Saved().current, L"Game 22") << current;
        EXPECT_EQ(g_nCurProfile, 2) << current;
        EXPECT_EQ(dialog->GetProfileHeldAtClose(), 2) << current;
    }
}

TEST_F(ConfigDialogTest, AnInvalidListShowsNothingAndClosingItWipesNothing)
{
    for (const wchar_t* count : {L"0", L"7", L"2147483647", L"-1", L"none"}) {
        WriteProfiles({L"A", L"B"}, L"A", count);
        const std::wstring before = ReadUtf16File(StrIni());
        g_nCurProfile = 1;
        OpenWithoutLoading();
        EXPECT_TRUE(Items().empty()) << count;
        EXPECT_EQ(dialog->GetSelectedProfile(), -1);

        ClickDelete();
        Menu(ID_PROFILE_DELETE);
        Menu(ID_PROFILE_COPY);
        Menu(ID_PROFILE_EDIT);
        Menu(ID_PROFILE_LOAD);
        ClickClose();
        EXPECT_EQ(main.commands, (Commands{{2, -1}})) << count;
        EXPECT_EQ(ReadUtf16File(StrIni()), before) << count << ": the section is kept as it was";
        EXPECT_EQ(g_nCurProfile, 1);
        EXPECT_EQ(dialog->GetProfileHeldAtClose(), -1);
        EXPECT_EQ(Editor(), nullptr);
        main.commands.clear();
        dialog.reset();
    }

    // Without the key, the same; and a name added to such a list is saved.
    WriteUtf16File(StrIni(), L"[Profile]\r\nCurProfileName=A\r\nItem0=A\r\n");
    OpenWithoutLoading();
    EXPECT_TRUE(Items().empty());
    ClickNew();
    ClickClose();
    EXPECT_EQ(SavedNames(), (Texts{L"Profile 1"}));
    EXPECT_EQ(main.commands, (Commands{{2, 0}}));
}

TEST_F(ConfigDialogTest, WithoutStrIniNamesLiveOnlyInTheWindow)
{
    WriteProfiles({L"A"}, L"A");
    DeleteFileW(StrIni().c_str());
    Open();
    EXPECT_TRUE(Items().empty());
    ClickNew();
    ClickNew();
    EXPECT_EQ(Items(), (Texts{L"Profile 1", L"Profile 2"}));
    ClickDelete();
    EXPECT_EQ(Items(), (Texts{L"Profile 1"}));
    EXPECT_EQ(MarkOfProfile(1), 1) << "no files move for names that were never written";
    ClickClose();
    EXPECT_EQ(GetFileAttributesW(StrIni().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(main.commands, (Commands{{2, 0}}));
}

TEST_F(ConfigDialogTest, NewAddsNumberedNamesUpToSix)
{
    WriteProfiles({L"Profile 1", L"Profile 2", L"Profile 3", L"Profile 4", L"Profile 5"}, L"Profile 2");
    Open();
    ClickNew();
    EXPECT_EQ(Items().back(), L"Profile 6");
    EXPECT_EQ(Selection(), 5);
    EXPECT_EQ(Saved().items.size(), 5u) << "nothing is written before the list closes";

    ScriptedDialogs::AnswerMessageBox(IDOK);
    ClickNew();
    EXPECT_EQ(Items().size(), 6u);
    const auto boxes = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Up to 6 Profiles Possible.");
    EXPECT_EQ(boxes[0].caption, L"ATTENTION!");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));

    ClickClose();
    EXPECT_EQ(SavedNames(),
              (Texts{L"Profile 1", L"Profile 2", L"Profile 3", L"Profile 4", L"Profile 5", L"Profile 6"}));
    EXPECT_EQ(Saved().current, L"Profile 6");
    EXPECT_EQ(g_nCurProfile, 5);
    EXPECT_EQ(dialog->GetProfileHeldAtClose(), 1);
    EXPECT_EQ(main.commands, (Commands{{2, 5}}));
    EXPECT_FALSE(dialog->IsWindowVisible());
}

TEST_F(ConfigDialogTest, CopyAddsACopyOfTheSelectedNameAndKeepsTheSelection)
{
    WriteProfiles({L"A", L"B", L"C", L"D", L"E"}, L"B");
    Open();
    Menu(ID_PROFILE_COPY);
    EXPECT_EQ(Items(), (Texts{L"A", L"B", L"C", L"D", L"E", L"Copy B"}));
    EXPECT_EQ(Selection(), 1);
    Menu(ID_PROFILE_COPY);
    EXPECT_EQ(Items().size(), 6u) << "six is the most";
    ClickClose();
    EXPECT_EQ(SavedNames(), (Texts{L"A", L"B", L"C", L"D", L"E", L"Copy B"}));
    EXPECT_EQ(main.commands, (Commands{{2, 1}}));
}

TEST_F(ConfigDialogTest, RenameTakesEnterEscAndSpaceFromTheKeyboard)
{
    WriteProfiles({L"Profile 1", L"Profile 2", L"Profile 3"}, L"Profile 2");
    Open();

    // The first click picks the item, the double click starts the rename.
    DoubleClick(OnItem(0));
    ASSERT_NE(Editor(), nullptr);
    Type(L"Fast");
    Press(VK_SPACE);
    Type(L"Mode");
    Press(VK_RETURN);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Items(), (Texts{L"Fast Mode", L"Profile 2", L"Profile 3"}));
    EXPECT_TRUE(dialog->IsWindowVisible()) << "Enter ended the rename, not the window";

    // A click on the picked item renames it again; Esc keeps the name.
    Click(OnItem(0));
    ASSERT_NE(Editor(), nullptr);
    Type(L"Other");
    Press(VK_ESCAPE);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Items()[0], L"Fast Mode");

    // A name another item has is refused.
    Click(OnItem(0));
    Type(L"Profile 3");
    Press(VK_RETURN);
    EXPECT_EQ(Items()[0], L"Fast Mode");

    // Outside the editor the keys do nothing at all.
    Click(OnItem(2));
    ASSERT_EQ(Editor(), nullptr);
    for (WORD key : {VK_RETURN, VK_ESCAPE, VK_SPACE, VK_F1})
        Press(key);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(dialog->IsWindowVisible());
    EXPECT_TRUE(main.commands.empty());
    EXPECT_EQ(Saved().items[0], L"Profile 1") << "the new name waits for the close";

    Click(OnItem(1));
    ClickClose();
    EXPECT_EQ(SavedNames(), (Texts{L"Fast Mode", L"Profile 2", L"Profile 3"}));
    EXPECT_EQ(Saved().current, L"Profile 2");
    EXPECT_EQ(main.commands, (Commands{{2, 1}}));
    EXPECT_EQ(MarkOfProfile(0), 0) << "a renamed profile keeps its files";
}

TEST_F(ConfigDialogTest, EditFromTheMenuRenamesOnTheSecondAsk)
{
    WriteProfiles({L"A", L"B"}, L"A");
    Open();
    Click(OnItem(1));
    EXPECT_EQ(Editor(), nullptr);
    Menu(ID_PROFILE_EDIT);
    ASSERT_NE(Editor(), nullptr);
    Type(L"Renamed");
    Press(VK_RETURN);
    EXPECT_EQ(Items(), (Texts{L"A", L"Renamed"}));
}

struct DeleteCase {
    int deleted;
    Texts remaining;
    std::vector<int> marks;  // the files each remaining name loads
    int currentAfter;        // g_nCurProfile: the slot whose files hold C's settings
    const wchar_t* currentName;
    int selectionAfter;
    int heldAtClose;
};

class ConfigDialogDeleteTest : public ConfigDialogTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(ConfigDialogDeleteTest, EveryNameKeepsItsOwnFilesAndTheCurrentProfileFollowsItsName)
{
    const DeleteCase& c = GetParam();
    WriteProfiles({L"A", L"B", L"C", L"D"}, L"C");
    Open();
    ASSERT_EQ(g_nCurProfile, 2);

    // A click on the item already picked would start a rename instead.
    if (Selection() != c.deleted)
        Click(OnItem(c.deleted));
    ClickDelete();
    EXPECT_EQ(Items(), c.remaining);
    EXPECT_EQ(Selection(), c.selectionAfter);

    // Written at once: list, files and the current profile agree on disk.
    EXPECT_EQ(SavedNames(), c.remaining);
    EXPECT_EQ(Saved().current, c.currentName);
    EXPECT_EQ(g_nCurProfile, c.currentAfter);
    for (size_t i = 0; i < c.remaining.size(); ++i)
        EXPECT_EQ(MarkOfProfile(static_cast<int>(i)), c.marks[i]) << "name " << c.remaining[i];
    EXPECT_EQ(MarkOfProfile(3), c.deleted) << "the deleted profile's files wait behind the list";
    // What the main window would save now goes to C's own files.
    EXPECT_EQ(MarkOfProfile(g_nCurProfile), 2);

    ClickClose();
    EXPECT_EQ(dialog->GetProfileHeldAtClose(), c.heldAtClose);
    EXPECT_EQ(main.commands, (Commands{{2, c.selectionAfter}}));
    EXPECT_EQ(g_nCurProfile, c.selectionAfter);
    EXPECT_EQ(Saved().current, c.remaining[static_cast<size_t>(c.selectionAfter)]);
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleLastAndCurrent, ConfigDialogDeleteTest,
                         testing::Values(DeleteCase{0, {L"B", L"C", L"D"}, {1, 2, 3}, 1, L"C", 0, 1},
                                         DeleteCase{1, {L"A", L"C", L"D"}, {0, 2, 3}, 1, L"C", 1, 1},
                                         DeleteCase{3, {L"A", L"B", L"C"}, {0, 1, 2}, 2, L"C", 2, 2},
                                         DeleteCase{2, {L"A", L"B", L"D"}, {0, 1, 3}, 3, L"D", 2, -1}));

// The slot a delete frees holds the deleted profile's files: a name added
// there starts from the factory profile instead, and so does every name New
// adds.
TEST_F(ConfigDialogTest, ANewNameAfterADeleteHoldsTheFactoryProfile)
{
    WriteProfiles({L"A", L"B", L"C", L"D"}, L"A");
    WriteFactoryProfile();
    Open();
    Click(OnItem(1));
    ClickDelete();
    ASSERT_EQ(MarkOfProfile(3), 1) << "B's files wait behind the list";
    ClickNew();
    ClickNew();
    EXPECT_EQ(Items().size(), 5u);
    ClickClose();

    EXPECT_TRUE(HoldsTheFactoryProfile(3)) << "not the deleted profile's settings and captions";
    EXPECT_TRUE(HoldsTheFactoryProfile(4));
    EXPECT_EQ(MarkOfProfile(0), 0);
    EXPECT_EQ(MarkOfProfile(1), 2);
    EXPECT_EQ(MarkOfProfile(2), 3);
    EXPECT_EQ(dialog->GetProfileHeldAtClose(), 0);
    EXPECT_EQ(main.commands, (Commands{{2, 4}}));
}

// When the deleted profile is the one whose settings the main window holds,
// the name that takes its slot is not that profile: the close hands the
// main window no profile to keep, so that it loads the new one.
TEST_F(ConfigDialogTest, ANewNameInTheSlotOfTheDeletedCurrentProfileIsNotTakenForIt)
{
    WriteProfiles({L"A", L"B", L"C"}, L"C");
    WriteFactoryProfile();
    Open();
    ASSERT_EQ(g_nCurProfile, 2);
    ClickDelete();
    ClickNew();
    ASSERT_EQ(Selection(), 2);
    ClickClose();
    EXPECT_EQ(dialog->GetProfileHeldAtClose(), -1);
    EXPECT_EQ(main.commands, (Commands{{2, 2}}));
    EXPECT_TRUE(HoldsTheFactoryProfile(2));
}

// A copy holds the copied profile's record and captions, whatever its slot
// held before, and the copied profile's files stay as they were; a copy of
// a name New added holds the new profile's.
TEST_F(ConfigDialogTest, ACopyHoldsTheCopiedProfilesFilesOnceTheListCloses)
{
    WriteProfiles({L"A", L"B", L"C"}, L"A");
    WriteFactoryProfile();
    const std::vector<unsigned char> profile = ReadBinaryFile(data.Path(L"config1.bin"));
    const std::vector<unsigned char> captions = ReadBinaryFile(data.Path(L"str1.ini"));
    Open();
    Click(OnItem(1));
    Menu(ID_PROFILE_COPY);
    ClickNew();
    Menu(ID_PROFILE_COPY);
    EXPECT_EQ(Items(), (Texts{L"A", L"B", L"C", L"Copy B", L"Profile 1", L"Copy Profile 1"}));
    ClickClose();

    EXPECT_EQ(MarkOfProfile(3), 1);
    EXPECT_EQ(ReadBinaryFile(data.Path(L"config3.bin")), profile);
    EXPECT_EQ(ReadBinaryFile(data.Path(L"str3.ini")), captions);
    EXPECT_EQ(ReadBinaryFile(data.Path(L"config1.bin")), profile);
    EXPECT_EQ(ReadBinaryFile(data.Path(L"str1.ini")), captions);
    EXPECT_TRUE(HoldsTheFactoryProfile(4));
    EXPECT_TRUE(HoldsTheFactoryProfile(5));
    EXPECT_EQ(MarkOfProfile(0), 0);
    EXPECT_EQ(MarkOfProfile(2), 2);
}

// A name whose files cannot be written is not added: it would name what
// its slot held before.
TEST_F(ConfigDialogTest, ANameWhoseFilesCannotBeWrittenIsNotAdded)
{
    WriteProfiles({L"A", L"B"}, L"A");
    WriteFactoryProfile();
    Open();
    HANDLE lock = CreateFileW(data.Path(L"str2.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    ClickNew();
    Menu(ID_PROFILE_COPY);
    CloseHandle(lock);
    EXPECT_EQ(Items(), (Texts{L"A", L"B"}));
    EXPECT_EQ(MarkOfProfile(2), 2);
    ClickNew();
    EXPECT_EQ(Items().size(), 3u);
    EXPECT_TRUE(HoldsTheFactoryProfile(2));
}

// A list that names no profile leaves the profile in use without a name:
// the first name added takes it over, files and all, and the next one is
// a new profile.
TEST_F(ConfigDialogTest, TheFirstNameOfAListThatNamedNoneTakesOverTheProfileInUse)
{
    WriteProfiles({L"A", L"B"}, L"A", L"0");
    WriteFactoryProfile();
    Open();
    ASSERT_EQ(g_nCurProfile, 0);
    ClickNew();
    ClickNew();
    ClickClose();
    EXPECT_EQ(SavedNames(), (Texts{L"Profile 1", L"Profile 2"}));
    EXPECT_EQ(MarkOfProfile(0), 0);
    EXPECT_TRUE(HoldsTheFactoryProfile(1));
    EXPECT_EQ(dialog->GetProfileHeldAtClose(), 0);
}

TEST_F(ConfigDialogTest, DeleteNeedsTwoNamesAndWorksFromTheMenuToo)
{
    WriteProfiles({L"Only"}, L"Only");
    Open();
    ClickDelete();
    EXPECT_EQ(Items(), (Texts{L"Only"}));

    dialog.reset();
    WriteProfiles({L"A", L"B", L"C"}, L"A");
    Open();
    Click(OnItem(2));
    Menu(ID_PROFILE_DELETE);
    EXPECT_EQ(Items(), (Texts{L"A", L"B"}));
    EXPECT_EQ(Selection(), 1) << "the new last item";
    EXPECT_EQ(SavedNames(), (Texts{L"A", L"B"}));
}

TEST_F(ConfigDialogTest, ADeleteWhoseFilesCannotMoveIsRefused)
{
    WriteProfiles({L"A", L"B", L"C"}, L"A");
    Open();
    HANDLE lock = CreateFileW(data.Path(L"str2.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Click(OnItem(1));
    ClickDelete();
    CloseHandle(lock);
    EXPECT_EQ(Items(), (Texts{L"A", L"B", L"C"}));
    EXPECT_EQ(SavedNames(), (Texts{L"A", L"B", L"C"}));
    EXPECT_EQ(MarkOfProfile(1), 1);
    EXPECT_EQ(MarkOfProfile(2), 2);
}

TEST_F(ConfigDialogTest, ClosingPostsTheChosenProfileAndKeepsTheFontUntilTheWindowGoes)
{
    WriteProfiles({L"A", L"B", L"C", L"D"}, L"B");
    Open();
    EXPECT_EQ(dialog->GetSelectedProfile(), 1);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(List(), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);

    Click(OnItem(3));
    ClickClose();
    EXPECT_EQ(main.commands, (Commands{{2, 3}}));
    EXPECT_EQ(Saved().current, L"D");
    EXPECT_EQ(g_nCurProfile, 3);
    EXPECT_EQ(dialog->GetProfileHeldAtClose(), 1);
    EXPECT_FALSE(dialog->IsWindowVisible());
    EXPECT_NE(::GetObjectW(font, 0, nullptr), 0) << "the list still uses its font";

    const HWND window = *dialog;
    dialog.reset();
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(::GetObjectW(font, 0, nullptr), 0) << "the font goes with the window";
}

TEST_F(ConfigDialogTest, TheContextMenuImportsAndExportsTheSelectedProfile)
{
    WriteProfiles({L"A", L"B", L"C"}, L"A");
    Open();
    Click(OnItem(2));
    {
        // Right click on another item: the menu works on the selection.
        MenuDriver menu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE});
        RightClick(OnItem(1));
        EXPECT_EQ(menu.texts(), (Texts{L"Delete", L"Edit", L"Copy", L"Load", L"Save"}));
    }
    EXPECT_EQ(main.commands, (Commands{{0, 2}}));
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(g_nCurProfile, 0) << "the main window makes it current once it has really imported";
    EXPECT_TRUE(dialog->IsWindowVisible());

    Menu(ID_PROFILE_SAVE);
    EXPECT_EQ(main.commands, (Commands{{0, 2}, {1, 2}}));
    EXPECT_EQ(g_nCurProfile, 0) << "an export leaves the record where it belongs";
    EXPECT_TRUE(dialog->IsWindowVisible());
    EXPECT_EQ(SavedNames(), (Texts{L"A", L"B", L"C"}));
}

TEST_F(ConfigDialogTest, TextsFollowTheLanguage)
{
    ProgramLanguage() = L"DE";
    WriteProfiles({L"Profil 1", L"Profil 2", L"Profil 3", L"Profil 4", L"Profil 5"}, L"Profil 1");
    Open();
    {
        MenuDriver menu({VK_ESCAPE, VK_ESCAPE});
        RightClick(OnItem(0));
        EXPECT_EQ(menu.texts(), (Texts{L"Löschen", L"Bearbeiten", L"Kopieren", L"Laden", L"Speichern"}));
    }
    Menu(ID_PROFILE_COPY);
    EXPECT_EQ(Items().back(), L"Kopieren Profil 1");
    ScriptedDialogs::AnswerMessageBox(IDOK);
    ClickNew();
    const auto boxes = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Maximal 6 Profile möglich.");
    EXPECT_EQ(boxes[0].caption, L"ACHTUNG!");

    LOGFONTW face{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(List(), WM_GETFONT, 0, 0)), sizeof face, &face);
    EXPECT_STREQ(face.lfFaceName, L"Arial");
    EXPECT_EQ(face.lfHeight, 13);

    dialog.reset();
    ProgramLanguage() = L"CHT";
    WriteProfiles({L"My 1"}, L"My 1");
    Open();
    ClickNew();
    EXPECT_EQ(Items().back(), L"設定檔 2");
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(List(), WM_GETFONT, 0, 0)), sizeof face, &face);
    EXPECT_STREQ(face.lfFaceName, L"\u9ED1\u4F53");
}

TEST_F(ConfigDialogTest, AMissingBackgroundLeavesNoWindow)
{
    TempFolder noSkins;
    SetAppDir(noSkins.path().c_str());
    WriteProfiles({L"A"}, L"A");
    ScriptedDialogs::AnswerMessageBox(IDOK);
    dialog = std::make_unique<CConfigDialog>(data.store);
    EXPECT_FALSE(dialog->Create(IDD_PROFILE_LIST, &main));
    EXPECT_EQ(dialog->m_hWnd, nullptr);
    EXPECT_EQ(::GetWindow(main, GW_CHILD), nullptr);
    const auto boxes = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"error");
    EXPECT_EQ(boxes[0].caption, L"Config Dialog Load background image failed!!!");
    dialog.reset();
}

TEST_F(ConfigDialogTest, PaintsTheSkinAndColoursTheListWithOneBrush)
{
    WriteProfiles({L"A", L"B", L"C"}, L"B");
    Open();

    RECT window{};
    dialog->GetWindowRect(&window);
    CImage background;
    ASSERT_EQ(background.Load((std::wstring(RV417_BIN_DIR_W) + L"\\Skins\\Config\\Config.png").c_str()), S_OK);
    EXPECT_EQ(window.right - window.left, background.GetWidth());
    EXPECT_EQ(window.bottom - window.top, background.GetHeight());

    ::RedrawWindow(*dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC screen = ::GetDC(nullptr);
    auto pixel = [&](POINT point) { return ::GetPixel(screen, point.x, point.y); };
    auto imagePixel = [&](int x, int y) {
        const auto* bytes =
            static_cast<const BYTE*>(background.GetBits()) + y * background.GetPitch() + x * background.GetBPP() / 8;
        return RGB(bytes[2], bytes[1], bytes[0]);
    };
    EXPECT_EQ(pixel(OnDialog(120, 5)), imagePixel(120, 5)) << "the background away from every label";
    POINT selected = OnItem(1);
    selected.x += 150;
    POINT other = OnItem(2);
    other.x += 150;
    EXPECT_EQ(pixel(selected), RGB(72, 24, 24));
    EXPECT_EQ(pixel(other), RGB(40, 40, 40));
    EXPECT_EQ(pixel(OnDialog(100, 560)), RGB(40, 40, 40)) << "the list below its items";
    ::ReleaseDC(nullptr, screen);

    HDC dc = ::GetDC(List());
    const auto first =
        ::SendMessageW(*dialog, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(List()));
    EXPECT_EQ(::GetBkColor(dc), RGB(40, 40, 40));
    EXPECT_EQ(::GetTextColor(dc), RGB(250, 250, 250));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(
            ::SendMessageW(*dialog, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(List())),
            first);
    ::ReleaseDC(List(), dc);
    LOGBRUSH brush{};
    ASSERT_NE(::GetObjectW(reinterpret_cast<HBRUSH>(first), sizeof brush, &brush), 0);
    EXPECT_EQ(brush.lbColor, RGB(40, 40, 40));
}

}  // namespace
