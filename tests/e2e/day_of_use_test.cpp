// One owner's day with the running program: the boxes show the captions of
// the profile's caption file; a report rate and a button are changed and
// applied, and the files and the mouse's upload hold exactly that; a
// further change is cancelled, which hides the window, and the saved state
// is what is applied once it is shown again;
// the program ends from its notification-area icon and, started again,
// shows and applies what was saved. The other pages of the day: a DPI
// stage's value and colour (from the colour dialog), the lighting, angle
// snapping and the wheel's lines, applied; further changes to them
// cancelled leave the pages showing what was saved.

#include "program_steps.h"

#include "model/device_records.h"
#include "pages/panel_layout.h"
#include "resource.h"

#include <colordlg.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

namespace {

using namespace e2e;
using DayOfUse = ProgramEndToEnd;

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

// Lighting page points: zone A's Respiration box; angle-snapping page:
// the marks of on and off; wheel page: the arrow that adds a line.
constexpr POINT kRespiration{14, 43};
constexpr RECT kZoneAEffects{0, 0, 100, 130};
constexpr POINT kAngleSnapOn{25, 30};
constexpr POINT kAngleSnapOff{140, 30};
constexpr RECT kAngleSnapMarks{20, 25, 160, 45};
constexpr POINT kWheelLineUp{195, 17};
constexpr RECT kWholePage{0, 0, 1000, 1000};
// The wheel page left of its number field (whose caret blinks).
constexpr RECT kWheelModes{0, 0, 145, 1000};
// The colour swatch of DPI stage `stage` (page coordinates).
constexpr POINT DpiSwatch(int stage)
{
    return {30 + 30 * stage, 220};
}

// Colour dialog: the cell in row 1, column 2 of its basic colours.
POINT BasicColourCell(HWND dialog)
{
    const HWND box = GetDlgItem(dialog, COLOR_BOX1);
    RECT rect{};
    GetWindowRect(box, &rect);
    POINT cell{rect.left + (rect.right - rect.left) * 5 / 16, rect.top + (rect.bottom - rect.top) * 3 / 12};
    ScreenToClient(dialog, &cell);
    return cell;
}

// The middle of `child` in `parent`'s client coordinates.
POINT CentreOf(HWND parent, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(parent, &centre);
    return centre;
}

// The basic colours' box of the colour dialog, in its client coordinates.
RECT BasicColoursBox(HWND dialog)
{
    const HWND box = GetDlgItem(dialog, COLOR_BOX1);
    RECT rect{};
    GetWindowRect(box, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// `part` of `page` (page coordinates, cut to the page) on the screen.
RECT PartOnScreen(HWND page, const RECT& part)
{
    RECT client{};
    GetClientRect(page, &client);
    RECT cut{};
    IntersectRect(&cut, &client, &part);
    return ScreenRectOf(page, cut);
}

// What the screen shows of `part` of `page` once it has painted: not one
// colour all over (the panel's background before the page paints) and the
// same for a whole second (under Wine what the screen shows can lag behind
// the program's painting for a while).
std::vector<COLORREF> PaintedLook(HWND page, const RECT& part)
{
    const RECT area = PartOnScreen(page, part);
    WaitUntil(
        [&] {
            const std::vector<COLORREF> shown = ScreenRegion(area);
            return std::adjacent_find(shown.begin(), shown.end(), std::not_equal_to<>()) != shown.end();
        },
        5000);
    WaitUntilAnswering(page);
    std::vector<COLORREF> shown = ScreenRegion(area);
    ULONGLONG sameSince = GetTickCount64();
    WaitUntil(
        [&] {
            std::vector<COLORREF> again = ScreenRegion(area);
            if (again != shown) {
                shown = std::move(again);
                sameSince = GetTickCount64();
            }
            return GetTickCount64() - sameSince >= 1000;
        },
        8000, 100);
    return shown;
}

// True when the screen comes to show `look` of `part` of `page` within 5 s.
bool ComesToShow(HWND page, const RECT& part, const std::vector<COLORREF>& look)
{
    return WaitUntil([&] { return ScreenRegion(PartOnScreen(page, part)) == look; }, 5000);
}

}  // namespace

TEST_F(DayOfUse, ChangeApplyCancelEndAndStartAgain)
{
    HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);

    // The boxes show the profile's captions.
    ASSERT_TRUE(ShowAssignBoxes(main)) << "the boxes did not show";
    const std::wstring captions = folder.ReadText(L"str0.ini");
    for (int row = 0; row < kAssignBoxRows; ++row) {
        const std::wstring item = L"Item" + std::to_wstring(ButtonOfRow(row) + 1);
        EXPECT_EQ(WindowText(AssignBoxAt(main, row)), IniValue(captions, L"Setting-EN", item)) << "row " << row;
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
    const std::wstring backCaption = WindowText(AssignBoxAt(main, 3));
    EXPECT_FALSE(backCaption.empty());
    EXPECT_EQ(IniValue(folder.ReadText(L"str0.ini"), L"Setting-EN", L"Item5"), backCaption);

    // A further change, cancelled: the window goes to the notification
    // area, and once shown again from its icon the next Apply sends the
    // saved rate.
    ASSERT_TRUE(ClickReportRate(page, kRing125Hz)) << "the ring did not take the click";
    ASSERT_TRUE(CancelAndShowFromIcon(main));
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
    ASSERT_TRUE(ShowAssignBoxes(main));
    EXPECT_EQ(WindowText(AssignBoxAt(main, 3)), backCaption);
    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    const std::vector<uint8_t> rateAgain = LastFrameOf(program->FrameLog(), kCmdSetReportRate);
    ASSERT_GE(rateAgain.size(), 4u);
    EXPECT_EQ(rateAgain[3], 4);
    const std::vector<uint8_t> tableAgain = LastRecordOf(program->FrameLog(), kCmdWriteButtonTable);
    ASSERT_EQ(tableAgain.size(), kDeviceRecordSize);
    EXPECT_TRUE(std::equal(tableAgain.begin(), tableAgain.end(), table.begin()));
}

TEST_F(DayOfUse, PagesChangedAppliedAndFurtherChangesCancelled)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);

    // DPI stage 2: half way up, and a colour picked in the colour dialog.
    HWND page = OpenPanelSection(main, kSectionDpi);
    ASSERT_NE(page, nullptr) << "the DPI page did not open";
    ASSERT_TRUE(DragUntilRedrawn(page, DpiSlider(1, 170), DpiSlider(1, 88), DpiSliderColumn(1)))
        << "the slider did not move";
    HWND dialog = nullptr;
    ASSERT_TRUE(ClickUntil(page, DpiSwatch(1), [&] {
        return (dialog = WaitForOtherWindow(main, L"#32770", 0)) != nullptr;
    })) << "no colour dialog";
    const POINT cell = BasicColourCell(dialog);
    SettledScreenRegion(dialog, ClientRectOnScreen(dialog));
    const COLORREF picked = ClientPixel(dialog, cell);
    // The cell taken shows a focus frame.
    ASSERT_TRUE(ClickUntilRedrawn(dialog, cell, BasicColoursBox(dialog))) << "the cell was not taken";
    ASSERT_TRUE(ClickUntil(dialog, CentreOf(dialog, GetDlgItem(dialog, IDOK)), [&] { return !IsWindow(dialog); }))
        << "the colour dialog did not close";
    ASSERT_TRUE(ClosePanelSection(main, kSectionDpi, page));

    // Lighting: Respiration, zone B following zone A.
    page = OpenPanelSection(main, kSectionLighting);
    ASSERT_NE(page, nullptr) << "the lighting page did not open";
    ASSERT_TRUE(ClickUntilRedrawn(page, kRespiration, kZoneAEffects));
    ASSERT_TRUE(ClosePanelSection(main, kSectionLighting, page));

    // Angle snapping on.
    page = OpenPanelSection(main, kSectionAngleSnap);
    ASSERT_NE(page, nullptr) << "the angle-snapping page did not open";
    ASSERT_TRUE(ClickUntilRedrawn(page, kAngleSnapOn, kAngleSnapMarks));
    ASSERT_TRUE(ClosePanelSection(main, kSectionAngleSnap, page));

    // Five lines a notch, from three.
    page = OpenPanelSection(main, kSectionWheelSpeed);
    ASSERT_NE(page, nullptr) << "the wheel page did not open";
    const HWND lines = GetDlgItem(page, IDC_WHEEL_LINES);
    ASSERT_EQ(WindowText(lines), L"3");
    ASSERT_TRUE(ClickUntil(page, kWheelLineUp, [&] { return WindowText(lines) == L"4"; }));
    ASSERT_TRUE(ClickUntil(page, kWheelLineUp, [&] { return WindowText(lines) == L"5"; }));
    ASSERT_TRUE(ClosePanelSection(main, kSectionWheelSpeed, page));

    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    SettingsRecord saved{};
    ASSERT_TRUE(WaitForSavedRecord([](const SettingsRecord& r) { return r.WheelLines == 5; }, saved));
    EXPECT_EQ(saved.DpiStage[1], 108);
    EXPECT_EQ(RGB(saved.DpiStageColor[1][0], saved.DpiStageColor[1][1], saved.DpiStageColor[1][2]), picked);
    EXPECT_EQ(saved.ZoneAEffect, 2);
    EXPECT_EQ(saved.ZoneBEffect, 2) << "zone B follows zone A";
    EXPECT_EQ(saved.LightingLinkMode, 1);
    EXPECT_EQ(saved.AngleSnapping, 1);

    // The upload carries the record byte for byte: the profile block, the
    // button table and the twelve macro records.
    const std::vector<EmulatedLogEntry> log = program->FrameLog();
    const ProfileBlock block = BuildProfileBlock(saved);
    const std::vector<uint8_t> sentBlock = LastRecordOf(log, kCmdWriteProfileBlock);
    ASSERT_EQ(sentBlock.size(), kDeviceRecordSize);
    EXPECT_TRUE(std::equal(sentBlock.begin(), sentBlock.end(), block.begin()));
    const ButtonTable buttons = BuildButtonTable(saved);
    const auto table = TableBytes(buttons);
    const std::vector<uint8_t> sentTable = LastRecordOf(log, kCmdWriteButtonTable);
    ASSERT_EQ(sentTable.size(), kDeviceRecordSize);
    EXPECT_TRUE(std::equal(sentTable.begin(), sentTable.end(), table.begin()));
    for (int slot = 0; slot < 12; ++slot) {
        const auto macro = MacroRecordBytes(saved, slot);
        const std::vector<uint8_t> sentMacro = LastRecordOf(log, kCmdWriteMacro, static_cast<uint8_t>(slot + 1));
        ASSERT_EQ(sentMacro.size(), kDeviceRecordSize) << "macro " << slot + 1;
        EXPECT_TRUE(std::equal(sentMacro.begin(), sentMacro.end(), macro.begin())) << "macro " << slot + 1;
    }
    const std::vector<unsigned char> savedFile = folder.ReadBytes(L"config0.bin");

    // Further changes, then Cancel: shown again, the pages show what was
    // saved and Apply sends it once more.
    page = OpenPanelSection(main, kSectionAngleSnap);
    ASSERT_NE(page, nullptr);
    const std::vector<COLORREF> angleSaved = PaintedLook(page, kWholePage);
    ASSERT_TRUE(ClickUntilRedrawn(page, kAngleSnapOff, kAngleSnapMarks));
    ASSERT_TRUE(ClosePanelSection(main, kSectionAngleSnap, page));
    page = OpenPanelSection(main, kSectionWheelSpeed);
    ASSERT_NE(page, nullptr);
    const std::vector<COLORREF> wheelSaved = PaintedLook(page, kWheelModes);
    ASSERT_TRUE(ClickUntil(page, kWheelLineUp, [&] { return WindowText(lines) == L"6"; }));
    ASSERT_TRUE(CancelAndShowFromIcon(main));
    page = OpenPanelSection(main, kSectionAngleSnap);
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(ComesToShow(page, kWholePage, angleSaved)) << "angle snapping shows the saved state";
    ASSERT_TRUE(ClosePanelSection(main, kSectionAngleSnap, page));
    page = OpenPanelSection(main, kSectionWheelSpeed);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(WindowText(lines), L"5");
    EXPECT_TRUE(ComesToShow(page, kWheelModes, wheelSaved)) << "the wheel page shows the saved state";

    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    EXPECT_TRUE(folder.ReadBytes(L"config0.bin") == savedFile) << "config0.bin holds what was saved";
    const std::vector<uint8_t> blockAgain = LastRecordOf(program->FrameLog(), kCmdWriteProfileBlock);
    ASSERT_EQ(blockAgain.size(), kDeviceRecordSize);
    EXPECT_TRUE(std::equal(blockAgain.begin(), blockAgain.end(), block.begin()));
}
