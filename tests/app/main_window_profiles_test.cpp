// The profile list's commands as the main window carries them out, on the
// real windows with the emulated mouse: switching to another profile when
// the list closes, keeping the profile shown (unsaved edits included) when
// it closes on it, importing into the chosen profile, exporting what the
// window shows, the help web page, and the keys the main window must not
// take as closing or confirming it.

#include "main_window_helpers.h"

#include "app/config_dialog.h"
#include "app/main_window_globals.h"
#include "app/shell_open.h"
#include "classlib/message_pump.h"
#include "resource.h"
#include "storage/ini_file.h"
#include "storage/profile_exchange.h"
#include "storage/profile_list.h"

#include <array>
#include <map>
#include <string>
#include <vector>

using namespace apptest;

namespace {

// The list posts its commands to the application's main window.
CWinApp g_testApp;

std::vector<std::wstring> g_opened;
HINSTANCE WINAPI RecordOpen(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT)
{
    g_opened.emplace_back(file ? file : L"");
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));
}

constexpr uint8_t kSelectProfileCode = 0x02;

class MainWindowProfiles : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetLanguage(L"EN");
        // Two named profiles; the second one's file differs from the first.
        const std::array<CString, 2> names{L"Profile 1", L"Fast"};
        ASSERT_TRUE(WriteProfileList(StrIni().c_str(), names, 0));
        second = RecordOfFile(ProfilePath(0));
        second.SensitivityX = 9;
        second.ReportRateCode = 8;
        ASSERT_TRUE(WriteProfileFile(ProfilePath(1).c_str(), second));
        g_opened.clear();
    }
    void TearDown() override
    {
        g_testApp.m_pMainWnd = nullptr;
        MainWindowTest::TearDown();
    }

    bool OpenWithList()
    {
        if (!Open())
            return false;
        g_testApp.m_pMainWnd = window.get();
        PressButton(window->m_btnConfig);
        PumpPending();
        return g_pConfigDlg != nullptr;
    }

    std::wstring StrIni() const { return folder.file(L"str.ini"); }

    HWND List() const { return ::GetDlgItem(g_pConfigDlg->m_hWnd, IDC_PROFILE_LIST); }
    void Pick(int index) const { ::SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

    // A click in the list's close area; the main window handles what it posts.
    void CloseList() const
    {
        const RECT& area = CConfigDialog::kCloseArea;
        const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        g_pConfigDlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        g_pConfigDlg->SendMessage(WM_LBUTTONUP, 0, at);
        PumpPending();
    }

    // A command of the list's context menu.
    void ListCommand(UINT id) const
    {
        g_pConfigDlg->SendMessage(WM_COMMAND, id, 0);
        PumpPending();
    }

    // Takes what is queued through the program's own loop steps, keys
    // offered to the windows' PreTranslateMessage first.
    static void PumpAsTheProgram()
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msgpump::PreTranslate(msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }

    CString CurrentInStrIni() const { return ReadProfileList(StrIni().c_str()).current; }

    // A click in the list's New area.
    void NewInList() const
    {
        const RECT& area = CConfigDialog::kNewArea;
        const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
        g_pConfigDlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        g_pConfigDlg->SendMessage(WM_LBUTTONUP, 0, at);
        PumpPending();
    }

    // The bytes of every profile's two files, by name.
    using FileBytes = std::map<std::wstring, std::vector<unsigned char>>;
    FileBytes ProfileFiles() const
    {
        FileBytes files;
        for (int n = 0; n < kProfileCount; ++n) {
            files[L"config" + std::to_wstring(n) + L".bin"] = ReadBinaryFile(ProfilePath(n));
            files[L"str" + std::to_wstring(n) + L".ini"] = ReadBinaryFile(CaptionFile(n));
        }
        return files;
    }
    // The names of the profile files whose bytes differ from `before`.
    std::vector<std::wstring> ChangedSince(const FileBytes& before) const
    {
        std::vector<std::wstring> changed;
        for (const auto& [name, bytes] : ProfileFiles())
            if (before.at(name) != bytes)
                changed.push_back(name);
        return changed;
    }

    // With the list open, adds a name (a copy of the profile "Fast", or with
    // `copy` false a new one), loads a profile file for it, closes the list
    // and saves: the imported record and captions land in the added name's
    // files (slot 2) and nowhere else.
    void ImportIntoAnAddedName(bool copy)
    {
        SettingsRecord imported = RecordOfFile(ProfilePath(0));
        imported.SensitivityX = 7;
        const std::wstring file = folder.file(L"shared.bin");
        ASSERT_TRUE(WriteProfileFile(file.c_str(), imported));
        ASSERT_TRUE(WriteIniValue(folder.file(L"shared.ini").c_str(), L"Setting-EN", L"Item1", L"Imported"));

        ASSERT_TRUE(OpenWithList());
        if (copy) {
            Pick(1);
            ListCommand(ID_PROFILE_COPY);
        } else {
            NewInList();
        }
        ASSERT_EQ(::SendMessageW(List(), LB_GETCOUNT, 0, 0), 3);
        Pick(2);
        const FileBytes before = ProfileFiles();
        ScriptedDialogs::AnswerFileDialog(file);
        ListCommand(ID_PROFILE_LOAD);
        EXPECT_EQ(g_Settings.SensitivityX, 7);
        EXPECT_EQ(g_nCurProfile, 2);

        CloseList();
        EXPECT_EQ(g_pConfigDlg, nullptr);
        EXPECT_EQ(g_nCurProfile, 2);
        EXPECT_EQ(CurrentInStrIni(), ReadProfileList(StrIni().c_str()).items[2]);
        EXPECT_EQ(g_Settings.SensitivityX, 7);
        EXPECT_EQ(ChangedSince(before), std::vector<std::wstring>{}) << "an import writes no profile's files";

        PressButton(window->m_btnSave);
        EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath(2)), imported));
        EXPECT_EQ(CaptionInFile(1, 2), L"Imported");
        EXPECT_EQ(ChangedSince(before), (std::vector<std::wstring>{L"config2.bin", L"str2.ini"}))
            << "no other profile's files change";
    }

    SettingsRecord second{};
};

}  // namespace

// Closing the list on another profile makes it current everywhere: its
// record and sliders are shown, the mouse is told, str.ini names it, the
// list is gone with the side column back, and Cancel returns to it rather
// than to the profile shown before.
TEST_F(MainWindowProfiles, ClosingOnAnotherProfileSwitchesToIt)
{
    ASSERT_TRUE(OpenWithList());
    const size_t selects = FramesOf(kSelectProfileCode);
    Pick(1);
    CloseList();

    EXPECT_EQ(g_pConfigDlg, nullptr);
    EXPECT_TRUE(window->m_btnMacroManager.IsWindowVisible());
    EXPECT_EQ(g_nCurProfile, 1);
    EXPECT_EQ(CurrentInStrIni(), L"Fast");
    EXPECT_EQ(FramesOf(kSelectProfileCode), selects + 1);
    EXPECT_EQ(g_Settings.SensitivityX, 9);
    EXPECT_EQ(g_Settings.ReportRateCode, 8);
    EXPECT_EQ(window->m_sliderX.m_nPos, 9);

    g_Settings.SensitivityX = 2;
    PressButton(window->m_btnCancel);
    EXPECT_EQ(g_Settings.SensitivityX, 9);
    EXPECT_TRUE(SameRecord(g_Settings, second));
}

// Closing on the profile shown keeps the window's record as it is, unsaved
// edits included, and tells the mouse nothing; a Save then writes them into
// that profile's own file and leaves the other's alone.
TEST_F(MainWindowProfiles, ClosingOnTheProfileShownKeepsItsEdits)
{
    ASSERT_TRUE(OpenWithList());
    g_Settings.SensitivityX = 3;
    const size_t selects = FramesOf(kSelectProfileCode);
    Pick(0);
    CloseList();

    EXPECT_EQ(g_pConfigDlg, nullptr);
    EXPECT_EQ(g_nCurProfile, 0);
    EXPECT_EQ(FramesOf(kSelectProfileCode), selects);
    EXPECT_EQ(g_Settings.SensitivityX, 3);

    PressButton(window->m_btnSave);
    EXPECT_EQ(RecordOfFile(ProfilePath(0)).SensitivityX, 3);
    EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath(1)), second));
}

// An import fills the record for the profile picked in the list; the close
// that follows keeps it (no switch reloads the file over it), and a Save
// writes it into that profile's file.
TEST_F(MainWindowProfiles, ImportGoesToThePickedProfileAndSurvivesTheClose)
{
    SettingsRecord imported = RecordOfFile(ProfilePath(0));
    imported.SensitivityX = 7;
    const std::wstring file = folder.file(L"shared.bin");
    ASSERT_TRUE(WriteProfileFile(file.c_str(), imported));
    const std::vector<unsigned char> firstFile = ReadBinaryFile(ProfilePath(0));

    ASSERT_TRUE(OpenWithList());
    Pick(1);
    ScriptedDialogs::AnswerFileDialog(file);
    ListCommand(ID_PROFILE_LOAD);

    ASSERT_EQ(ScriptedDialogs::FileDialogCalls().size(), 1u);
    EXPECT_TRUE(ScriptedDialogs::FileDialogCalls()[0].open);
    EXPECT_EQ(ScriptedDialogs::FileDialogCalls()[0].flags & kProfileFileDialogFlags, kProfileFileDialogFlags);
    EXPECT_EQ(g_Settings.SensitivityX, 7);
    EXPECT_EQ(g_nCurProfile, 1);

    const size_t selects = FramesOf(kSelectProfileCode);
    CloseList();
    EXPECT_EQ(g_pConfigDlg, nullptr);
    EXPECT_EQ(FramesOf(kSelectProfileCode), selects);
    EXPECT_EQ(g_Settings.SensitivityX, 7);
    EXPECT_EQ(g_nCurProfile, 1);

    PressButton(window->m_btnSave);
    EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath(1)), imported));
    EXPECT_EQ(ReadBinaryFile(ProfilePath(0)), firstFile);
}

// An import into a name New added in the same opening of the list belongs
// to that name, not to the profile shown when the list opened.
TEST_F(MainWindowProfiles, ImportIntoANewNameGoesToThatName)
{
    ImportIntoAnAddedName(false);
}

// The same for a name Copy added: the import replaces what the copy took.
TEST_F(MainWindowProfiles, ImportIntoACopyGoesToTheCopy)
{
    ImportIntoAnAddedName(true);
}

// Deleting the profile shown and adding a name in the slot it freed:
// closing on the new name shows the factory profile, not the deleted one's
// settings and captions, and a Save keeps them apart.
TEST_F(MainWindowProfiles, ANewNameAfterDeletingTheProfileShownShowsTheFactoryProfile)
{
    SettingsRecord deleted = RecordOfFile(ProfilePath(0));
    deleted.SensitivityX = 4;
    ASSERT_TRUE(WriteProfileFile(ProfilePath(0).c_str(), deleted));
    ASSERT_TRUE(WriteIniValue(CaptionFile(0).c_str(), L"Setting-EN", L"Item1", L"Deleted"));
    const SettingsRecord factory = RecordOfFile(folder.file(L"config.bin"));
    const std::wstring factoryCaption = ReadIniValue(StrIni().c_str(), L"Setting-EN", L"Item1").str();
    ASSERT_NE(factory.SensitivityX, 4);

    ASSERT_TRUE(OpenWithList());
    g_Settings.SensitivityX = 3;
    Pick(0);
    ListCommand(ID_PROFILE_DELETE);
    NewInList();
    ASSERT_EQ(::SendMessageW(List(), LB_GETCURSEL, 0, 0), 1);
    CloseList();

    EXPECT_EQ(g_nCurProfile, 1);
    EXPECT_EQ(g_Settings.SensitivityX, factory.SensitivityX);
    EXPECT_EQ(window->m_sliderX.m_nPos, factory.SensitivityX);
    EXPECT_EQ(window->m_strItem[0].str(), factoryCaption);
    EXPECT_EQ(Caption(0).str(), factoryCaption);
    EXPECT_EQ(RecordOfFile(ProfilePath(1)).SensitivityX, factory.SensitivityX);
    EXPECT_EQ(CaptionInFile(1, 1), factoryCaption);

    PressButton(window->m_btnSave);
    EXPECT_EQ(RecordOfFile(ProfilePath(1)).SensitivityX, factory.SensitivityX);
    EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath(0)), second)) << "Fast moved down and kept its own";
}

// The same import after the profile shown was deleted: the record loaded
// for the name in the freed slot is that name's, and the close keeps it.
TEST_F(MainWindowProfiles, ImportIntoANewNameAfterDeletingTheProfileShownGoesToThatName)
{
    SettingsRecord imported = RecordOfFile(ProfilePath(0));
    imported.SensitivityX = 7;
    const std::wstring file = folder.file(L"shared.bin");
    ASSERT_TRUE(WriteProfileFile(file.c_str(), imported));

    ASSERT_TRUE(OpenWithList());
    Pick(0);
    ListCommand(ID_PROFILE_DELETE);
    NewInList();
    ScriptedDialogs::AnswerFileDialog(file);
    ListCommand(ID_PROFILE_LOAD);
    const size_t selects = FramesOf(kSelectProfileCode);
    CloseList();

    EXPECT_EQ(FramesOf(kSelectProfileCode), selects) << "no switch loads the new name's files over the import";
    EXPECT_EQ(g_nCurProfile, 1);
    EXPECT_EQ(g_Settings.SensitivityX, 7);
    PressButton(window->m_btnSave);
    EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath(1)), imported));
    EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath(0)), second));
}

// A file that is no profile (another size) and a cancelled dialog import
// nothing: the record, the box captions (not those of the .ini beside the
// file) and the current profile stay, and the close then switches as it
// would without them.
TEST_F(MainWindowProfiles, ImportOfNoProfileChangesNothing)
{
    const std::wstring file = folder.file(L"short.bin");
    ASSERT_TRUE(WriteFileReplacing(file.c_str(), std::vector<uint8_t>(100, 0x11)));
    for (int i = 1; i <= kAssignBoxCount; ++i)
        ::WritePrivateProfileStringW(L"Setting-EN", (L"Item" + std::to_wstring(i)).c_str(), L"Beside",
                                     folder.file(L"short.ini").c_str());

    ASSERT_TRUE(OpenWithList());
    const SettingsRecord before = g_Settings;
    const CString captionBefore = window->m_strItem[3];
    Pick(1);
    ScriptedDialogs::AnswerFileDialog(file);
    ListCommand(ID_PROFILE_LOAD);
    ScriptedDialogs::CancelFileDialog();
    ListCommand(ID_PROFILE_LOAD);
    EXPECT_EQ(ScriptedDialogs::FileDialogCalls().size(), 2u);
    EXPECT_TRUE(SameRecord(g_Settings, before));
    EXPECT_EQ(window->m_strItem[3], captionBefore);
    EXPECT_EQ(window->m_btnAssign[3].GetCaption(), captionBefore);
    EXPECT_EQ(g_nCurProfile, 0);

    CloseList();
    EXPECT_EQ(g_nCurProfile, 1);
    EXPECT_TRUE(SameRecord(g_Settings, second));
}

// A Restore closes the list and with it ends the import made in it: the
// next opening of the list closes on another profile as any other does,
// switching to it and naming it in str.ini.
TEST_F(MainWindowProfiles, RestoreAfterAnImportLetsTheNextCloseSwitch)
{
    SettingsRecord imported = RecordOfFile(ProfilePath(0));
    imported.SensitivityX = 7;
    const std::wstring file = folder.file(L"shared.bin");
    ASSERT_TRUE(WriteProfileFile(file.c_str(), imported));

    ASSERT_TRUE(OpenWithList());
    Pick(0);
    ScriptedDialogs::AnswerFileDialog(file);
    ListCommand(ID_PROFILE_LOAD);
    ASSERT_EQ(g_Settings.SensitivityX, 7);
    ScriptedDialogs::AnswerMessageBox(IDOK);
    PressButton(window->m_btnRestore);
    ASSERT_EQ(g_pConfigDlg, nullptr);

    PressButton(window->m_btnConfig);
    PumpPending();
    ASSERT_NE(g_pConfigDlg, nullptr);
    const size_t selects = FramesOf(kSelectProfileCode);
    Pick(1);
    CloseList();

    EXPECT_EQ(g_nCurProfile, 1);
    EXPECT_EQ(CurrentInStrIni(), L"Fast");
    EXPECT_EQ(FramesOf(kSelectProfileCode), selects + 1);
    EXPECT_TRUE(SameRecord(g_Settings, second));
}

// Export writes what the window shows, unsaved edits included, as a profile
// file of the chosen name with ".bin" added, and changes neither the record
// nor the profile's own file.
TEST_F(MainWindowProfiles, ExportWritesTheRecordShown)
{
    ASSERT_TRUE(OpenWithList());
    const std::vector<unsigned char> own = ReadBinaryFile(ProfilePath(0));
    g_Settings.SensitivityX = 4;
    const SettingsRecord shown = g_Settings;
    Pick(0);
    ScriptedDialogs::AnswerFileDialog(folder.file(L"mine"));
    ListCommand(ID_PROFILE_SAVE);

    ASSERT_EQ(ScriptedDialogs::FileDialogCalls().size(), 1u);
    EXPECT_FALSE(ScriptedDialogs::FileDialogCalls()[0].open);
    EXPECT_TRUE(SameRecord(RecordOfFile(folder.file(L"mine.bin")), shown));
    EXPECT_TRUE(SameRecord(g_Settings, shown));
    EXPECT_EQ(ReadBinaryFile(ProfilePath(0)), own);
    EXPECT_NE(g_pConfigDlg, nullptr);
}

// The help menu's web item opens the address of the text table with the
// system's opener.
TEST_F(MainWindowProfiles, WebItemOpensTheAddress)
{
    ScopedShellExecuteFunction recorder(&RecordOpen);
    ASSERT_TRUE(Open());
    window->SendMessage(WM_COMMAND, ID_HELP_WEBSITE, 0);
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(g_opened[0], std::wstring(g_TextTable.Get(524)));
    EXPECT_FALSE(g_opened[0].empty());
}

// Enter, Space, Esc and F1 typed on the keyboard close, confirm or ask
// nothing of the main window: it stays shown with its record.
TEST_F(MainWindowProfiles, DialogKeysLeaveTheMainWindowOpen)
{
    ASSERT_TRUE(Open());
    g_testApp.m_pMainWnd = window.get();
    window->SetForegroundWindow();
    window->SetFocus();
    PumpPending();
    ASSERT_EQ(::GetForegroundWindow(), window->m_hWnd);
    const SettingsRecord before = g_Settings;
    for (const WORD key : {VK_RETURN, VK_SPACE, VK_ESCAPE, VK_F1}) {
        std::array<INPUT, 2> input{};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wVk = key;
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input.data(), sizeof(INPUT));
        PumpAsTheProgram();
        EXPECT_TRUE(window->IsWindowVisible()) << key;
    }
    EXPECT_TRUE(SameRecord(g_Settings, before));
    EXPECT_TRUE(g_endCodes.empty());
}
