// The named profiles in the running program: a profile added in the profile
// list and closed on becomes the one in use, a report rate applied there is
// saved in its own file only, and switching back brings the first profile's
// settings back to the window and to the mouse.

#include "program_steps.h"

#include "model/device_records.h"
#include "pages/panel_layout.h"

#include <windows.h>

#include <string>

namespace {

using namespace e2e;
using ProfilesEndToEnd = ProgramEndToEnd;

// The profile list's list box and client points of the list window.
constexpr int kProfileListId = 130;
constexpr POINT kListNewArea{50, 586};
constexpr POINT kListCloseArea{247, 15};
constexpr int kListTop = 31;

constexpr uint8_t kSelectProfile = 0x02;

// The profile list while it shows over the main window's side column.
HWND ShownProfileList(HWND main)
{
    for (HWND child = FindWindowExW(main, nullptr, L"#32770", nullptr); child;
         child = FindWindowExW(main, child, L"#32770", nullptr))
        if (IsWindowVisible(child) && GetDlgItem(child, kProfileListId))
            return child;
    return nullptr;
}

// Config pressed until the profile list shows; null when it never did.
HWND OpenProfileList(HWND main)
{
    HWND list = nullptr;
    ClickUntil(main, kConfigButton, [&] { return (list = ShownProfileList(main)) != nullptr; });
    return list;
}

// The middle of item `index` of the list, in the list window's client.
POINT ListItem(HWND list, int index)
{
    const int height = static_cast<int>(SendMessageW(GetDlgItem(list, kProfileListId), LB_GETITEMHEIGHT, 0, 0));
    return {60, kListTop + height * index + height / 2};
}

int Selection(HWND list)
{
    return static_cast<int>(SendMessageW(GetDlgItem(list, kProfileListId), LB_GETCURSEL, 0, 0));
}

int ListCount(HWND list)
{
    return static_cast<int>(SendMessageW(GetDlgItem(list, kProfileListId), LB_GETCOUNT, 0, 0));
}

bool IsGone(HWND window)
{
    return !IsWindow(window) || !IsWindowVisible(window);
}

}  // namespace

TEST_F(ProfilesEndToEnd, EachProfileKeepsItsOwnSettings)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const uint8_t firstRate = RecordOf(folder.ReadBytes(L"config0.bin")).ReportRateCode;
    ASSERT_NE(firstRate, 8);

    // A new profile, chosen by closing the list on it.
    HWND list = OpenProfileList(main);
    ASSERT_NE(list, nullptr) << "the profile list did not open";
    ASSERT_TRUE(ClickUntil(list, kListNewArea, [&] { return ListCount(list) == 2; })) << "no new profile";
    const size_t selectsBefore = FramesOf(program->FrameLog(), kSelectProfile);
    ASSERT_TRUE(ClickUntil(list, kListCloseArea, [&] { return IsGone(list); })) << "the list did not close";
    EXPECT_TRUE(WaitUntil([&] { return FramesOf(program->FrameLog(), kSelectProfile) > selectsBefore; }, 5000))
        << "the mouse was not told of the switch";
    const std::wstring strIni = folder.ReadText(L"str.ini");
    EXPECT_NE(strIni.find(L"CurProfileName=Profile 2"), std::wstring::npos) << strIni;
    EXPECT_NE(strIni.find(L"ItemCount=2"), std::wstring::npos);

    // 125 reports a second in the new profile.
    const HWND page = OpenPanelSection(main, kSectionReportRate);
    ASSERT_NE(page, nullptr) << "the report-rate page did not open";
    ASSERT_TRUE(ClickReportRate(page, kRing125Hz)) << "the ring did not take the click";
    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    SettingsRecord saved{};
    EXPECT_TRUE(
        WaitForSavedRecord([](const SettingsRecord& r) { return r.ReportRateCode == 8; }, saved, L"config1.bin"))
        << "config1.bin holds code " << int(saved.ReportRateCode);
    EXPECT_EQ(RecordOf(folder.ReadBytes(L"config0.bin")).ReportRateCode, firstRate) << "the first profile's file";

    // Back to the first profile: its rate is what the window applies now.
    list = OpenProfileList(main);
    ASSERT_NE(list, nullptr) << "the profile list did not open again";
    ASSERT_TRUE(ClickUntil(list, ListItem(list, 0), [&] { return Selection(list) == 0; }))
        << "the first profile was not picked";
    ASSERT_TRUE(ClickUntil(list, kListCloseArea, [&] { return IsGone(list); })) << "the list did not close";
    EXPECT_NE(folder.ReadText(L"str.ini").find(L"CurProfileName=Profile 1"), std::wstring::npos);

    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    const std::vector<uint8_t> rate = LastFrameOf(program->FrameLog(), kCmdSetReportRate);
    ASSERT_GE(rate.size(), 4u);
    EXPECT_EQ(rate[3], firstRate);
    EXPECT_EQ(RecordOf(folder.ReadBytes(L"config0.bin")).ReportRateCode, firstRate);
    EXPECT_EQ(RecordOf(folder.ReadBytes(L"config1.bin")).ReportRateCode, 8);
}
