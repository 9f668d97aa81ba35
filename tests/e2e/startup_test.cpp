// The program as a user starts it: the splash, then the main window; a
// second start that brings the first one back; the emulated mouse's control
// surface.

#include "e2e_fixture.h"

#include "classlib/image.h"
#include "device/emulated/emulated_mouse_control.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr DWORD kSplashMs = 3000;
// GetTickCount advances in steps of up to ~16 ms.
constexpr DWORD kTickSlackMs = 50;

const e2e::WindowMatch kSplash{L"", L"#32770", true};

// The colour of pixel (x, y) of a loaded picture.
COLORREF PicturePixel(const CImage& picture, int x, int y)
{
    const auto* row = static_cast<const uint8_t*>(picture.GetBits()) + y * picture.GetPitch();
    const uint8_t* pixel = row + x * (picture.GetBPP() / 8);
    return RGB(pixel[2], pixel[1], pixel[0]);
}

// True while the screen shows `picture` at the top-left of `window`'s client area.
bool ShowsPicture(HWND window, const CImage& picture)
{
    const RECT client = e2e::ClientRectOnScreen(window);
    for (const auto& [fx, fy] : std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 1}, {1, 3}, {3, 3}}) {
        const int x = picture.GetWidth() * fx / 4;
        const int y = picture.GetHeight() * fy / 4;
        if (e2e::ScreenPixel({client.left + x, client.top + y}) != PicturePixel(picture, x, y))
            return false;
    }
    return true;
}

bool HasFrame(const std::vector<EmulatedLogEntry>& log, EmulatedLogKind kind, std::vector<uint8_t> prefix)
{
    return std::any_of(log.begin(), log.end(), [&](const EmulatedLogEntry& e) {
        return e.Kind == kind && e.Bytes.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), e.Bytes.begin());
    });
}

// The first bytes after the report id of each command frame the mouse received.
std::vector<std::pair<uint8_t, uint8_t>> CommandCodes(const std::vector<EmulatedLogEntry>& log)
{
    std::vector<std::pair<uint8_t, uint8_t>> codes;
    for (const EmulatedLogEntry& e : log)
        if (e.Kind == EmulatedLogKind::FeatureSet && e.Bytes.size() >= 3)
            codes.emplace_back(e.Bytes[1], e.Bytes[2]);
    return codes;
}

}  // namespace

// The splash shows its picture centred on the screen for three seconds,
// keys and clicks do not end it early, and then the main window appears
// titled "RV417 TALVEN", having read the mouse's firmware version twice and
// sent it the option flags.
TEST_F(EndToEndTest, SplashForThreeSecondsThenTheMainWindow)
{
    e2e::Program* program = StartProgram();
    ASSERT_NE(program, nullptr);

    const HWND splash = program->WaitForWindow(kSplash, 15000);
    ASSERT_NE(splash, nullptr) << "no splash window";
    EXPECT_EQ(program->FindWindow({L"RV417 TALVEN", std::nullopt, false}), nullptr)
        << "the title is set only after the splash";

    CImage picture;
    ASSERT_EQ(picture.Load(folder.file(L"Skins\\splash.png").c_str()), S_OK);
    EXPECT_TRUE(e2e::WaitUntil([&] { return ShowsPicture(splash, picture); }, 2500)) << "splash picture not on screen";

    RECT rect{};
    GetWindowRect(splash, &rect);
    EXPECT_EQ(rect.right - rect.left, picture.GetWidth());
    EXPECT_EQ(rect.bottom - rect.top, picture.GetHeight());
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((rect.left + rect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, (work.top + work.bottom) / 2, 1);

    // Neither keys nor clicks end it.
    e2e::BringToFront(splash);
    e2e::PressKey(VK_ESCAPE);
    e2e::PressKey(VK_RETURN);
    e2e::PressKey(VK_F4, true);
    e2e::ClickAt(splash, {20, 20});
    e2e::ClickAt(splash, {20, 20}, true);

    const HWND main = program->WaitForMainWindow(20000);
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_GE(program->Elapsed() + kTickSlackMs, kSplashMs);
    EXPECT_FALSE(IsWindow(splash));

    std::vector<EmulatedLogEntry> log;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            log = program->FrameLog();
            return CommandCodes(log).size() >= 3;
        },
        5000))
        << FormatEmulatedLog(log);
    // Firmware version, option flags (the mouse is present), firmware version.
    const std::vector<std::pair<uint8_t, uint8_t>> codes = CommandCodes(log);
    ASSERT_EQ(codes.size(), 3u);
    EXPECT_EQ(codes[0].first, 0x80);
    EXPECT_EQ(codes[1], std::make_pair(uint8_t{0x01}, uint8_t{0x7C}));
    EXPECT_EQ(codes[2].first, 0x80);
}

// A second start brings the first instance's hidden window back to the
// front and ends without a window of its own.
TEST_F(EndToEndTest, SecondStartRestoresTheFirstWindowAndEnds)
{
    e2e::Program* first = StartProgram();
    ASSERT_NE(first, nullptr);
    const HWND main = first->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ShowWindow(main, SW_HIDE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(main); }, 2000));

    e2e::Program* second = StartProgram();
    ASSERT_NE(second, nullptr);
    std::vector<e2e::WindowInfo> shown;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
            for (const e2e::WindowInfo& window : second->TopLevelWindows())
                if (window.visible)
                    shown.push_back(window);
            return !second->IsRunning();
        },
        20000, 5))
        << "the second instance did not end";
    EXPECT_EQ(second->WaitForExit(0), 0u);
    EXPECT_TRUE(shown.empty()) << "the second instance showed a window";

    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 2000));
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main; }, 2000));
    EXPECT_TRUE(first->IsRunning());
}

// With the emulated mouse the program answers on its control surface: the
// mouse reports an event, is unplugged and plugged in again, and hands out
// its frame log.
TEST_F(EndToEndTest, EmulatedMouseControlSurface)
{
    e2e::Program* program = StartProgram();
    ASSERT_NE(program, nullptr);
    ASSERT_NE(program->WaitForMainWindow(), nullptr);
    ASSERT_NE(program->ControlWindow(), nullptr);

    EXPECT_TRUE(program->ReportEvent(9, 2));
    EXPECT_TRUE(HasFrame(program->FrameLog(), EmulatedLogKind::InputEvent, {0x06, 0x07, 0x09, 0x02}));
    EXPECT_TRUE(program->Unplug());
    EXPECT_TRUE(program->Plug());

    // The program ends when asked to.
    const std::optional<DWORD> exitCode = program->Stop(10000);
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_NE(*exitCode, e2e::kKilledExitCode);
}

// RV417_HID=real: the real devices, and no control surface.
TEST_F(EndToEndTest, RealDevicesHaveNoControlSurface)
{
    e2e::Program* program = StartProgram({L"real"});
    ASSERT_NE(program, nullptr);
    ASSERT_NE(program->WaitForWindow({L"RV417 TALVEN", std::nullopt, false}, 20000), nullptr);
    EXPECT_EQ(program->ControlWindow(), nullptr);
    EXPECT_TRUE(program->FrameLog().empty());
}
