// The settings panel's pages in the running program: a DPI stage dragged
// with the mouse and a report rate clicked on its ring reach the profile
// file and the mouse once Apply is pressed.

#include "program_steps.h"

#include "model/device_records.h"
#include "pages/panel_layout.h"

#include <windows.h>

#include <algorithm>

namespace {

using namespace e2e;
using SettingsPagesEndToEnd = ProgramEndToEnd;

}  // namespace

TEST_F(SettingsPagesEndToEnd, DraggedDpiStageIsSavedAndSentInTheProfileBlock)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const HWND page = OpenPanelSection(main, kSectionDpi);
    ASSERT_NE(page, nullptr) << "the DPI page did not open";

    // From the bottom half way up: 1 + 215 * 85 / 170.
    ASSERT_TRUE(DragUntilRedrawn(page, DpiSlider(1, 170), DpiSlider(1, 88), DpiSliderColumn(1)))
        << "the slider did not move";
    ASSERT_TRUE(ApplyAndWaitForUpload(main));

    SettingsRecord saved{};
    ASSERT_TRUE(WaitForSavedRecord([](const SettingsRecord& r) { return r.DpiStage[1] == 108; }, saved))
        << "config0.bin holds stage 1 = " << int(saved.DpiStage[1]);
    EXPECT_EQ(saved.DpiStage[0], 12) << "the other stages are left alone";
    EXPECT_EQ(saved.DpiStage[2], 48);

    const std::vector<uint8_t> block = LastRecordOf(program->FrameLog(), kCmdWriteProfileBlock);
    ASSERT_EQ(block.size(), kDeviceRecordSize);
    const ProfileBlock expected = BuildProfileBlock(saved);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), expected.begin()));
    SettingsRecord unchanged = saved;
    unchanged.DpiStage[1] = 24;
    EXPECT_NE(BuildProfileBlock(unchanged), expected) << "the block carries the stage";
}

TEST_F(SettingsPagesEndToEnd, ClickedReportRateIsSavedAndSentToTheMouse)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const HWND page = OpenPanelSection(main, kSectionReportRate);
    ASSERT_NE(page, nullptr) << "the report-rate page did not open";

    ASSERT_TRUE(ClickReportRate(page, kRing125Hz)) << "the ring did not take the click";
    ASSERT_TRUE(ApplyAndWaitForUpload(main));

    SettingsRecord saved{};
    EXPECT_TRUE(WaitForSavedRecord([](const SettingsRecord& r) { return r.ReportRateCode == 8; }, saved))
        << "config0.bin holds code " << int(saved.ReportRateCode);
    const std::vector<uint8_t> rate = LastFrameOf(program->FrameLog(), kCmdSetReportRate);
    ASSERT_GE(rate.size(), 4u);
    EXPECT_EQ(rate[3], 8);
}
