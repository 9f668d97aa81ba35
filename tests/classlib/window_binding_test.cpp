#include "classlib/scripted_dialogs.h"
#include "classlib/wnd.h"

#include "window_test_helpers.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CountingWindow : public CWnd {
public:
    int preSubclassCalls = 0;
    int postNcDestroyCalls = 0;
    int messagesSeen = 0;
    bool sawNcCreate = false;

    void PreSubclassWindow() override { ++preSubclassCalls; }
    void PostNcDestroy() override { ++postNcDestroyCalls; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++messagesSeen;
        sawNcCreate = sawNcCreate || message == WM_NCCREATE;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(WindowBinding, CreatedWindowIsBoundFromItsFirstMessage)
{
    CountingWindow window;
    ASSERT_TRUE(CreateTopLevel(window));
    EXPECT_EQ(CWnd::FromHandlePermanent(window.m_hWnd), &window);
    EXPECT_EQ(CWnd::FromHandle(window.m_hWnd), &window);
    EXPECT_EQ(window.preSubclassCalls, 1);
    EXPECT_TRUE(window.sawNcCreate);
}

TEST(WindowBinding, PopupNamingAChildAsParentIsBoundToo)
{
    CWnd top;
    CWnd child;
    ASSERT_TRUE(CreateTopLevel(top));
    ASSERT_TRUE(CreateChild(child, top, 1));
    CountingWindow popup;
    ASSERT_TRUE(popup.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, child, nullptr));
    EXPECT_EQ(popup.preSubclassCalls, 1);
    EXPECT_TRUE(popup.sawNcCreate);
}

TEST(WindowBinding, WindowWithoutObjectGetsOneReusableTemporary)
{
    const HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    CWnd* temporary = CWnd::FromHandle(plain);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->m_hWnd, plain);
    EXPECT_EQ(CWnd::FromHandle(plain), temporary);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    ::DestroyWindow(plain);
}

TEST(WindowBinding, DestroyedWindowReleasesItsObject)
{
    CountingWindow window;
    ASSERT_TRUE(CreateTopLevel(window));
    const HWND handle = window.m_hWnd;
    ::DestroyWindow(handle);
    EXPECT_EQ(window.m_hWnd, nullptr);
    EXPECT_EQ(window.postNcDestroyCalls, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

TEST(WindowBinding, DestroyedObjectDestroysItsWindow)
{
    HWND handle = nullptr;
    {
        CountingWindow window;
        ASSERT_TRUE(CreateTopLevel(window));
        handle = window.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

TEST(WindowBinding, AttachAndDetachOnlyBind)
{
    const HWND plain = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CountingWindow first;
    CountingWindow second;
    ASSERT_TRUE(first.Attach(plain));
    EXPECT_FALSE(second.Attach(plain));  // one object per window
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), &first);
    ::SendMessageW(plain, WM_NULL, 0, 0);
    EXPECT_EQ(first.messagesSeen, 0);  // not subclassed
    EXPECT_EQ(first.Detach(), plain);
    EXPECT_EQ(CWnd::FromHandlePermanent(plain), nullptr);
    EXPECT_TRUE(::IsWindow(plain));
    ::DestroyWindow(plain);
}

TEST(WindowBinding, SubclassedControlKeepsItsOwnBehaviourAndCanBeGivenBack)
{
    CWnd parent;
    ASSERT_TRUE(CreateTopLevel(parent));
    const HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 80, 20, parent, reinterpret_cast<HMENU>(7),
                                        nullptr, nullptr);
    const auto editProcedure = ::GetWindowLongPtrW(edit, GWLP_WNDPROC);

    CountingWindow object;
    ASSERT_TRUE(object.SubclassDlgItem(7, &parent));
    EXPECT_EQ(object.m_hWnd, edit);
    EXPECT_EQ(object.preSubclassCalls, 1);

    object.SetWindowText(L"typed");
    EXPECT_GT(object.messagesSeen, 0);
    CString text;
    object.GetWindowText(text);
    EXPECT_EQ(text, L"typed");  // the edit control still did its part

    EXPECT_EQ(object.UnsubclassWindow(), edit);
    EXPECT_EQ(::GetWindowLongPtrW(edit, GWLP_WNDPROC), editProcedure);
    const int seen = object.messagesSeen;
    ::SetWindowTextW(edit, L"again");
    EXPECT_EQ(object.messagesSeen, seen);
}

TEST(WindowBinding, ChildOfDefaultClassReportsItsIdAndParent)
{
    CWnd parent;
    CWnd child;
    ASSERT_TRUE(CreateTopLevel(parent));
    ASSERT_TRUE(CreateChild(child, parent, 42));
    EXPECT_EQ(child.GetDlgCtrlID(), 42);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_EQ(parent.GetDlgItem(42), &child);
}

TEST(WindowBinding, MessageBoxIsOwnedByTheWindowAndTakesScriptedAnswers)
{
    CWnd window;
    ASSERT_TRUE(CreateTopLevel(window));
    ScriptedDialogs::Reset();
    ScriptedDialogs::AnswerMessageBox(IDNO);
    EXPECT_EQ(window.MessageBox(L"Delete?", L"Profiles", MB_YESNO), IDNO);
    const auto calls = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, window.m_hWnd);
    EXPECT_EQ(calls[0].text, L"Delete?");
    EXPECT_EQ(calls[0].caption, L"Profiles");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_YESNO));
    ScriptedDialogs::Reset();
}

}  // namespace
