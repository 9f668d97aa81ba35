#include "classlib/color_dialog.h"
#include "classlib/file_dialog.h"
#include "classlib/message_box.h"
#include "classlib/scripted_dialogs.h"
#include "classlib/wnd.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { ScriptedDialogs::Reset(); }
    void TearDown() override
    {
        ScriptedDialogs::Reset();
        if (m_window)
            ::DestroyWindow(m_window);
    }

    // A visible top-level window made active on this thread.
    HWND ActiveWindow()
    {
        m_window = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                     nullptr, nullptr, nullptr);
        ::SetActiveWindow(m_window);
        return m_window;
    }

    HWND m_window = nullptr;
};

// The window this thread shows as a dialog owned by `owner`, or null.
HWND ShownDialogOwnedBy(HWND owner)
{
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[16]{};
            ::GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && ::GetWindow(window, GW_OWNER) == s->owner &&
                ::IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND g_cancelOwner = nullptr;

// A thread timer's procedure: cancels the dialog of g_cancelOwner once it shows.
void CALLBACK CancelShownDialog(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND dialog = ShownDialogOwnedBy(g_cancelOwner))
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

TEST(FileDialogFilter, BarsBecomeNulsAndTheListEndsInTwoNuls)
{
    struct Case {
        const wchar_t* given;
        std::wstring expected;
    };
    const Case cases[] = {
        {L"Gaming Mouse Profile(*.bin)|*.bin||", L"Gaming Mouse Profile(*.bin)\0*.bin\0\0"s},
        {L"A|*.a|B|*.b;*.c||", L"A\0*.a\0B\0*.b;*.c\0\0"s},
        {L"A|*.a|", L"A\0*.a\0\0"s},
        {L"A|*.a", L"A\0*.a\0\0"s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertFileDialogFilter(c.given), c.expected);
}

TEST_F(Dialogs, OpenFileDialogPassesItsSettingsAndTakesTheScriptedPath)
{
    HWND owner = ActiveWindow();
    CFileDialog dialog(TRUE, nullptr, L"C:\\data\\config1.bin", 0x1006, L"Gaming Mouse Profile(*.bin)|*.bin||",
                       CWnd::FromHandle(owner));
    ScriptedDialogs::AnswerFileDialog(L"D:\\saved.bin\\Profile.BIN");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), L"D:\\saved.bin\\Profile.BIN");
    EXPECT_EQ(dialog.GetFileName(), L"Profile.BIN");
    EXPECT_EQ(dialog.GetFileExt(), L"BIN");

    const auto calls = ScriptedDialogs::FileDialogCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].open);
    EXPECT_EQ(calls[0].initialFileName, L"C:\\data\\config1.bin");
    EXPECT_EQ(calls[0].defaultExt, L"");
    EXPECT_EQ(calls[0].flags & 0x1006u, 0x1006u);
    EXPECT_EQ(calls[0].filter, L"Gaming Mouse Profile(*.bin)\0*.bin\0\0"s);
    EXPECT_EQ(calls[0].owner, owner);
    // The structure the real dialog would get holds the same list.
    EXPECT_EQ(std::wstring(dialog.m_ofn.lpstrFilter, calls[0].filter.size()), calls[0].filter);
    EXPECT_EQ(dialog.m_ofn.nFilterIndex, 1u);
}

TEST_F(Dialogs, SaveFileDialogCancelAndNamesWithoutExtension)
{
    CFileDialog dialog(FALSE, L"bin", L"start.bin");
    ScriptedDialogs::CancelFileDialog();
    ScriptedDialogs::AnswerFileDialog(L"C:\\my.folder/profile");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetFileName(), L"profile");
    EXPECT_EQ(dialog.GetFileExt(), L"");  // the folder's dot is not the name's

    const auto calls = ScriptedDialogs::FileDialogCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FALSE(calls[0].open);
    EXPECT_EQ(calls[0].defaultExt, L"bin");
    EXPECT_EQ(calls[0].filter, L"");
    EXPECT_EQ(dialog.m_ofn.lpstrFilter, nullptr);
    EXPECT_EQ(calls[1].initialFileName, L"start.bin");  // unchanged by the cancel
}

TEST_F(Dialogs, LongFileNamesNeverOverrunTheBuffer)
{
    const std::wstring longName = L"C:\\" + std::wstring(5000, L'x') + L".bin";
    CFileDialog dialog(TRUE, nullptr, longName.c_str());
    EXPECT_GT(dialog.m_ofn.nMaxFile, longName.size());

    ScriptedDialogs::AnswerFileDialog(longName);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName().str(), longName);
    EXPECT_EQ(ScriptedDialogs::FileDialogCalls().at(0).initialFileName, longName);

    CFileDialog small(TRUE);
    ScriptedDialogs::AnswerFileDialog(std::wstring(small.m_ofn.nMaxFile, L'y'));
    EXPECT_EQ(small.DoModal(), IDCANCEL);  // too long: fails like the real one
}

TEST_F(Dialogs, ColorDialogStartsAtTheInitialColourAndReturnsTheChoice)
{
    HWND active = ActiveWindow();
    ASSERT_EQ(::GetActiveWindow(), active);

    CColorDialog dialog(RGB(0, 0, 0), 0);
    ScriptedDialogs::CancelColorDialog();
    ScriptedDialogs::AnswerColorDialog(RGB(10, 20, 30));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetColor(), RGB(0, 0, 0));
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetColor(), RGB(10, 20, 30));

    const auto calls = ScriptedDialogs::ColorDialogCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].initialColor, RGB(0, 0, 0));
    EXPECT_TRUE(calls[0].flags & CC_RGBINIT);
    EXPECT_EQ(calls[0].owner, active);  // no parent given: the active window
    EXPECT_EQ(dialog.m_cc.hwndOwner, nullptr);
}

TEST_F(Dialogs, TheSystemDialogsLibraryLoadsOnlyWhenARealDialogOpens)
{
    // Neither the process's start nor the scripted dialogs have loaded it.
    CColorDialog scripted;
    ScriptedDialogs::CancelColorDialog();
    scripted.DoModal();
    EXPECT_EQ(::GetModuleHandleW(L"comdlg32.dll"), nullptr);

    g_cancelOwner = ActiveWindow();
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, CancelShownDialog);
    CColorDialog dialog(RGB(1, 2, 3), 0, CWnd::FromHandle(g_cancelOwner));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // the system's dialog, shown and cancelled
    ::KillTimer(nullptr, timer);
    EXPECT_NE(::GetModuleHandleW(L"comdlg32.dll"), nullptr);
}

TEST_F(Dialogs, MessageBoxesTakeAnswersInOrderAndRecordTheirTexts)
{
    HWND owner = ActiveWindow();
    ScriptedDialogs::AnswerMessageBox(IDCANCEL);
    ScriptedDialogs::AnswerMessageBox(IDOK);

    EXPECT_EQ(ShowMessageBox(owner, L"Reset to factory default?", L"ATTENTION!!", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox(L"error"), IDOK);
    ScriptedDialogs::AnswerMessageBox(IDNO);
    EXPECT_EQ(CWnd::FromHandle(owner)->MessageBox(L"from a window", nullptr, MB_YESNO), IDNO);

    const auto calls = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, L"Reset to factory default?");
    EXPECT_EQ(calls[0].caption, L"ATTENTION!!");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(calls[0].owner, owner);
    EXPECT_EQ(calls[1].caption, L"classlib_dialogs_test");  // the program's own name
    EXPECT_EQ(calls[1].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(calls[1].owner, owner);  // the active window
    EXPECT_EQ(calls[2].owner, owner);
    EXPECT_EQ(calls[2].caption, L"classlib_dialogs_test");

    ScriptedDialogs::Reset();
    EXPECT_TRUE(ScriptedDialogs::MessageBoxCalls().empty());
}
