#include "support/desktop_guard.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// The statements of EXPECT_NONFATAL_FAILURE see no local variables.
HWND g_window = nullptr;

HWND MakePopup(const wchar_t* title, DWORD style = WS_POPUP)
{
    return ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", title, style, 900, 700, 40, 30, nullptr, nullptr, nullptr,
                             nullptr);
}

void ShowGuarded()
{
    DesktopGuard guard;
    ::ShowWindow(g_window, SW_SHOWNOACTIVATE);
}

void ActivateGuarded()
{
    DesktopGuard guard;
    ::SetActiveWindow(g_window);
}

class DesktopGuardTest : public testing::Test {
protected:
    void TearDown() override
    {
        if (g_window)
            ::DestroyWindow(g_window);
        g_window = nullptr;
    }
};

TEST_F(DesktopGuardTest, CtestTellsThisExecutableThatItHoldsTheDesktop)
{
    EXPECT_TRUE(TestHoldsTheDesktop())
        << "RV417_TEST_USES_DESKTOP did not reach a test declared with rv417_uses_desktop";
}

TEST_F(DesktopGuardTest, ATopLevelWindowShownOrActivatedFailsTheTestAndIsNamed)
{
    g_window = MakePopup(L"guarded");
    ASSERT_NE(g_window, nullptr);
    EXPECT_NONFATAL_FAILURE(ShowGuarded(), "showed the top-level window \"guarded\" (class Static)");
    ASSERT_NE(::GetActiveWindow(), g_window);
    EXPECT_NONFATAL_FAILURE(ActivateGuarded(), "activated the top-level window \"guarded\"");
}

TEST_F(DesktopGuardTest, HiddenWindowsAndChildWindowsPass)
{
    DesktopGuard guard;
    g_window = MakePopup(L"hidden");
    ASSERT_NE(g_window, nullptr);
    const HWND child = ::CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, g_window, nullptr,
                                         nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    ::ShowWindow(child, SW_HIDE);
    ::ShowWindow(child, SW_SHOW);
    ::SetWindowTextW(g_window, L"renamed");
    ::SetWindowPos(g_window, nullptr, 10, 10, 50, 50, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace
