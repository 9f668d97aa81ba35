// Macros deleted in the real macro manager window, closed with OK or with
// Cancel: every button of every profile keeps playing the macro its caption
// names, in the current profile's record, captions and saved state, and in
// every listed profile's config<n>.bin and str<n>.ini; a button whose macro
// was deleted becomes Deactivated. A profile whose files cannot be written
// is left whole.

#include "main_window_helpers.h"

#include "macro/macro_manager_layout.h"
#include "macro/macro_program_dialog.h"
#include "model/device_records.h"
#include "support/file_held_open.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

using namespace apptest;

namespace {

constexpr uint8_t kMacro = 11;
constexpr uint8_t kDeactivated = 13;

// The HID usage of each macro's one key: macro a presses A, b B, c C, d D.
constexpr uint8_t kUsageA = 0x04;
constexpr uint8_t kUsageC = 0x06;
constexpr uint8_t kUsageD = 0x07;

// A button as the owner sees it and as the mouse plays it.
struct Button {
    int index;
    uint8_t type;
    std::wstring caption;
    uint8_t usage;  // the first key of the macro its slot holds, for type 11
};

class MainWindowMacros : public MainWindowTest {
protected:
    // Macros a b c d in record.ini; two profiles, P1 the current one:
    // P1 plays a, b, c on buttons 4, 5, 6; P2 plays d, b, c on buttons 3, 4, 6.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        SetLanguage(L"EN");
        ::WritePrivateProfileStringW(L"Profile", nullptr, nullptr, folder.file(L"str.ini").c_str());
        for (const auto& [key, value] : {std::pair{L"CurProfileName", L"P1"}, std::pair{L"ItemCount", L"2"},
                                         std::pair{L"Item0", L"P1"}, std::pair{L"Item1", L"P2"}})
            ::WritePrivateProfileStringW(L"Profile", key, value, folder.file(L"str.ini").c_str());
        WriteUtf16File(folder.file(L"record.ini"), L"[MacroName]\r\nMacroCount=4\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n" +
                                                       Macro(L"a", L"A", 1) + Macro(L"b", L"B", 3) +
                                                       Macro(L"c", L"C", 2) + Macro(L"d", L"D", 4));
        WriteProfile(0, {{4, 0, L"Macro:a"}, {5, 1, L"Macro:b"}, {6, 2, L"Macro:c"}});
        WriteProfile(1, {{3, 3, L"Macro:d"}, {4, 1, L"Macro:b"}, {6, 2, L"Macro:c"}});
    }

    static std::wstring Macro(const wchar_t* name, const wchar_t* key, int loops)
    {
        return std::wstring(L"[") + name + L"]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=" + std::to_wstring(loops) +
               L"\r\nItemCount=2\r\nItem0=" + key + L"   Dn\r\nItem1=" + key + L"   Up\r\n";
    }

    struct Assignment {
        int button;
        uint8_t macro;
        const wchar_t* caption;
    };
    // Profile n's file as shipped with these macro buttons, its slots
    // encoded from the macros as they are listed now.
    void WriteProfile(int n, const std::vector<Assignment>& assignments) const
    {
        ProfileFile file{kProfileFileFlag, RecordOfFile(ProfilePath(n))};
        for (const Assignment& a : assignments) {
            file.Settings.ButtonFunction[static_cast<size_t>(a.button)] = kMacro;
            file.Settings.MacroIndex[static_cast<size_t>(a.button)] = a.macro;
            ::WritePrivateProfileStringW(L"Setting-EN", (L"Item" + std::to_wstring(a.button + 1)).c_str(), a.caption,
                                         CaptionFile(n).c_str());
        }
        for (uint8_t k = 0; k < 4; ++k) {
            file.Settings.MacroSlot[k][1] = 1;
            file.Settings.MacroSlot[k][3] = static_cast<uint8_t>(0x04 + k);
        }
        WriteBinaryFile(ProfilePath(n), &file, sizeof file);
    }

    // Runs the macro manager from its side item; inside it, b is selected
    // and deleted with the window's Delete button, then the window is closed
    // with OK or Cancel, all through the window's own messages.
    void DeleteBInTheMacroManager(bool ok)
    {
        DialogWatch watch([&](CWnd& dialog) {
            auto* manager = dynamic_cast<CMacroProgramDialog*>(&dialog);
            ASSERT_NE(manager, nullptr);
            const auto click = [&](const RECT& area) {
                manager->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                     MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
            };
            manager->m_lbSelMacro.SetCurSel(1);
            manager->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_MACRO_LIST, LBN_SELCHANGE),
                                 reinterpret_cast<LPARAM>(manager->m_lbSelMacro.m_hWnd));
            click(macro_manager::kDeleteRect);
            click(ok ? macro_manager::kOkRect : macro_manager::kCancelRect);
        });
        PressButton(window->m_btnMacroManager);
        ASSERT_EQ(watch.opened, 1);
        ASSERT_EQ(window->m_dlgMacroManager.m_store.MacroNames(), (std::vector<CString>{L"a", L"c", L"d"}));
    }

    static void ExpectButtons(const SettingsRecord& record, const std::function<std::wstring(int)>& caption,
                              const std::vector<Button>& expected)
    {
        for (const Button& b : expected) {
            SCOPED_TRACE("button " + std::to_string(b.index));
            const auto i = static_cast<size_t>(b.index);
            EXPECT_EQ(record.ButtonFunction[i], b.type);
            EXPECT_EQ(caption(b.index), b.caption);
            if (b.type == kMacro && record.MacroIndex[i] < kMacroSlotCount) {
                EXPECT_EQ(record.MacroSlot[record.MacroIndex[i]][3], b.usage) << "the macro its slot holds";
            }
        }
    }

    // After b was deleted: a and c keep their buttons, c and d under their
    // numbers now; b's buttons are Deactivated.
    const std::vector<Button> kCurrentAfter{{4, kMacro, L"Macro:a", kUsageA},
                                            {5, kDeactivated, L"Deactivated", 0},
                                            {6, kMacro, L"Macro:c", kUsageC}};
    const std::vector<Button> kOtherAfter{{3, kMacro, L"Macro:d", kUsageD},
                                          {4, kDeactivated, L"Deactivated", 0},
                                          {6, kMacro, L"Macro:c", kUsageC}};

    // Memory, saved state and both profiles' files are as kCurrentAfter and
    // kOtherAfter say, and every profile holds the current macro slots.
    void ExpectEveryProfileFollowed()
    {
        SCOPED_TRACE("followed");
        {
            SCOPED_TRACE("memory");
            ExpectButtons(
                g_Settings, [&](int i) { return Caption(i).str(); }, kCurrentAfter);
            ExpectButtons(
                g_Settings, [&](int i) { return window->m_strItem[static_cast<size_t>(i)].str(); }, kCurrentAfter);
        }
        {
            SCOPED_TRACE("saved state");
            ExpectButtons(
                g_SettingsSaved, [&](int i) { return window->m_strSavedItem[static_cast<size_t>(i)].str(); },
                kCurrentAfter);
        }
        for (int n : {0, 1}) {
            SCOPED_TRACE("files of profile " + std::to_string(n));
            const SettingsRecord file = RecordOfFile(ProfilePath(n));
            ExpectButtons(
                file, [&](int i) { return CaptionInFile(i + 1, n); }, n == 0 ? kCurrentAfter : kOtherAfter);
            EXPECT_TRUE(file.MacroSlot == g_Settings.MacroSlot) << "the current profile's slots";
        }
        EXPECT_EQ(g_Settings.MacroIndex[6], 1) << "c stands second now";
        EXPECT_EQ(RecordOfFile(ProfilePath(1)).MacroIndex[3], 2) << "d stands third now";
    }
};

}  // namespace

// OK: the current profile's record gets the manager's encoding, every
// button follows its macro, in memory and in both profiles' files; nothing
// is sent before Save.
TEST_F(MainWindowMacros, DeleteThenOkFollowsInEveryProfile)
{
    ASSERT_TRUE(Open());
    const size_t framesBefore = CommandCodes().size();

    DeleteBInTheMacroManager(true);

    ExpectEveryProfileFollowed();
    EXPECT_EQ(g_Settings.MacroSlot[1][2], 0x05) << "the manager's encoding: its shortest pause is 50 ms";
    EXPECT_EQ(CommandCodes().size(), framesBefore);
}

// Cancel: the manager has already rewritten record.ini, so the buttons
// follow just as after OK, with the slots encoded as loading the profile
// encodes them; after a restart every button still plays what its caption
// names.
TEST_F(MainWindowMacros, DeleteThenCancelFollowsInEveryProfileAndAfterARestart)
{
    ASSERT_TRUE(Open());

    DeleteBInTheMacroManager(false);

    ExpectEveryProfileFollowed();
    EXPECT_EQ(g_Settings.MacroSlot[1][2], 0x01) << "the load's encoding: its shortest pause is 10 ms";

    window.reset();
    StopReadThread();
    ResetGlobals();
    ASSERT_TRUE(Open());
    SCOPED_TRACE("restarted");
    ExpectButtons(
        g_Settings, [&](int i) { return Caption(i).str(); }, kCurrentAfter);
}

// The main window's Cancel after the manager's: the saved record it returns
// to has followed too, so "Macro:c" still plays c.
TEST_F(MainWindowMacros, MainWindowCancelReturnsToAFollowedRecord)
{
    ASSERT_TRUE(Open());
    DeleteBInTheMacroManager(true);

    PressButton(window->m_btnCancel);

    ExpectButtons(
        g_Settings, [&](int i) { return Caption(i).str(); }, kCurrentAfter);
}

// A profile whose file another program holds open is not written, neither
// its record nor its captions, and the debug output says so; the current
// profile follows all the same.
TEST_F(MainWindowMacros, ProfileThatCannotBeWrittenIsLeftWhole)
{
    ASSERT_TRUE(Open());
    const std::vector<unsigned char> profileBefore = ReadBinaryFile(ProfilePath(1));
    const std::vector<unsigned char> captionsBefore = ReadBinaryFile(CaptionFile(1));
    {
        FileHeldOpen holder(CaptionFile(1));
        ASSERT_TRUE(holder.held());
        DeleteBInTheMacroManager(true);
    }

    EXPECT_EQ(ReadBinaryFile(ProfilePath(1)), profileBefore);
    EXPECT_EQ(ReadBinaryFile(CaptionFile(1)), captionsBefore);
    EXPECT_TRUE(Logged(L"cannot be written"));
    ExpectButtons(
        g_Settings, [&](int i) { return Caption(i).str(); }, kCurrentAfter);
    ExpectButtons(
        RecordOfFile(ProfilePath(0)), [&](int i) { return CaptionInFile(i + 1, 0); }, kCurrentAfter);
}
