#include "classlib/win_app.h"
#include "classlib/wnd.h"

#include "window_test_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CWinApp g_app;

constexpr UINT kProbe = WM_USER + 5;

std::vector<std::wstring> g_log;

// Logs every pre-translation of the probe message and its dispatch; swallows
// the probe when told to.
class TreeWindow : public CWnd {
public:
    explicit TreeWindow(std::wstring name, bool swallow = false) : m_name(std::move(name)), m_swallow(swallow) {}

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message != kProbe)
            return FALSE;
        g_log.push_back(L"pre " + m_name);
        return m_swallow ? TRUE : FALSE;
    }

protected:
    LRESULT OnProbe(WPARAM, LPARAM)
    {
        g_log.push_back(L"handled " + m_name);
        return 0;
    }

    DECLARE_MESSAGE_TABLE(TreeWindow, CWnd)

private:
    std::wstring m_name;
    bool m_swallow;
};

BEGIN_MESSAGE_TABLE(TreeWindow)
    MAP_MESSAGE(kProbe, OnProbe)
END_MESSAGE_TABLE()

// Posts the probe to `target` and runs the application's loop until the
// queue has been worked off.
std::vector<std::wstring> PostProbeAndRun(CWnd& target)
{
    g_log.clear();
    target.PostMessage(kProbe);
    ::PostQuitMessage(0);
    g_app.Run();
    return g_log;
}

class PreTranslateWalk : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(top, WS_POPUP));
        ASSERT_TRUE(CreateChild(child, top, 1));
        ASSERT_TRUE(CreateChild(grandchild, child, 2));
        g_app.m_pMainWnd = &top;
    }
    void TearDown() override { g_app.m_pMainWnd = nullptr; }

    TreeWindow top{L"top"};
    TreeWindow child{L"child"};
    TreeWindow grandchild{L"grandchild"};
};

TEST_F(PreTranslateWalk, MessageToGrandchildClimbsToTheMainWindowThenIsDispatched)
{
    const std::vector<std::wstring> expected{L"pre grandchild", L"pre child", L"pre top", L"handled grandchild"};
    EXPECT_EQ(PostProbeAndRun(grandchild), expected);
}

TEST_F(PreTranslateWalk, TrueStopsTheWalkAndTheDispatch)
{
    TreeWindow swallowing{L"swallowing", true};
    ASSERT_TRUE(CreateChild(swallowing, top, 3));
    TreeWindow inner{L"inner"};
    ASSERT_TRUE(CreateChild(inner, swallowing, 4));

    const std::vector<std::wstring> expected{L"pre inner", L"pre swallowing"};
    EXPECT_EQ(PostProbeAndRun(inner), expected);
}

TEST_F(PreTranslateWalk, WindowsWithoutObjectsArePassedOver)
{
    const HWND plain =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, grandchild, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    g_log.clear();
    ::PostMessageW(plain, kProbe, 0, 0);
    ::PostQuitMessage(0);
    g_app.Run();
    const std::vector<std::wstring> expected{L"pre grandchild", L"pre child", L"pre top"};
    EXPECT_EQ(g_log, expected);
}

TEST_F(PreTranslateWalk, PopupClimbsThroughItsOwner)
{
    TreeWindow popup{L"popup"};
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 50, 50, top, nullptr));
    const std::vector<std::wstring> expected{L"pre popup", L"pre top", L"handled popup"};
    EXPECT_EQ(PostProbeAndRun(popup), expected);
}

TEST_F(PreTranslateWalk, WalkEndsAtTheMainWindow)
{
    // A window that owns the main window is above the walk's end.
    TreeWindow outer{L"outer"};
    ASSERT_TRUE(CreateTopLevel(outer, WS_POPUP));
    TreeWindow mainWindow{L"main"};
    ASSERT_TRUE(mainWindow.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 50, 50, outer, nullptr));
    g_app.m_pMainWnd = &mainWindow;

    const std::vector<std::wstring> expected{L"pre main", L"handled main"};
    EXPECT_EQ(PostProbeAndRun(mainWindow), expected);
}

}  // namespace
