// The program in the notification area, as its own process: started
// without the mouse it shows nothing; the mouse plugged in, it stays hidden
// until its icon is double-clicked; unplugged, it hides again; "Exit" from
// the icon's menu ends it with exit code 1. The shell's icon cannot be
// clicked on the virtual display, so the driver sends the window the
// messages the icon sends it.

#include "program_steps.h"

#include <windows.h>

namespace {

using namespace e2e;

class NotificationArea : public ProgramEndToEnd {
protected:
    void SetUp() override
    {
        ProgramEndToEnd::SetUp();
        SetEnvironmentVariableW(L"RV417_EMULATED_UNPLUGGED", L"1");
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"RV417_EMULATED_UNPLUGGED", nullptr);
        ProgramEndToEnd::TearDown();
    }

    HWND HiddenMainWindow() const { return program->FindWindow({L"RV417 TALVEN", std::nullopt, false}); }
};

}  // namespace

TEST_F(NotificationArea, FollowsTheMouseAndEndsFromItsIconMenu)
{
    program = StartProgram();
    ASSERT_NE(program, nullptr);
    HWND main = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            main = HiddenMainWindow();
            return main && program->ControlWindow();
        },
        20000))
        << "no main window";
    // Past the splash and the first showing, the window is hidden.
    ASSERT_TRUE(WaitUntil([&] { return !program->FindWindow({std::nullopt, L"#32770", true}); }, 10000));
    EXPECT_FALSE(IsWindowVisible(main));

    ASSERT_TRUE(program->Plug());
    EXPECT_FALSE(IsWindowVisible(main)) << "plugging in does not show the window";

    ClickIcon(main, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000)) << "the icon did not show it";
    EXPECT_TRUE(program->ReportEvent(2, 3)) << "a DPI event while shown";

    ASSERT_TRUE(program->Unplug());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }, 5000)) << "unplugging did not hide it";

    // The icon is there again once the mouse is; its menu's one item ends the program.
    ASSERT_TRUE(program->Plug());
    const std::optional<DWORD> exitCode = ExitFromIconMenu(main);
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
    EXPECT_EQ(*exitCode, 1u);
}
