// The program in the notification area, as its own process: started
// without the mouse it shows nothing; the mouse plugged in, it stays hidden
// until its icon is double-clicked; unplugged, it hides again; the icon's
// menu closes as menus do, and "Exit" from it ends the program with exit
// code 1. The driver sends the window the messages the shell sends it for
// its icon.

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

class IconMenu : public ProgramEndToEnd {
protected:
    // Right-clicks the icon with the pointer at `pointer` on the screen,
    // where the menu opens; the menu window, or null when none showed.
    HWND OpenIconMenu(HWND main, POINT pointer) const
    {
        MoveMouseTo(pointer);
        ClickIcon(main, WM_RBUTTONUP);
        return WaitForOtherWindow(main, L"#32768");
    }
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

// Hidden in the notification area, the program's window cannot take the
// keyboard under Wine; the menu of its icon must see Esc from the keyboard
// all the same, as Windows menus do, and close at a click elsewhere too.
TEST_F(IconMenu, ClosesWithEscapeAndWithAClickElsewhere)
{
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ClickUntil(main, kCancelButton, [&] { return !IsWindowVisible(main); })) << "Cancel did not hide it";
    constexpr POINT kIconPoint{900, 700};
    constexpr POINT kElsewhere{200, 200};

    HWND menu = OpenIconMenu(main, kIconPoint);
    ASSERT_NE(menu, nullptr) << "no menu";
    const KeyboardKey escape = PressKeyOnKeyboard(VK_ESCAPE, L"RV417 TALVEN.exe");
    ASSERT_NE(escape, KeyboardKey::NotGiven);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 5000))
        << "Esc left the menu open; the keyboard was "
        << (escape == KeyboardKey::ToProgram ? "with the program" : "with another program");
    if (IsWindowVisible(menu))
        ClickAt(GetDesktopWindow(), kElsewhere);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 5000));
    EXPECT_TRUE(program->IsRunning()) << "Esc chose the menu's item";
    EXPECT_FALSE(IsWindowVisible(main));

    menu = OpenIconMenu(main, kIconPoint);
    ASSERT_NE(menu, nullptr) << "no menu the second time";
    ClickAt(GetDesktopWindow(), kElsewhere);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }, 5000)) << "a click elsewhere left the menu open";
    EXPECT_TRUE(program->IsRunning());
    EXPECT_FALSE(IsWindowVisible(main));

    const std::optional<DWORD> exitCode = ExitFromIconMenu(main);
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
    EXPECT_EQ(*exitCode, 1u);
}
