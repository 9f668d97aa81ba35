// The main window as a user meets it in the running program: its skin on
// the screen, a button made "Back" with the mouse and the keyboard and
// applied (the profile file and the mouse's button table show it), the
// macro manager opened from its side item and closed, and the profile list
// opened with Config and closed.

#include "program_steps.h"

#include "classlib/image.h"
#include "device/emulated/emulated_mouse_control.h"
#include "model/device_records.h"
#include "storage/profile_file.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using namespace e2e;

// The box of button 4, in the fourth row.
constexpr POINT kFourthRowBox{185, 222};

COLORREF PicturePixel(const CImage& picture, int x, int y)
{
    const auto* row = static_cast<const uint8_t*>(picture.GetBits()) + y * picture.GetPitch();
    const uint8_t* pixel = row + x * (picture.GetBPP() / 8);
    return RGB(pixel[2], pixel[1], pixel[0]);
}

using MainWindowEndToEnd = ProgramEndToEnd;

}  // namespace

// The window has the size of its background picture and shows the logo
// where the painting puts it.
TEST_F(MainWindowEndToEnd, SkinOnTheScreen)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    CImage background;
    ASSERT_EQ(background.Load(folder.file(L"Skins\\main.png").c_str()), S_OK);
    const RECT client = e2e::ClientRectOnScreen(main);
    EXPECT_EQ(client.right - client.left, background.GetWidth());
    EXPECT_EQ(client.bottom - client.top, background.GetHeight());

    CImage logo;
    ASSERT_EQ(logo.Load(folder.file(L"Skins\\Logo.png").c_str()), S_OK);
    const RECT area{client.left + 20, client.top + 32, client.left + 20 + logo.GetWidth(),
                    client.top + 32 + logo.GetHeight()};
    int wrong = 0;
    EXPECT_TRUE(e2e::WaitUntil(
        [&] {
            const std::vector<COLORREF> shown = e2e::ScreenRegion(area);
            wrong = 0;
            for (int y = 0; y < logo.GetHeight(); ++y)
                for (int x = 0; x < logo.GetWidth(); ++x)
                    wrong += shown[static_cast<size_t>(y * logo.GetWidth() + x)] != PicturePixel(logo, x, y);
            return wrong == 0;
        },
        5000))
        << wrong << " logo pixels differ";
}

// Open the button panel, click the fourth row's box, choose "Back" from
// its menu with the keys and press Apply: the profile file and the button
// table the mouse received hold Back for button 4.
TEST_F(MainWindowEndToEnd, ButtonMadeBackAndApplied)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);

    ClickWhenReachable(main, kButtonAssignItem);
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::AssignBoxAt(main, 3) != nullptr; }, 5000)) << "the boxes did not show";
    ClickWhenReachable(main, kFourthRowBox);
    ASSERT_NE(WaitForOtherWindow(main, L"#32768"), nullptr) << "no menu";
    for (int k = 0; k < 5; ++k)
        e2e::PressKey(VK_DOWN);
    e2e::PressKey(VK_RETURN);
    ASSERT_TRUE(e2e::WaitUntil([&] { return program->FindWindow({std::nullopt, L"#32768", true}) == nullptr; }, 5000));

    const size_t tablesBefore = FramesOf(program->FrameLog(), 0x0D);
    ClickWhenReachable(main, kApplyButton);
    std::vector<EmulatedLogEntry> log;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            log = program->FrameLog();
            return FramesOf(log, 0x0F) >= 12 && FramesOf(log, 0x0D) > tablesBefore;
        },
        20000))
        << FormatEmulatedLog(log);

    SettingsRecord saved{};
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            saved = RecordOf(folder.ReadBytes(L"config0.bin"));
            return saved.ButtonFunction[4] == static_cast<uint8_t>(ButtonFunctionType::Back);
        },
        10000))
        << "config0.bin has type " << int(saved.ButtonFunction[4]);

    const std::vector<uint8_t> table = LastRecordOf(program->FrameLog(), 0x0D);
    ASSERT_EQ(table.size(), kDeviceRecordSize);
    const ButtonTable expected = BuildButtonTable(saved);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), TableBytes(expected).begin()));
    const ButtonCode back = ButtonCodesOf(saved, 4).Primary;
    EXPECT_NE(std::search(table.begin(), table.end(), back.begin(), back.end()), table.end());
}

// The macro manager opens from its side item over a disabled main window
// and closes with its Cancel.
TEST_F(MainWindowEndToEnd, MacroManagerOpensAndCloses)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ClickWhenReachable(main, kMacroManagerItem);
    const HWND manager = WaitForOtherWindow(main, L"#32770");
    ASSERT_NE(manager, nullptr) << "no macro manager";
    RECT rect{};
    GetWindowRect(manager, &rect);
    EXPECT_EQ(rect.right - rect.left, 495);
    EXPECT_FALSE(IsWindowEnabled(main));

    ClickWhenReachable(manager, {381, 408});
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(manager) || !IsWindowVisible(manager); }, 5000));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }, 5000));
    EXPECT_TRUE(program->IsRunning());
}

// Config opens the profile list over the side column; its close area
// closes it and the side items come back.
TEST_F(MainWindowEndToEnd, ConfigOpensTheProfileListAndItCloses)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const HWND macroItem = VisibleChildAt(main, kMacroManagerItem);
    ASSERT_NE(macroItem, nullptr);

    ClickWhenReachable(main, kConfigButton);
    HWND list = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            list = VisibleChildAt(main, kMacroManagerItem);
            return list && list != macroItem;
        },
        5000))
        << "no profile list over the side column";
    RECT rect{};
    GetWindowRect(list, &rect);
    EXPECT_EQ(rect.right - rect.left, 263);

    ClickWhenReachable(list, {247, 15});
    EXPECT_TRUE(e2e::WaitUntil([&] { return VisibleChildAt(main, kMacroManagerItem) == macroItem; }, 5000))
        << "the side items did not come back";
    EXPECT_FALSE(IsWindow(list));
}
