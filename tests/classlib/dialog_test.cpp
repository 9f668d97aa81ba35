#include "classlib/dialog.h"
#include "classlib/win_app.h"

#include "test_resource_ids.h"
#include "window_test_helpers.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

CWinApp g_app;

constexpr UINT kStep = WM_APP + 1;
constexpr UINT kFromOtherThread = WM_APP + 2;
constexpr UINT_PTR kPollTimer = 5;

// Every modal test runs with a hidden main window as the owner.
class DialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(mainWindow, WS_POPUP));
        g_app.m_pMainWnd = &mainWindow;
    }
    void TearDown() override { g_app.m_pMainWnd = nullptr; }

    CWnd mainWindow;
};

class ModelessPage : public CDialog {
public:
    bool initialisedWithWindow = false;
    int okCalls = 0;
    int cancelCalls = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        initialisedWithWindow = ::IsWindow(m_hWnd) != FALSE;
        return TRUE;
    }
    void OnOK() override { ++okCalls; }
    void OnCancel() override
    {
        ++cancelCalls;
        CDialog::OnCancel();
    }
};

TEST_F(DialogTest, ModelessDialogInitialisesDuringCreateAndOnlyHidesWhenEnded)
{
    ModelessPage page;
    ASSERT_TRUE(page.Create(IDD_CHILD_PAGE, &mainWindow));
    EXPECT_TRUE(page.initialisedWithWindow);
    EXPECT_EQ(page.GetParent(), &mainWindow);
    page.ShowWindow(SW_SHOW);

    page.SendMessage(WM_COMMAND, IDOK);
    page.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_EQ(page.okCalls, 1);
    EXPECT_EQ(page.cancelCalls, 1);
    EXPECT_TRUE(::IsWindow(page.m_hWnd));
    EXPECT_FALSE(page.IsWindowVisible());
}

TEST_F(DialogTest, MissingTemplateFailsWithoutTouchingTheOwner)
{
    CDialog dialog(IDD_MISSING);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(mainWindow.IsWindowEnabled());
    EXPECT_FALSE(dialog.Create(IDD_MISSING, &mainWindow));
}

// Walks through its own first steps with posted messages and a timer, and
// records what it saw on the way.
class StepDialog : public CDialog {
public:
    explicit StepDialog(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    bool ownerDisabledWhileRunning = false;
    bool visibleBeforeIdle = true;
    bool visibleLater = false;
    CString result;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(kStep);
        return TRUE;
    }
    LRESULT OnStep(WPARAM, LPARAM)
    {
        ownerDisabledWhileRunning = !::IsWindowEnabled(::GetWindow(m_hWnd, GW_OWNER));
        visibleBeforeIdle = IsWindowVisible() != FALSE;
        SetTimer(kPollTimer, 1);
        return 0;
    }
    void OnTimer(UINT_PTR)
    {
        if (!IsWindowVisible())
            return;
        visibleLater = true;
        result = L"done";
        EndDialog(17);
    }

    DECLARE_MESSAGE_TABLE(StepDialog, CDialog)
};

BEGIN_MESSAGE_TABLE(StepDialog)
    MAP_MESSAGE(kStep, OnStep)
    MAP_TIMER(OnTimer)
END_MESSAGE_TABLE()

TEST_F(DialogTest, ModalRunDisablesTheOwnerShowsWhenIdleAndKeepsItsMembers)
{
    StepDialog dialog(IDD_HIDDEN_POPUP);
    EXPECT_EQ(dialog.DoModal(), 17);
    EXPECT_TRUE(dialog.ownerDisabledWhileRunning);
    EXPECT_FALSE(dialog.visibleBeforeIdle);
    EXPECT_TRUE(dialog.visibleLater);
    EXPECT_EQ(dialog.result, L"done");
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(mainWindow.IsWindowEnabled());

    // The same object runs again.
    dialog.result.Empty();
    EXPECT_EQ(dialog.DoModal(), 17);
    EXPECT_EQ(dialog.result, L"done");
}

TEST_F(DialogTest, VisibleTemplateShowsBeforeTheLoopIdles)
{
    StepDialog dialog(IDD_VISIBLE_POPUP);
    EXPECT_EQ(dialog.DoModal(), 17);
    EXPECT_TRUE(dialog.visibleBeforeIdle);
}

// Runs a second modal dialog from inside its own modal loop.
class OuterDialog : public CDialog {
public:
    OuterDialog() : CDialog(IDD_HIDDEN_POPUP) {}

    INT_PTR innerResult = 0;
    bool selfDisabledDuringInner = false;
    bool mainDisabledDuringInner = false;
    bool selfEnabledAfterInner = false;
    bool mainStillDisabledAfterInner = false;
    CString innerResultText;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(kStep);
        return TRUE;
    }
    LRESULT OnStep(WPARAM, LPARAM);

    DECLARE_MESSAGE_TABLE(OuterDialog, CDialog)
};

class InnerDialog : public CDialog {
public:
    InnerDialog(CWnd* parent, HWND outer) : CDialog(IDD_HIDDEN_POPUP, parent), m_outer(outer) {}

    bool outerDisabled = false;
    bool mainDisabled = false;
    CString resultText;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        outerDisabled = !::IsWindowEnabled(m_outer);
        mainDisabled = !AfxGetMainWnd()->IsWindowEnabled();
        PostMessage(kStep);
        return TRUE;
    }
    LRESULT OnStep(WPARAM, LPARAM)
    {
        resultText = L"inner";
        EndDialog(5);
        return 0;
    }

    DECLARE_MESSAGE_TABLE(InnerDialog, CDialog)

private:
    HWND m_outer;
};

BEGIN_MESSAGE_TABLE(InnerDialog)
    MAP_MESSAGE(kStep, OnStep)
END_MESSAGE_TABLE()

BEGIN_MESSAGE_TABLE(OuterDialog)
    MAP_MESSAGE(kStep, OnStep)
END_MESSAGE_TABLE()

LRESULT OuterDialog::OnStep(WPARAM, LPARAM)
{
    InnerDialog inner(this, m_hWnd);
    innerResult = inner.DoModal();
    selfDisabledDuringInner = inner.outerDisabled;
    mainDisabledDuringInner = inner.mainDisabled;
    innerResultText = inner.resultText;
    selfEnabledAfterInner = IsWindowEnabled() != FALSE;
    mainStillDisabledAfterInner = !AfxGetMainWnd()->IsWindowEnabled();
    EndDialog(9);
    return 0;
}

TEST_F(DialogTest, NestedModalRunsDisableAndRestoreEachOwner)
{
    OuterDialog outer;
    EXPECT_EQ(outer.DoModal(), 9);
    EXPECT_EQ(outer.innerResult, 5);
    EXPECT_EQ(outer.innerResultText, L"inner");
    EXPECT_TRUE(outer.selfDisabledDuringInner);
    EXPECT_TRUE(outer.mainDisabledDuringInner);
    EXPECT_TRUE(outer.selfEnabledAfterInner);
    EXPECT_TRUE(outer.mainStillDisabledAfterInner);
    EXPECT_TRUE(mainWindow.IsWindowEnabled());
}

// A message sent from another thread is handled by the modal loop, which
// ends because of it.
class WaitingDialog : public CDialog {
public:
    WaitingDialog() : CDialog(IDD_HIDDEN_POPUP) {}
    ~WaitingDialog() override
    {
        if (m_sender.joinable())
            m_sender.join();
    }

    DWORD handledOnThread = 0;
    LRESULT senderGot = 0;

    void JoinSender() { m_sender.join(); }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        const HWND self = m_hWnd;
        m_sender = std::thread([this, self] { senderGot = ::SendMessageW(self, kFromOtherThread, 42, 0); });
        return TRUE;
    }
    LRESULT OnFromOtherThread(WPARAM wParam, LPARAM)
    {
        handledOnThread = ::GetCurrentThreadId();
        EndDialog(static_cast<int>(wParam));
        return 7;
    }

    DECLARE_MESSAGE_TABLE(WaitingDialog, CDialog)

private:
    std::thread m_sender;
};

BEGIN_MESSAGE_TABLE(WaitingDialog)
    MAP_MESSAGE(kFromOtherThread, OnFromOtherThread)
END_MESSAGE_TABLE()

TEST_F(DialogTest, MessageSentFromAnotherThreadIsHandledByTheModalLoop)
{
    WaitingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 42);
    dialog.JoinSender();
    EXPECT_EQ(dialog.handledOnThread, ::GetCurrentThreadId());
    EXPECT_EQ(dialog.senderGot, 7);
}

// Escape typed into the edit goes through CDialog::PreTranslateMessage to
// the dialog manager, which turns it into IDCANCEL.
class KeyDialog : public CDialog {
public:
    KeyDialog() : CDialog(IDD_HIDDEN_POPUP) {}
    int cancelCalls = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        const HWND edit = ::GetDlgItem(m_hWnd, IDC_NAME_EDIT);
        ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        return TRUE;
    }
    void OnCancel() override
    {
        ++cancelCalls;
        CDialog::OnCancel();
    }
};

TEST_F(DialogTest, EscapeInAControlReachesOnCancelThroughTheDialogManager)
{
    KeyDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.cancelCalls, 1);
}

// Binds the template's list box to a member at every run (any window object
// can be bound; the list box is driven by its messages here).
class BoundDialog : public CDialog {
public:
    BoundDialog() : CDialog(IDD_HIDDEN_POPUP) {}

    CWnd m_list;
    int countSeen = -1;
    bool boundToTemplateControl = false;

protected:
    void DoDataExchange(CDataExchange* exchange) override { DDX_Control(exchange, IDC_ITEM_LIST, m_list); }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        boundToTemplateControl = m_list.m_hWnd == ::GetDlgItem(m_hWnd, IDC_ITEM_LIST);
        m_list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
        m_list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"two"));
        countSeen = static_cast<int>(m_list.SendMessage(LB_GETCOUNT));
        EndDialog(IDOK);
        return TRUE;
    }
};

TEST_F(DialogTest, ControlBindingIsMadeAgainOnEveryRun)
{
    BoundDialog dialog;
    for (int run = 0; run < 2; ++run) {
        dialog.countSeen = -1;
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(dialog.boundToTemplateControl);
        EXPECT_EQ(dialog.countSeen, 2);
        EXPECT_EQ(dialog.m_list.m_hWnd, nullptr);
    }
}

class QuittingDialog : public CDialog {
public:
    QuittingDialog() : CDialog(IDD_HIDDEN_POPUP) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ::PostQuitMessage(3);
        return TRUE;
    }
};

TEST_F(DialogTest, QuitEndsTheModalRunAndStaysQueuedForTheOuterLoop)
{
    QuittingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(mainWindow.IsWindowEnabled());
}

}  // namespace
