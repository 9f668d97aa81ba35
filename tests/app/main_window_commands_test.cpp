// The main window's commands on the real window with the emulated mouse and
// the virtual clock: Save, Cancel, the close button, Restore, the side
// column with its two foldable panels, the sensitivity sliders, the profile
// list and the macro manager. Includes the faults the Save and Cancel of
// the window must not have: Cancel returns to the saved captions too, and a
// Save whose profile file was not written keeps the saved record.

#include "main_window_helpers.h"

#include "app/config_dialog.h"
#include "app/main_window_globals.h"
#include "messages.h"
#include "model/device_records.h"
#include "skin/menu_test_helpers.h"
#include "storage/ini_file.h"
#include "storage/profile_file.h"
#include "support/file_held_open.h"

#include <algorithm>
#include <string>

using namespace apptest;

namespace {

class MainWindowCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetLanguage(L"EN");
    }

    // The window's last message box, as scripted.
    ScriptedDialogs::MessageBoxCall LastMessageBox() const
    {
        const auto calls = ScriptedDialogs::MessageBoxCalls();
        return calls.empty() ? ScriptedDialogs::MessageBoxCall{} : calls.back();
    }
};

}  // namespace

// Save sends the whole profile, writes config0.bin and the captions of
// str0.ini, takes the record as saved and applies the pointer settings;
// the button is enabled again afterwards.
TEST_F(MainWindowCommands, SaveUploadsWritesTheFilesAndTakesTheRecord)
{
    ASSERT_TRUE(Open());
    Choose(3, 2005);  // Back
    g_Settings.SensitivityX = 9;
    g_pointerSettings.clear();

    PressButton(window->m_btnSave);

    EXPECT_TRUE(window->m_btnSave.IsWindowEnabled());
    EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath()), g_Settings));
    EXPECT_EQ(RecordOfFile(ProfilePath()).SensitivityX, 9);
    EXPECT_EQ(CaptionInFile(4), L"Back");
    EXPECT_TRUE(SameRecord(g_SettingsSaved, g_Settings));
    EXPECT_FALSE(g_pointerSettings.empty());

    EXPECT_EQ(FramesOf(0x0C), 1u);
    EXPECT_EQ(FramesOf(0x0F), 12u);
    const auto table = mouse.StoredButtonTable(1);
    ASSERT_TRUE(table.has_value());
    const ButtonTable expected = BuildButtonTable(g_Settings);
    EXPECT_TRUE(std::equal(table->begin(), table->end(), TableBytes(expected).begin()));
    EXPECT_EQ(g_Settings.ButtonFunction[3], 4);
}

// Without the mouse Save changes nothing: no frame, no file, no saved record.
TEST_F(MainWindowCommands, SaveWithoutTheMouseChangesNothing)
{
    mouse.SetInterfaces(EmulatedMouse::StandardInterfaces(EmulatedMouse::Order::EventFirst, false));
    ASSERT_TRUE(Open());
    const std::vector<unsigned char> before = ReadBinaryFile(ProfilePath());
    const SettingsRecord saved = g_SettingsSaved;
    g_Settings.SensitivityY = 2;

    PressButton(window->m_btnSave);

    EXPECT_TRUE(window->m_btnSave.IsWindowEnabled());
    EXPECT_EQ(ReadBinaryFile(ProfilePath()), before);
    EXPECT_TRUE(SameRecord(g_SettingsSaved, saved));
    EXPECT_TRUE(CommandCodes().empty());
    EXPECT_TRUE(ScriptedDialogs::MessageBoxCalls().empty());
}

// A Save whose profile file cannot be written is no Save: the user is told
// which file and why, the saved record stays what the file holds, and the
// edits stay in the record, so a later Save can still keep them.
TEST_F(MainWindowCommands, SaveThatCannotWriteTheProfileTellsAndKeepsTheSavedRecord)
{
    ASSERT_TRUE(Open());
    const SettingsRecord saved = g_SettingsSaved;
    const std::vector<unsigned char> before = ReadBinaryFile(ProfilePath());
    Choose(3, 2005);  // Back
    g_Settings.SensitivityX = 8;
    const SettingsRecord edited = g_Settings;

    FileHeldOpen holder(ProfilePath());
    ASSERT_TRUE(holder.held());
    ScriptedDialogs::AnswerMessageBox(IDOK);
    PressButton(window->m_btnSave);

    const auto box = LastMessageBox();
    EXPECT_NE(box.text.find(ProfilePath()), std::wstring::npos) << box.text;
    EXPECT_NE(box.text.find(L"\r\n\r\n"), std::wstring::npos) << "the system's reason follows the path";
    EXPECT_GT(box.text.size(), ProfilePath().size() + 8) << box.text;
    EXPECT_EQ(box.owner, window->m_hWnd);
    EXPECT_TRUE(SameRecord(g_SettingsSaved, saved)) << "the unwritten record is not the saved one";
    EXPECT_EQ(g_Settings.SensitivityX, 8) << "the edits stay";
    EXPECT_EQ(FramesOf(0x0C), 1u) << "the mouse got the upload";
    EXPECT_EQ(CaptionInFile(4), L"Fn") << "no caption of the unwritten record";
    EXPECT_TRUE(window->m_btnSave.IsWindowEnabled());

    holder.Release();
    ASSERT_EQ(ReadBinaryFile(ProfilePath()), before);
    g_Settings = edited;
    PressButton(window->m_btnSave);
    EXPECT_EQ(RecordOfFile(ProfilePath()).SensitivityX, 8);
    EXPECT_EQ(CaptionInFile(4), L"Back");
    EXPECT_EQ(g_SettingsSaved.SensitivityX, 8);
    EXPECT_EQ(ScriptedDialogs::MessageBoxCalls().size(), 1u);
}

// A Restore whose profile file cannot be written tells it as a failed Save
// does; the mouse has the factory settings, but the files stay as they
// were, and Cancel returns to the record and captions they hold.
TEST_F(MainWindowCommands, RestoreThatCannotWriteTheProfileTellsAndKeepsTheSavedRecord)
{
    SettingsRecord mine = RecordOfFile(ProfilePath());
    mine.SensitivityX = 8;
    ASSERT_TRUE(WriteProfileFile(ProfilePath().c_str(), mine));
    ::WritePrivateProfileStringW(L"Setting-EN", L"Item4", L"Mine", CaptionFile().c_str());
    ASSERT_TRUE(Open());
    g_Settings.SensitivityX = 9;
    const SettingsRecord saved = g_SettingsSaved;
    ASSERT_EQ(saved.SensitivityX, 8);
    const std::vector<unsigned char> before = ReadBinaryFile(ProfilePath());
    const std::vector<unsigned char> captionsBefore = ReadBinaryFile(CaptionFile());

    FileHeldOpen holder(ProfilePath());
    ASSERT_TRUE(holder.held());
    ScriptedDialogs::AnswerMessageBox(IDOK);
    ScriptedDialogs::AnswerMessageBox(IDOK);
    PressButton(window->m_btnRestore);
    holder.Release();

    ASSERT_EQ(ScriptedDialogs::MessageBoxCalls().size(), 2u);
    const auto box = LastMessageBox();
    EXPECT_NE(box.text.find(ProfilePath()), std::wstring::npos) << box.text;
    EXPECT_NE(box.text.find(L"\r\n\r\n"), std::wstring::npos) << "the system's reason follows the path";
    EXPECT_EQ(box.caption, L"RV417 TALVEN");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_GE(FramesOf(0x0D), 1u) << "the mouse got the upload";
    EXPECT_EQ(g_Settings.SensitivityX, 5);
    EXPECT_EQ(Caption(3), L"Fn");
    EXPECT_EQ(ReadBinaryFile(ProfilePath()), before);
    EXPECT_EQ(ReadBinaryFile(CaptionFile()), captionsBefore);
    EXPECT_TRUE(SameRecord(g_SettingsSaved, saved));

    PressButton(window->m_btnCancel);
    EXPECT_TRUE(SameRecord(g_Settings, saved));
    EXPECT_EQ(Caption(3), L"Mine");
}

// With neither the profile file nor the factory file the window works on
// the factory defaults, so that Apply never sends a record no file holds
// (DPI stages 0, an empty button table); the save itself is refused, and no
// caption is written for a record that is not on disk.
TEST_F(MainWindowCommands, SaveWithNeitherProfileNorFactoryFileSendsTheFactoryDefaults)
{
    ASSERT_TRUE(::DeleteFileW(ProfilePath().c_str()));
    ASSERT_TRUE(::DeleteFileW(folder.file(L"config.bin").c_str()));
    ASSERT_TRUE(Open());
    EXPECT_EQ(g_Settings.DpiStage, (std::array<uint8_t, 7>{12, 24, 48, 72, 108, 144, 216}));
    EXPECT_EQ(g_Settings.ButtonFunction, (std::array<uint8_t, 7>{0, 1, 2, 17, 18, 6, 6}));
    Choose(3, 2005);  // Back

    ScriptedDialogs::AnswerMessageBox(IDOK);
    PressButton(window->m_btnSave);

    const auto block = mouse.StoredProfileBlock(1);
    const auto table = mouse.StoredButtonTable(1);
    ASSERT_TRUE(block.has_value() && table.has_value());
    const ProfileBlock expectedBlock = BuildProfileBlock(g_Settings);
    EXPECT_TRUE(std::equal(block->begin(), block->end(), expectedBlock.begin()));
    const ButtonTable expectedTable = BuildButtonTable(g_Settings);
    EXPECT_TRUE(std::equal(table->begin(), table->end(), TableBytes(expectedTable).begin()));
    EXPECT_EQ(g_Settings.DpiStage[0], 12);
    EXPECT_EQ(g_Settings.ButtonFunction[3], 4);

    EXPECT_EQ(ScriptedDialogs::MessageBoxCalls().size(), 1u) << "the refused save is told";
    EXPECT_FALSE(PathExists(ProfilePath().c_str()));
    EXPECT_EQ(CaptionInFile(4), L"Fn");
}

// Cancel returns to the saved record and to the captions that go with it,
// and hides the window to the notification area; the next Save then
// writes those captions, not the cancelled ones.
TEST_F(MainWindowCommands, CancelRestoresRecordAndCaptions)
{
    ASSERT_TRUE(Open());
    const SettingsRecord saved = g_SettingsSaved;
    ASSERT_EQ(Caption(3), L"Fn");
    Choose(3, 2005);
    g_Settings.SensitivityY = 3;
    ASSERT_EQ(Caption(3), L"Back");
    ASSERT_EQ(window->m_strItem[3], L"Back");

    PressButton(window->m_btnCancel);

    EXPECT_TRUE(SameRecord(g_Settings, saved));
    EXPECT_EQ(window->m_strItem[3], L"Fn");
    EXPECT_EQ(Caption(3), L"Fn");
    EXPECT_FALSE(window->IsWindowVisible());
    EXPECT_FALSE(window->GetExStyle() & WS_EX_APPWINDOW);
    EXPECT_TRUE(window->GetExStyle() & WS_EX_TOOLWINDOW);

    PressButton(window->m_btnSave);
    EXPECT_EQ(CaptionInFile(4), L"Fn");
}

// Where another profile's record is loaded, TakeSavedState makes it and its
// captions the saved state: Cancel then returns to that profile, and a
// following Save writes that profile's own settings into its file.
TEST_F(MainWindowCommands, CancelReturnsToTheRecordTakenLast)
{
    SettingsRecord other = RecordOfFile(ProfilePath(2));
    other.SensitivityX = 3;
    other.ButtonFunction[2] = 13;
    {
        std::vector<unsigned char> bytes(sizeof(ProfileFile));
        bytes[0] = 1;
        std::memcpy(bytes.data() + 1, &other, sizeof other);
        WriteBinaryFile(ProfilePath(2), bytes.data(), bytes.size());
    }
    ::WritePrivateProfileStringW(L"Setting-EN", L"Item3", L"Off", CaptionFile(2).c_str());
    ASSERT_TRUE(Open());

    // What a profile switch does.
    window->m_profiles.LoadProfile(2);
    window->m_profiles.ReadStrIni();
    g_nCurProfile = 2;
    window->RefreshButtonLabels();
    window->TakeSavedState();

    Choose(2, 2001);
    g_Settings.SensitivityX = 10;
    PressButton(window->m_btnCancel);
    EXPECT_TRUE(SameRecord(g_Settings, other));
    EXPECT_EQ(Caption(2), L"Off");

    PressButton(window->m_btnSave);
    EXPECT_EQ(RecordOfFile(ProfilePath(2)).SensitivityX, 3);
    EXPECT_EQ(RecordOfFile(ProfilePath(2)).ButtonFunction[2], 13);
    EXPECT_EQ(RecordOfFile(ProfilePath(0)).SensitivityX, 5) << "profile 0 is left alone";
}

// The close button hides the window the same way and keeps the edits.
TEST_F(MainWindowCommands, CloseKeepsUnsavedEdits)
{
    ASSERT_TRUE(Open());
    Choose(3, 2005);
    g_Settings.SensitivityX = 2;
    PressButton(window->m_btnClose);

    EXPECT_FALSE(window->IsWindowVisible());
    EXPECT_TRUE(window->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(g_Settings.SensitivityX, 2);
    EXPECT_EQ(g_Settings.ButtonFunction[3], 4);
    EXPECT_EQ(Caption(3), L"Back");
}

// Restore asks first; answered Cancel, nothing changes.
TEST_F(MainWindowCommands, RestoreAnsweredCancelChangesNothing)
{
    ASSERT_TRUE(Open());
    PressButton(window->m_btnButtonAssign);
    window->SwitchPage(2);
    g_Settings.SensitivityX = 9;
    const SettingsRecord edited = g_Settings;
    const std::vector<unsigned char> before = ReadBinaryFile(ProfilePath());
    const size_t frames = CommandCodes().size();

    ScriptedDialogs::AnswerMessageBox(IDCANCEL);
    PressButton(window->m_btnRestore);

    const auto box = LastMessageBox();
    EXPECT_EQ(box.text, L"Reset to factory default?");
    EXPECT_EQ(box.caption, L"ATTENTION!!");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_TRUE(SameRecord(g_Settings, edited));
    EXPECT_EQ(window->m_nButtonPanelState, 0);
    EXPECT_EQ(g_nCurPage, 2);
    EXPECT_EQ(ReadBinaryFile(ProfilePath()), before);
    EXPECT_EQ(CommandCodes().size(), frames);
}

// Restore answered OK: the factory settings, uploaded and saved, the
// factory captions, folded panels and sections, the Front page, the
// sliders set, and the profile list closed with the side items back.
TEST_F(MainWindowCommands, RestoreGivesFactorySettingsAndAFreshWindow)
{
    ASSERT_TRUE(Open());
    Choose(3, 2005);
    g_Settings.SensitivityX = 9;
    g_Settings.SensitivityY = 2;
    PressButton(window->m_btnButtonAssign);
    PressButton(window->m_btnAxisSetting);
    window->m_dlgPanel.ToggleDpiSection(0);
    window->SwitchPage(2);
    PressButton(window->m_btnConfig);
    ASSERT_NE(g_pConfigDlg, nullptr);
    const HWND list = g_pConfigDlg->m_hWnd;

    ScriptedDialogs::AnswerMessageBox(IDOK);
    PressButton(window->m_btnRestore);

    EXPECT_EQ(g_Settings.SensitivityX, 5);
    EXPECT_EQ(g_Settings.SensitivityY, 5);
    EXPECT_EQ(g_Settings.ButtonFunction[3], 17);
    EXPECT_TRUE(SameRecord(g_SettingsSaved, g_Settings));
    EXPECT_TRUE(SameRecord(RecordOfFile(ProfilePath()), g_Settings));
    EXPECT_EQ(Caption(3), L"Fn");
    EXPECT_EQ(window->m_strItem[3], L"Fn");
    EXPECT_EQ(CaptionInFile(4), L"Fn");
    EXPECT_GE(FramesOf(0x0D), 1u);

    EXPECT_EQ(window->m_nButtonPanelState, 1);
    EXPECT_EQ(window->m_nAxisPanelState, 1);
    EXPECT_EQ(window->m_dlgPanel.m_bCollapsed[0], 1);
    EXPECT_EQ(g_nCurPage, 1);
    EXPECT_EQ(window->m_sliderX.m_nPos, 5);
    EXPECT_EQ(window->m_sliderY.m_nPos, 5);

    EXPECT_EQ(g_pConfigDlg, nullptr);
    EXPECT_FALSE(::IsWindow(list));
    EXPECT_TRUE(window->m_btnButtonAssign.IsWindowVisible());
    EXPECT_TRUE(window->m_btnMacroManager.IsWindowVisible());
    EXPECT_TRUE(window->m_btnAxisSetting.IsWindowVisible());
    for (const CBitmapBtn& box : window->m_btnAssign)
        EXPECT_FALSE(box.IsWindowVisible());
}

// The side column: each side item folds and opens its panel; the macro
// item, the axis item and the sliders move down by the button panel's
// height while it is open, and the sliders show only with their panel.
TEST_F(MainWindowCommands, SideColumnLayoutWithEachPanelOpenAndFolded)
{
    ASSERT_TRUE(Open());
    const int hb = g_nButtonPanelHeight;
    ASSERT_GT(hb, 0);
    struct Layout {
        bool buttons, axis;
        int shift;
    };
    for (const Layout& layout :
         {Layout{false, false, 0}, Layout{true, false, hb}, Layout{true, true, hb}, Layout{false, true, 0}}) {
        SCOPED_TRACE(testing::Message() << layout.buttons << layout.axis);
        if ((window->m_nButtonPanelState == 0) != layout.buttons)
            PressButton(window->m_btnButtonAssign);
        if ((window->m_nAxisPanelState == 0) != layout.axis)
            PressButton(window->m_btnAxisSetting);
        const int s = layout.shift;
        EXPECT_EQ(PlaceInParent(window->m_btnButtonAssign.m_hWnd), (RECT{20, 107, 262, 127}));
        EXPECT_EQ(PlaceInParent(window->m_btnMacroManager.m_hWnd), (RECT{20, 132 + s, 262, 170 + s}));
        EXPECT_EQ(PlaceInParent(window->m_btnAxisSetting.m_hWnd), (RECT{20, 175 + s, 262, 195 + s}));
        const RECT x{37, 235 + s, 245, 244 + s};
        const RECT y{37, 295 + s, 245, 304 + s};
        EXPECT_EQ(PlaceInParent(window->m_sliderX.m_hWnd), x);
        EXPECT_EQ(PlaceInParent(window->m_sliderY.m_hWnd), y);
        EXPECT_EQ(g_rcSliderX, x);
        EXPECT_EQ(g_rcSliderY, y);
        EXPECT_EQ(RECT(window->m_sliderX.m_rect), x);
        EXPECT_EQ(window->m_sliderX.IsWindowVisible() != FALSE, layout.axis);
        EXPECT_EQ(window->m_sliderY.IsWindowVisible() != FALSE, layout.axis);
        for (const CBitmapBtn& box : window->m_btnAssign)
            EXPECT_EQ(box.IsWindowVisible() != FALSE, layout.buttons);
    }
}

// The sliders show the record's values; a value outside 1..11 shows 1.
// A slider's position goes into the record (its low byte) and nowhere else.
TEST_F(MainWindowCommands, SlidersFollowTheRecordAndWriteIt)
{
    ASSERT_TRUE(Open());
    EXPECT_EQ(window->m_sliderX.m_nPos, 5);
    g_Settings.SensitivityX = 0;
    g_Settings.SensitivityY = 12;
    window->SyncSliders();
    EXPECT_EQ(window->m_sliderX.m_nPos, 1);
    EXPECT_EQ(window->m_sliderY.m_nPos, 1);
    g_Settings.SensitivityY = 11;
    window->SyncSliders();
    EXPECT_EQ(window->m_sliderY.m_nPos, 11);

    const size_t frames = CommandCodes().size();
    window->SendMessage(WM_MARKER_POS, 7, 2025);
    EXPECT_EQ(g_Settings.SensitivityX, 7);
    window->SendMessage(WM_MARKER_POS, 0x104, 2026);
    EXPECT_EQ(g_Settings.SensitivityY, 4);
    const SettingsRecord before = g_Settings;
    window->SendMessage(WM_MARKER_POS, 3, 2027);
    EXPECT_TRUE(SameRecord(g_Settings, before));
    EXPECT_EQ(CommandCodes().size(), frames);
}

// The Front and Side buttons switch the page and show which one is current.
TEST_F(MainWindowCommands, PageButtonsSwitchThePage)
{
    ASSERT_TRUE(Open());
    PressButton(window->m_btnSide);
    EXPECT_EQ(g_nCurPage, 2);
    EXPECT_EQ(window->m_btnFront.checked, 0);
    EXPECT_EQ(window->m_btnSide.checked, 1);
    PressButton(window->m_btnFront);
    EXPECT_EQ(g_nCurPage, 1);
    EXPECT_EQ(window->m_btnFront.checked, 1);
    EXPECT_EQ(window->m_btnSide.checked, 0);
}

// Config opens the profile list over the side column (a second Config
// does nothing); without its picture there is no list and the side column
// stays.
TEST_F(MainWindowCommands, ConfigOpensTheProfileListOnce)
{
    ASSERT_TRUE(Open());
    PressButton(window->m_btnButtonAssign);
    PressButton(window->m_btnConfig);
    ASSERT_NE(g_pConfigDlg, nullptr);
    CConfigDialog* list = g_pConfigDlg;
    EXPECT_TRUE(list->IsWindowVisible());
    EXPECT_EQ(::GetParent(list->m_hWnd), window->m_hWnd);
    EXPECT_EQ(g_nProfileChosen, list->GetSelectedProfile());
    EXPECT_EQ(g_nProfileChosen, 0);
    EXPECT_FALSE(window->m_btnButtonAssign.IsWindowVisible());
    EXPECT_FALSE(window->m_btnMacroManager.IsWindowVisible());
    EXPECT_FALSE(window->m_btnAxisSetting.IsWindowVisible());
    for (const CBitmapBtn& box : window->m_btnAssign)
        EXPECT_FALSE(box.IsWindowVisible());

    PressButton(window->m_btnConfig);
    EXPECT_EQ(g_pConfigDlg, list);

    window->CloseProfileList();
    EXPECT_EQ(g_pConfigDlg, nullptr);
    EXPECT_TRUE(window->m_btnMacroManager.IsWindowVisible());

    ASSERT_TRUE(::DeleteFileW(Skin(L"Config\\Config.png").c_str()));
    ScriptedDialogs::AnswerMessageBox(IDOK);
    PressButton(window->m_btnConfig);
    ASSERT_EQ(ScriptedDialogs::MessageBoxCalls().size(), 1u);
    EXPECT_EQ(ScriptedDialogs::MessageBoxCalls()[0].text, L"error");
    EXPECT_EQ(g_pConfigDlg, nullptr);
    EXPECT_TRUE(window->m_btnButtonAssign.IsWindowVisible());
    EXPECT_TRUE(window->m_btnAxisSetting.IsWindowVisible());
}

// The help button shows the two-item help menu at the pointer, 120 wide.
TEST_F(MainWindowCommands, HelpMenuHasTheWebAddressAndTheVersion)
{
    ASSERT_TRUE(Open());
    bool seen = false;
    menutest::MenuStepHook hook([&](int) {
        const std::vector<HWND> menus = menutest::MenuWindows();
        ASSERT_EQ(menus.size(), 1u);
        CExMenu* menu = MenuOfWindow(menus[0]);
        ASSERT_NE(menu, nullptr);
        seen = true;
        ASSERT_EQ(::GetMenuItemCount(menu->m_hMenu), 2);
        EXPECT_EQ(::GetMenuItemID(menu->m_hMenu, 0), 1001u);
        EXPECT_EQ(::GetMenuItemID(menu->m_hMenu, 1), 1003u);
        EXPECT_EQ(menu->m_ItemList.GetItemText(1001), g_TextTable.Get(524));
        EXPECT_FALSE(g_TextTable.Get(524).IsEmpty());
        EXPECT_EQ(menu->m_ItemList.GetItemText(1003), L"Version:1.3");
        EXPECT_EQ(menu->m_nMenuWidth, 120);
    });
    menutest::QueueKeys(*window, {VK_ESCAPE, VK_ESCAPE});
    PressButton(window->m_btnHelp);
    EXPECT_TRUE(seen);
}
