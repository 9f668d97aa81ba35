// The named profiles in the running program: a profile added in the profile
// list and closed on becomes the one in use, a report rate applied there is
// saved in its own file only, and switching back brings the first profile's
// settings back to the window and to the mouse. A profile exported through
// the list's menu and the system's save dialog, and imported again through
// its open dialog, brings its settings back.

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

// Places of the list menu's items counted from its end: "Save" (export) is
// the last, "Load" (import) the one above it.
constexpr int kExportFromEnd = 0;
constexpr int kImportFromEnd = 1;

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

TEST_F(ProfilesEndToEnd, ExportedProfileImportsBack)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const HWND page = OpenPanelSection(main, kSectionReportRate);
    ASSERT_NE(page, nullptr) << "the report-rate page did not open";
    ASSERT_TRUE(ClickReportRate(page, kRing125Hz)) << "the ring did not take the click";

    HWND list = OpenProfileList(main);
    ASSERT_NE(list, nullptr) << "the profile list did not open";
    // Chooses an item of the list's menu by its place from the end and
    // answers the file dialog it opens with `path`, typed.
    auto fileCommand = [&](int fromEnd, const std::wstring& path) {
        // A click on the item already picked would open it for renaming.
        if (Selection(list) != 0) {
            ASSERT_TRUE(ClickUntil(list, ListItem(list, 0), [&] { return Selection(list) == 0; })) << "not picked";
        }
        HWND dialog = nullptr;
        for (int attempt = 0; attempt < 3 && !dialog; ++attempt) {
            HWND menu = nullptr;
            ASSERT_TRUE(RightClickUntil(list, ListItem(list, 0), [&] {
                return (menu = WaitForOtherWindow(main, L"#32768", 0)) != nullptr;
            })) << "no menu";
            // Keys reach the menu once its loop runs. Up from no selection
            // goes to the last item.
            WaitUntilAnswering(menu);
            for (int k = 0; k <= fromEnd; ++k)
                PressKey(VK_UP);
            PressKey(VK_RETURN);
            dialog = WaitForOtherWindow(main, L"#32770", 5000);
            if (!dialog && IsWindowVisible(menu))
                PressKey(VK_ESCAPE);
        }
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        BringToFront(dialog);
        WaitUntilAnswering(dialog);
        // The name field comes filled with the profile's own file: the
        // whole text is selected first, then typed over.
        PressKey(VK_END);
        KeyDown(VK_SHIFT);
        PressKey(VK_HOME);
        KeyUp(VK_SHIFT);
        TypeText(path);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 10000)) << "the file dialog stayed";
    };

    // Exported with the rate shown, though not applied; ".bin" is added.
    ASSERT_NO_FATAL_FAILURE(fileCommand(kExportFromEnd, folder.file(L"exported")));
    SettingsRecord exported{};
    EXPECT_TRUE(
        WaitForSavedRecord([](const SettingsRecord& r) { return r.ReportRateCode != 0; }, exported, L"exported.bin"))
        << "no exported.bin";
    EXPECT_EQ(exported.ReportRateCode, 8);
    EXPECT_NE(folder.ReadText(L"exported.ini").find(L"Item1="), std::wstring::npos) << "the captions beside it";
    EXPECT_NE(RecordOf(folder.ReadBytes(L"config0.bin")).ReportRateCode, 8) << "the profile's own file stays";

    // Another rate, then the export imported back over it and applied.
    ASSERT_TRUE(ClickUntil(list, kListCloseArea, [&] { return IsGone(list); })) << "the list did not close";
    ASSERT_TRUE(ClickReportRate(page, kRing250Hz)) << "the ring did not take the click";
    list = OpenProfileList(main);
    ASSERT_NE(list, nullptr) << "the profile list did not open again";
    ASSERT_NO_FATAL_FAILURE(fileCommand(kImportFromEnd, folder.file(L"exported.bin")));
    ASSERT_TRUE(ClickUntil(list, kListCloseArea, [&] { return IsGone(list); })) << "the list did not close";
    ASSERT_TRUE(ApplyAndWaitForUpload(main));
    const std::vector<uint8_t> rate = LastFrameOf(program->FrameLog(), kCmdSetReportRate);
    ASSERT_GE(rate.size(), 4u);
    EXPECT_EQ(rate[3], 8);
    SettingsRecord saved{};
    EXPECT_TRUE(WaitForSavedRecord([](const SettingsRecord& r) { return r.ReportRateCode == 8; }, saved));
}
