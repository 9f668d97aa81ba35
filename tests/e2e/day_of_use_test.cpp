// One owner's day with the running program: the boxes show the captions of
// the profile's caption file; a report rate and a button are changed and
// applied, and the files and the mouse's upload hold exactly that; a
// further change is cancelled, which hides the window, and the saved state
// is what is applied once it is shown again;
// the program ends from its notification-area icon and, started again,
// shows and applies what was saved.

#include "program_steps.h"

#include "model/device_records.h"
#include "pages/panel_layout.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

namespace {

using namespace e2e;
using DayOfUse = ProgramEndToEnd;

constexpr int kBoxCount = 7;

// The button whose box stands in screen row `row`: the fourth and fifth
// rows hold buttons 4 and 3.
int ButtonOfRow(int row)
{
    return row == 3 ? 4 : row == 4 ? 3 : row;
}

// The value of `key` in `section` of an ini file's text.
std::wstring IniValue(const std::wstring& text, const std::wstring& section, const std::wstring& key)
{
    const size_t start = text.find(L"[" + section + L"]");
    if (start == std::wstring::npos)
        return {};
    const size_t end = text.find(L"\n[", start);
    const std::wstring wanted = L"\n" + key + L"=";
    const size_t at = text.find(wanted, start);
    if (at == std::wstring::npos || at > end)
        return {};
    const size_t from = at + wanted.size();
    return text.substr(from, text.find_first_of(L"\r\n", from) - from);
}

}  // namespace

TEST_F(DayOfUse, ChangeApplyCancelEndAndStartAgain)
{
    HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);

    // The boxes show the profile's captions.
    ASSERT_TRUE(ClickUntil(main, kButtonAssignItem, [&] { return VisibleChildAt(main, BoxOfRow(6)) != nullptr; }))
        << "the boxes did not show";
    const std::wstring captions = folder.ReadText(L"str0.ini");
    for (int row = 0; row < kBoxCount; ++row) {
        const std::wstring item = L"Item" + std::to_wstring(ButtonOfRow(row) + 1);
        EXPECT_EQ(WindowText(VisibleChildAt(main, BoxOfRow(row))), IniValue(captions, L"Setting-EN", item))
            << "row " << row;
    }

    // 250 reports a second, and the fourth row's button made "Back".
    ASSERT_TRUE(ClickUntil(main, BoxOfRow(3), [&] { return WaitForOtherWindow(main, L"#32768", 0) != nullptr; }))
        << "no menu";
    for (int k = 0; k < 5; ++k)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return program->FindWindow({std::nullopt, L"#32768", true}) == nullptr; }, 5000));
    const HWND page = OpenPanelSection(main, kSectionReportRate);
    ASSERT_NE(page, nullptr) << "the report-rate page did not open";
    ASSERT_TRUE(ClickReportRate(page, kRing250Hz)) << "the ring did not take the click";
    ASSERT_TRUE(ApplyAndWaitForUpload(main));

    SettingsRecord saved{};
    ASSERT_TRUE(WaitForSavedRecord(
        [](const SettingsRecord& r) {
            return r.ReportRateCode == 4 && r.ButtonFunction[4] == static_cast<uint8_t>(ButtonFunctionType::Back);
        },
        saved))
        << "config0.bin: rate " << int(saved.ReportRateCode) << ", button 4 type " << int(saved.ButtonFunction[4]);
    const std::vector<EmulatedLogEntry> log = program->FrameLog();
    const ProfileBlock block = BuildProfileBlock(saved);
    const std::vector<uint8_t> sentBlock = LastRecordOf(log, kCmdWriteProfileBlock);
    ASSERT_EQ(sentBlock.size(), kDeviceRecordSize);
    EXPECT_TRUE(std::equal(sentBlock.begin(), sentBlock.end(), block.begin())) << "the profile block";
    const ButtonTable buttons = BuildButtonTable(saved);
    const auto table = TableBytes(buttons);
    const std::vector<uint8_t> sentTable = LastRecordOf(log, kCmdWriteButtonTable);
    ASSERT_EQ(sentTable.size(), kDeviceRecordSize);
    EXPECT_TRUE(std::equal(sentTable.begin(), sentTable.end(), table.begin())) << "the button table";
    const std::wstring backCaption = WindowText(VisibleChildAt(main, BoxOfRow(3)));
    EXPECT_FALSE(backCaption.empty());
    EXPECT_EQ(IniValue(folder.ReadText(L"str0.ini"), L"Setting-EN", L"Item5"), backCaption);

    // A further change, cancelled: the window goes to the notification
    // area, and once shown again from its icon the next Apply sends the
    // saved rate.
    ASSERT_TRUE(ClickReportRate(page, kRing125Hz)) << "the ring did not take the click";
    ASSERT_TRUE(ClickUntil(main, kCancelButton, [&] { return !IsWindowVisible(main); }))
        << "Cancel did not hide the window";
    ClickIcon(main, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000)) << "the icon did not show it";
    SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringToFront(main);
    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    const std::vector<uint8_t> rate = LastFrameOf(program->FrameLog(), kCmdSetReportRate);
    ASSERT_GE(rate.size(), 4u);
    EXPECT_EQ(rate[3], 4);
    EXPECT_EQ(RecordOf(folder.ReadBytes(L"config0.bin")).ReportRateCode, 4);

    // "Exit" from the icon's menu ends the program.
    const std::optional<DWORD> exitCode = ExitFromIconMenu(main);
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
    EXPECT_EQ(*exitCode, 1u);

    // Started again, it shows and applies what was saved.
    main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ClickUntil(main, kButtonAssignItem, [&] { return VisibleChildAt(main, BoxOfRow(3)) != nullptr; }));
    EXPECT_EQ(WindowText(VisibleChildAt(main, BoxOfRow(3))), backCaption);
    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    const std::vector<uint8_t> rateAgain = LastFrameOf(program->FrameLog(), kCmdSetReportRate);
    ASSERT_GE(rateAgain.size(), 4u);
    EXPECT_EQ(rateAgain[3], 4);
    const std::vector<uint8_t> tableAgain = LastRecordOf(program->FrameLog(), kCmdWriteButtonTable);
    ASSERT_EQ(tableAgain.size(), kDeviceRecordSize);
    EXPECT_TRUE(std::equal(tableAgain.begin(), tableAgain.end(), table.begin()));
}
