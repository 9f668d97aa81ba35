#include "skin/menu_wnd_hook.h"

#include "classlib/menu.h"
#include "classlib/window_test_helpers.h"
#include "classlib/wnd.h"
#include "menu_test_helpers.h"
#include "canvas_test_helper.h"

#include <gtest/gtest.h>

using skintest::Canvas;

namespace {

constexpr COLORREF kBackground = RGB(111, 41, 41);
constexpr COLORREF kSelected = RGB(143, 32, 32);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr UINT kMenuSizeWindow = 0x01E2;

WNDPROC ProcedureOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
}

bool IsCaught(HWND window)
{
    CMenuWndHook* record = nullptr;
    return ProcedureOf(window) == &CMenuWndHook::CoolMenuProc && ::GetPropW(window, kCoolMenuOldProcProperty) &&
           g_MenuWndMap.Lookup(window, record) && record->m_hWnd == window;
}

// A window of any class, destroyed with the object. It lies where no window
// of the other tests running beside this one does.
class TestWindow {
public:
    TestWindow(LPCWSTR className, DWORD style = WS_POPUP)
        : m_hWnd(::CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", style, 1000, 60, 60, 40, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr))
    {}
    ~TestWindow()
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    operator HWND() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

// A registered window class, unregistered with the object.
class TestClass {
public:
    explicit TestClass(LPCWSTR name) : m_name(name)
    {
        WNDCLASSW info{};
        info.lpfnWndProc = ::DefWindowProcW;
        info.hInstance = ::GetModuleHandleW(nullptr);
        info.lpszClassName = name;
        m_atom = ::RegisterClassW(&info);
    }
    ~TestClass() { ::UnregisterClassW(m_name, ::GetModuleHandleW(nullptr)); }
    TestClass(const TestClass&) = delete;
    TestClass& operator=(const TestClass&) = delete;
    bool registered() const { return m_atom != 0; }

private:
    LPCWSTR m_name;
    ATOM m_atom;
};

class MenuWndHookTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CMenuWndHook::InstallHook(::GetModuleHandleW(nullptr))); }
    void TearDown() override { PumpPending(); }
};

TEST_F(MenuWndHookTest, InstallingAgainKeepsTheOneHook)
{
    const HHOOK first = g_hMenuHook;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(CMenuWndHook::InstallHook(::GetModuleHandleW(nullptr)));
    EXPECT_TRUE(CMenuWndHook::InstallHook(nullptr));
    EXPECT_EQ(g_hMenuHook, first);

    // One hook means one catch: a menu window gets one record and its
    // previous procedure is the system's, not the hook's own.
    TestWindow menu(L"#32768");
    ASSERT_TRUE(IsCaught(menu));
    EXPECT_EQ(g_MenuWndMap.GetCount(), 1);
    EXPECT_NE(reinterpret_cast<WNDPROC>(::GetPropW(menu, kCoolMenuOldProcProperty)), &CMenuWndHook::CoolMenuProc);
}

TEST_F(MenuWndHookTest, MenuWindowIsCaughtUntilHiddenAndAgainWhenSizedForDisplay)
{
    TestWindow menu(L"#32768");
    ASSERT_TRUE(IsCaught(menu));
    const auto system = reinterpret_cast<WNDPROC>(::GetPropW(menu, kCoolMenuOldProcProperty));

    // A second sizing message while caught does not catch it twice.
    ::SendMessageW(menu, kMenuSizeWindow, 0, 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetPropW(menu, kCoolMenuOldProcProperty)), system);

    ::ShowWindow(menu, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(IsCaught(menu));
    ::ShowWindow(menu, SW_HIDE);
    EXPECT_EQ(ProcedureOf(menu), system);
    EXPECT_EQ(::GetPropW(menu, kCoolMenuOldProcProperty), nullptr);
    EXPECT_EQ(g_MenuWndMap.GetCount(), 0);

    ::SendMessageW(menu, kMenuSizeWindow, 0, 0);
    EXPECT_TRUE(IsCaught(menu));
    EXPECT_EQ(g_MenuWndMap.GetCount(), 1);
}

TEST_F(MenuWndHookTest, DestroyedMenuWindowLeavesNoRecord)
{
    HWND handle = nullptr;
    {
        TestWindow menu(L"#32768");
        handle = menu;
        ASSERT_TRUE(IsCaught(menu));
    }
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(g_MenuWndMap.GetCount(), 0);
}

TEST_F(MenuWndHookTest, WindowsOfOtherClassesAreLeftAlone)
{
    TestClass sixLetters(L"M32768");
    TestClass longer(L"#32768X");
    ASSERT_TRUE(sixLetters.registered());
    ASSERT_TRUE(longer.registered());
    TestWindow a(L"M32768");
    TestWindow b(L"#32768X");
    TestWindow button(L"BUTTON");
    for (HWND window : {static_cast<HWND>(a), static_cast<HWND>(b), static_cast<HWND>(button)}) {
        ASSERT_NE(window, nullptr);
        ::SendMessageW(window, kMenuSizeWindow, 0, 0);
        EXPECT_EQ(::GetPropW(window, kCoolMenuOldProcProperty), nullptr);
        EXPECT_NE(ProcedureOf(window), &CMenuWndHook::CoolMenuProc);
    }
    EXPECT_EQ(g_MenuWndMap.GetCount(), 0);
}

TEST_F(MenuWndHookTest, PrintedMenuWindowCarriesTheFrameOverWhatTheSystemPrinted)
{
    TestWindow menu(L"#32768");
    ASSERT_TRUE(IsCaught(menu));
    RECT rect{};
    ::GetWindowRect(menu, &rect);
    Canvas canvas(rect.right - rect.left + 4, rect.bottom - rect.top + 4, kBlue);

    ::SendMessageW(menu, WM_PRINT, reinterpret_cast<WPARAM>(canvas.dc.m_hDC), PRF_NONCLIENT | PRF_CLIENT);
    const int right = rect.right - rect.left - 1;
    EXPECT_EQ(canvas.At(0, 0), kSelected);
    EXPECT_EQ(canvas.At(right, 0), kSelected);
    EXPECT_EQ(canvas.At(1, 1), kBackground);
    EXPECT_EQ(canvas.At(2, 2), kBackground);
    EXPECT_EQ(canvas.At(right + 1, 0), kBlue);  // nothing beyond the window
}

TEST(FlatMenuFrame, OneOuterLineAndTwoInnerLinesAtTheOrigin)
{
    Canvas canvas(30, 30, kBlue);
    DrawFlatMenuFrame(canvas.dc, RECT{200, 100, 220, 112});  // 20 x 12, anywhere on the screen

    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(canvas.At(x, 0), kSelected) << x;
        EXPECT_EQ(canvas.At(x, 11), kSelected) << x;
    }
    EXPECT_EQ(canvas.At(0, 6), kSelected);
    EXPECT_EQ(canvas.At(19, 6), kSelected);
    for (int inset : {1, 2}) {
        EXPECT_EQ(canvas.At(inset, inset), kBackground);
        EXPECT_EQ(canvas.At(19 - inset, 11 - inset), kBackground);
        EXPECT_EQ(canvas.At(10, inset), kBackground);
        EXPECT_EQ(canvas.At(inset, 6), kBackground);
    }
    EXPECT_EQ(canvas.At(3, 3), kBlue);  // the inside is left alone
    EXPECT_EQ(canvas.At(16, 8), kBlue);
    EXPECT_EQ(canvas.At(20, 0), kBlue);  // and so is everything outside
    EXPECT_EQ(canvas.At(0, 12), kBlue);
}

TEST_F(MenuWndHookTest, OrdinaryMenusOfTheThreadAreFramedToo)
{
    CWnd owner;
    ASSERT_TRUE(CreateTopLevel(owner, WS_POPUP));
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 32781, L"Delete");
    menu.AppendMenu(MF_STRING, 32782, L"Edit");

    bool caught = false;
    menutest::MenuStepHook steps([&](int) {
        const std::vector<HWND> windows = menutest::MenuWindows();
        caught = windows.size() == 1 && IsCaught(windows[0]);
    });
    menutest::QueueKeys(owner, {VK_ESCAPE});
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 1000, 300, &owner);

    EXPECT_EQ(steps.steps(), 1);
    EXPECT_TRUE(caught);
    EXPECT_EQ(g_MenuWndMap.GetCount(), 0);
}

}  // namespace
