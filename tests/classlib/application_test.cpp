#include "classlib/win_app.h"
#include "classlib/wnd.h"

#include "window_test_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kAppCommand = 40001;

// An application whose start-up the tests choose.
class TestApp : public CWinApp {
public:
    BOOL initResult = FALSE;
    UINT quitCodeToPost = 0;
    std::vector<std::wstring> calls;

    BOOL InitInstance() override
    {
        calls.push_back(L"init");
        if (initResult)
            ::PostQuitMessage(static_cast<int>(quitCodeToPost));
        return initResult;
    }
    int ExitInstance() override
    {
        calls.push_back(L"exit");
        return CWinApp::ExitInstance() + 100;
    }

protected:
    void OnAppCommand() { calls.push_back(L"app command"); }

    DECLARE_MESSAGE_TABLE(TestApp, CWinApp)
};

BEGIN_MESSAGE_TABLE(TestApp)
    MAP_COMMAND(kAppCommand, OnAppCommand)
END_MESSAGE_TABLE()

TestApp theApp;

TEST(Application, ExitInstanceRunsRightAfterAFailedInitInstance)
{
    theApp.calls.clear();
    theApp.initResult = FALSE;
    EXPECT_EQ(RunApplication(::GetModuleHandleW(nullptr), nullptr, SW_SHOW), 100);
    const std::vector<std::wstring> expected{L"init", L"exit"};
    EXPECT_EQ(theApp.calls, expected);
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleW(nullptr));
}

TEST(Application, LoopRunsUntilQuitAndEndsWithExitInstance)
{
    theApp.calls.clear();
    theApp.initResult = TRUE;
    theApp.quitCodeToPost = 4;
    EXPECT_EQ(RunApplication(::GetModuleHandleW(nullptr), nullptr, SW_SHOW), 104);
    const std::vector<std::wstring> expected{L"init", L"exit"};
    EXPECT_EQ(theApp.calls, expected);
}

TEST(Application, CommandNoWindowHandlesReachesTheApplication)
{
    CWnd window;
    ASSERT_TRUE(CreateTopLevel(window));
    theApp.calls.clear();
    window.SendMessage(WM_COMMAND, kAppCommand);
    const std::vector<std::wstring> expected{L"app command"};
    EXPECT_EQ(theApp.calls, expected);
}

TEST(Application, MainWindowIsForgottenWhenItGoes)
{
    {
        CWnd window;
        ASSERT_TRUE(CreateTopLevel(window));
        theApp.m_pMainWnd = &window;
        EXPECT_EQ(AfxGetMainWnd(), &window);
        window.DestroyWindow();
    }
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

}  // namespace
