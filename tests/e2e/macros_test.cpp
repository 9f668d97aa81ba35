// Macros and single keys in the running program: a macro recorded with real
// keys in the macro manager, and a key and a macro assigned to buttons with
// their dialogs, reach record.ini, the profile file and the mouse.

#include "program_steps.h"

#include "model/device_records.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <string>

namespace {

using namespace e2e;
using MacrosEndToEnd = ProgramEndToEnd;

// Macro manager (client points).
constexpr POINT kManagerNew{46, 379};
constexpr POINT kManagerRecord{339, 99};
constexpr POINT kManagerOk{325, 408};
constexpr POINT kManagerNameList{75, 200};
constexpr POINT kManagerKeyList{207, 200};

// Downs from the menu's opening to reach its single-key and macro items.
constexpr int kDownsToSingleKey = 13;
constexpr int kDownsToMacro = 14;

// Key capture and macro assignment dialogs (client points).
constexpr POINT kKeyDialogOk{276, 262};
constexpr POINT kMacroDropDown{90, 136};
constexpr POINT kMacroFirstListItem{90, 152};
constexpr POINT kMacroWhileHeldMark{228, 186};
constexpr POINT kMacroDialogOk{279, 262};

// Windows of other tests running beside this one may take the foreground
// meanwhile; the user would click the window first.
void ToFront(HWND window)
{
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringToFront(window);
}

std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The item lines of record.ini's first macro, without its pauses.
std::vector<std::wstring> KeyLinesOf(const std::wstring& recordIni)
{
    std::vector<std::wstring> keys;
    for (const std::wstring& line : Lines(recordIni)) {
        const size_t equals = line.find(L'=');
        if (line.rfind(L"Item", 0) == 0 && line.size() > 4 && iswdigit(line[4]) && equals != std::wstring::npos &&
            line.find(L" ms") == std::wstring::npos)
            keys.push_back(line.substr(equals + 1));
    }
    return keys;
}

class MacrosTest : public MacrosEndToEnd {
protected:
    // Opens the assignment menu of screen row `row` and picks the item
    // `downs` steps down.
    void ChooseFromMenu(HWND main, int row, int downs)
    {
        ASSERT_TRUE(ShowAssignBoxes(main)) << "the boxes did not show";
        ASSERT_TRUE(ClickUntil(main, BoxOfRow(row), [&] { return WaitForOtherWindow(main, L"#32768", 0) != nullptr; }))
            << "no menu";
        for (int k = 0; k < downs; ++k)
            PressKey(VK_DOWN);
        PressKey(VK_RETURN);
    }

    // Records "H" "I" as a new macro in the macro manager and closes it with OK.
    void RecordHiInTheManager(HWND main)
    {
        ClickWhenReachable(main, kMacroManagerItem);
        const HWND manager = WaitForOtherWindow(main, L"#32770");
        ASSERT_NE(manager, nullptr) << "no macro manager";
        ToFront(manager);
        const HWND names = VisibleChildAt(manager, kManagerNameList);
        const HWND keys = VisibleChildAt(manager, kManagerKeyList);
        ASSERT_TRUE(names && keys) << "no lists";
        ASSERT_TRUE(ClickUntil(manager, kManagerNew, [&] { return SendMessageW(names, LB_GETCURSEL, 0, 0) == 0; }))
            << "no new macro";
        const HWND record = VisibleChildAt(manager, kManagerRecord);
        ASSERT_TRUE(ClickUntil(manager, kManagerRecord, [&] { return WindowText(record) == L"Stop Recording"; }))
            << "recording did not start";
        for (WORD key : {WORD('H'), WORD('I')})
            PressKey(key);
        EXPECT_TRUE(WaitUntil([&] { return SendMessageW(keys, LB_GETCOUNT, 0, 0) >= 4; }, 5000))
            << SendMessageW(keys, LB_GETCOUNT, 0, 0) << " lines recorded";
        ASSERT_TRUE(ClickUntil(manager, kManagerRecord, [&] { return WindowText(record) == L"Start Recording"; }))
            << "recording did not stop";
        ASSERT_TRUE(ClickUntil(manager, kManagerOk, [&] { return !IsWindow(manager) || !IsWindowVisible(manager); }))
            << "the macro manager did not close";
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }, 5000));
        ToFront(main);
    }
};

}  // namespace

TEST_F(MacrosTest, RecordedMacroReachesRecordIniAndTheMouse)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    RecordHiInTheManager(main);
    ASSERT_FALSE(HasFatalFailure());

    const std::vector<std::wstring> expected{L"H   Dn", L"H   Up", L"I   Dn", L"I   Up"};
    EXPECT_TRUE(WaitUntil([&] { return KeyLinesOf(folder.ReadText(L"record.ini")) == expected; }, 5000))
        << testing::PrintToString(folder.ReadText(L"record.ini"));

    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    SettingsRecord saved{};
    ASSERT_TRUE(WaitForSavedRecord([](const SettingsRecord& r) { return r.MacroSlot[0][2] != 0; }, saved))
        << "config0.bin holds no macro in slot 1";
    const std::vector<uint8_t> sent = LastRecordOf(program->FrameLog(), kCmdWriteMacro, 1);
    ASSERT_EQ(sent.size(), kDeviceRecordSize);
    const auto slot = MacroRecordBytes(saved, 0);
    EXPECT_TRUE(std::equal(sent.begin(), sent.end(), slot.begin()));
    // The keyboard usages of H and I, each pressed and released.
    EXPECT_GE(std::count(sent.begin(), sent.end(), 0x0B), 2) << "H";
    EXPECT_GE(std::count(sent.begin(), sent.end(), 0x0C), 2) << "I";
}

TEST_F(MacrosTest, AssignedKeyAndMacroReachTheButtonTable)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    RecordHiInTheManager(main);
    ASSERT_FALSE(HasFatalFailure());

    // Button 5: the key F5, pressed on the keyboard while the dialog listens.
    ChooseFromMenu(main, 5, kDownsToSingleKey);
    ASSERT_FALSE(HasFatalFailure());
    const HWND keyDialog = WaitForOtherWindow(main, L"#32770");
    ASSERT_NE(keyDialog, nullptr) << "no key dialog";
    ToFront(keyDialog);
    PressKey(VK_F5);
    ClickWhenReachable(keyDialog, kKeyDialogOk);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(keyDialog) || !IsWindowVisible(keyDialog); }, 5000));
    ToFront(main);

    // Button 6: the first macro, repeated while the button is held.
    ChooseFromMenu(main, 6, kDownsToMacro);
    ASSERT_FALSE(HasFatalFailure());
    const HWND macroDialog = WaitForOtherWindow(main, L"#32770");
    ASSERT_NE(macroDialog, nullptr) << "no macro dialog";
    ToFront(macroDialog);
    ClickWhenReachable(macroDialog, kMacroDropDown);
    ClickWhenReachable(macroDialog, kMacroFirstListItem);
    ClickWhenReachable(macroDialog, kMacroWhileHeldMark);
    ClickWhenReachable(macroDialog, kMacroDialogOk);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(macroDialog) || !IsWindowVisible(macroDialog); }, 5000));
    ToFront(main);

    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    SettingsRecord saved{};
    ASSERT_TRUE(WaitForSavedRecord(
        [](const SettingsRecord& r) {
            return r.ButtonFunction[5] == static_cast<uint8_t>(ButtonFunctionType::SingleKey) &&
                   r.ButtonFunction[6] == static_cast<uint8_t>(ButtonFunctionType::Macro);
        },
        saved))
        << "config0.bin has types " << int(saved.ButtonFunction[5]) << " and " << int(saved.ButtonFunction[6]);
    EXPECT_EQ(saved.SingleKey[5], 0x3E) << "the keyboard usage of F5";
    EXPECT_EQ(saved.MacroIndex[6], 0);
    EXPECT_EQ(saved.MacroRepeatMode[6], 2);

    const std::vector<uint8_t> table = LastRecordOf(program->FrameLog(), kCmdWriteButtonTable);
    ASSERT_EQ(table.size(), kDeviceRecordSize);
    const ButtonTable expected = BuildButtonTable(saved);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), TableBytes(expected).begin()));
    for (int button : {5, 6}) {
        const ButtonCode code = ButtonCodesOf(saved, button).Primary;
        EXPECT_NE(std::search(table.begin(), table.end(), code.begin(), code.end()), table.end()) << button;
    }
}
