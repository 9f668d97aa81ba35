#include "macro/single_dialog.h"

#include "classlib/scripted_dialogs.h"
#include "macro/assignment_results.h"
#include "macro/single_dialog_layout.h"
#include "model/settings_record.h"
#include "resource.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include "dialog_script.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace dialogtest;

namespace {

using KeyDialog = Scripted<CSingleDialog>;

// A window of the test that stands for another program: it counts the key
// messages that reach it while it has the keyboard focus.
class OtherWindow : public CWnd {
public:
    OtherWindow()
    {
        CreateEx(WS_EX_TOPMOST, nullptr, L"other", WS_POPUP | WS_VISIBLE, 40, 40, 200, 100, nullptr, nullptr);
    }
    ~OtherWindow() override { DestroyWindow(); }

    void TakeFocus()
    {
        MakeActive(m_hWnd);
        ::SetFocus(m_hWnd);
        PumpPending();
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN || message == WM_KEYUP)
            keys.push_back(static_cast<UINT>(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<UINT> keys;
};

class SingleDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        UseInstalledSkins();
        ProgramLanguage() = L"EN";
        g_strCapturedKey.Empty();
        g_KeyCaptureHover = HoverFlags{};
        ScriptedDialogs::Reset();
    }
    void TearDown() override { ScriptedDialogs::Reset(); }

    static POINT Centre(const KeyDialog& dialog, const RECT& rect)
    {
        return dialog.Screen((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    static void ClickOk(KeyDialog& dialog) { ClickAt(Centre(dialog, key_capture::kOkButton)); }
    static void ClickCancel(KeyDialog& dialog) { ClickAt(Centre(dialog, key_capture::kCancelButton)); }
    static void ClickClose(KeyDialog& dialog) { ClickAt(Centre(dialog, key_capture::kCloseBox)); }
    static std::wstring Field(const KeyDialog& dialog) { return ControlText(dialog.m_hWnd, IDC_KEY_NAME); }
};

}  // namespace

TEST_F(SingleDialogTest, PressAndReleaseOfF5ShowF5AndOkReturnsIt)
{
    KeyDialog dialog;
    std::vector<std::wstring> seen;
    dialog.steps = [&](KeyDialog& d) {
        ASSERT_NE(g_hKeyCaptureHook, nullptr);
        EXPECT_EQ(g_hKeyCaptureWnd, d.m_hWnd);
        seen.push_back(Field(d));
        SendKey(VK_F5, false);
        seen.push_back(Field(d));
        SendKey(VK_F5, true);
        seen.push_back(Field(d));
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"", L"F5", L"F5"}));
    EXPECT_EQ(dialog.m_strKeyName, L"F5");
    EXPECT_EQ(g_strCapturedKey, L"F5");
    EXPECT_EQ(g_hKeyCaptureHook, nullptr);
}

TEST_F(SingleDialogTest, TheLastKeyEventWinsAndTheKeypadEnterHasItsOwnName)
{
    KeyDialog dialog;
    std::vector<std::wstring> seen;
    dialog.steps = [&](KeyDialog& d) {
        SendKey('A', false);
        SendKey('B', false);
        SendKey('A', true);  // a release counts as much as a press
        seen.push_back(Field(d));
        TypeKey('B');
        seen.push_back(Field(d));
        TypeKey(VK_RETURN, true);
        seen.push_back(Field(d));
        TypeKey(VK_RETURN);
        seen.push_back(Field(d));
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"A", L"B", L"Num Enter", L"Enter"}));
    EXPECT_EQ(dialog.m_strKeyName, L"Enter");
}

TEST_F(SingleDialogTest, KeysWithoutAUsageLeaveTheLastAssignableName)
{
    KeyDialog dialog;
    std::vector<std::wstring> seen;
    dialog.steps = [&](KeyDialog& d) {
        TypeKey(VK_F5);
        TypeKey(VK_HELP);     // named "Help", no keyboard usage
        TypeKey(VK_EXECUTE);  // "Execute", no usage
        TypeKey(VK_OEM_8);    // no name at all
        seen.push_back(Field(d));
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"F5"}));
    EXPECT_EQ(dialog.m_strKeyName, L"F5");
    EXPECT_EQ(g_strCapturedKey, L"F5");
}

TEST_F(SingleDialogTest, KeysReachNoOtherWindowWhileOpenAndDoAgainAfterEveryEnding)
{
    OtherWindow other;
    other.TakeFocus();
    TypeKey(VK_F5);
    ASSERT_EQ(other.keys, (std::vector<UINT>{VK_F5, VK_F5})) << "the test window must get keys to begin with";

    using Ending = void (*)(KeyDialog&);
    const Ending endings[] = {&SingleDialogTest::ClickOk, &SingleDialogTest::ClickCancel,
                              &SingleDialogTest::ClickClose};
    for (const Ending end : endings) {
        other.keys.clear();
        KeyDialog dialog;
        bool hookGoneAtOnce = false;
        dialog.steps = [&](KeyDialog& d) {
            other.TakeFocus();
            TypeKey('Q');
            TypeKey(VK_ESCAPE);
            TypeKey(VK_RETURN);
            end(d);
            // Gone as soon as the dialog ends, before its object goes.
            hookGoneAtOnce = g_hKeyCaptureHook == nullptr;
        };
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(result, end == endings[0] ? IDOK : IDCANCEL);
        EXPECT_TRUE(other.keys.empty());
        EXPECT_TRUE(hookGoneAtOnce);
        EXPECT_EQ(dialog.m_strKeyName, L"Enter");  // seen by the hook, kept from the window

        other.TakeFocus();
        TypeKey('Q');
        EXPECT_EQ(other.keys, (std::vector<UINT>{'Q', 'Q'}));
    }
}

TEST_F(SingleDialogTest, AQuitWhileOpenAlsoRemovesTheHook)
{
    KeyDialog dialog;
    dialog.endAfterSteps = false;
    dialog.steps = [](KeyDialog&) { ::PostQuitMessage(3); };
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(g_hKeyCaptureHook, nullptr);
    MSG quit;
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(SingleDialogTest, PresetNameShowsAndOkWithoutAKeyReturnsIt)
{
    SettingsRecord record{};
    record.SingleKey[4] = 0x3E;  // F5
    KeyDialog dialog;
    dialog.m_strKeyName = PresetKeyName(record, 4);
    std::wstring shown;
    dialog.steps = [&](KeyDialog& d) {
        shown = Field(d);
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(shown, L"F5");
    EXPECT_EQ(dialog.m_strKeyName, L"F5");
}

TEST_F(SingleDialogTest, TheMainWindowStoresTheCapturedKeyWithItsCaption)
{
    g_TextTable.Load(L"EN");
    SettingsRecord record{};
    KeyDialog dialog;
    dialog.m_strKeyName = PresetKeyName(record, 5);
    dialog.steps = [](KeyDialog& d) {
        TypeKey(VK_F5);
        ClickOk(d);
    };
    const INT_PTR result = dialog.DoModal();
    const auto caption = ApplySingleKeyResult(record, 5, result, dialog.m_strKeyName);
    ASSERT_TRUE(caption.has_value());
    EXPECT_EQ(*caption, L"Assign Keyboard Key-F5");
    EXPECT_EQ(record.SingleKey[5], 0x3E);
    EXPECT_EQ(record.ButtonFunction[5], 10);
}

TEST_F(SingleDialogTest, OkWithoutAnAssignableKeyChangesNothing)
{
    g_TextTable.Load(L"EN");
    SettingsRecord record{};
    record.SingleKey[2] = 0x64;  // a usage without a name: the dialog starts with "N/A"
    record.ButtonFunction[2] = 2;
    const SettingsRecord before = record;
    KeyDialog dialog;
    dialog.m_strKeyName = PresetKeyName(record, 2);
    dialog.steps = [](KeyDialog& d) {
        TypeKey(VK_HELP);
        ClickOk(d);
    };
    const INT_PTR result = dialog.DoModal();
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strKeyName, L"N/A");
    EXPECT_FALSE(ApplySingleKeyResult(record, 2, result, dialog.m_strKeyName).has_value());
    EXPECT_EQ(std::memcmp(&record, &before, sizeof(record)), 0);
}

TEST_F(SingleDialogTest, EnterAndEscapeDoNotEndTheDialogAndCancelIgnoresTheKey)
{
    KeyDialog dialog;
    dialog.steps = [](KeyDialog& d) {
        TypeKey(VK_RETURN);
        TypeKey(VK_ESCAPE);
        // Nor would the dialog manager see them.
        MSG enter{d.m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        EXPECT_TRUE(d.PreTranslateMessage(&enter));
    };
    EXPECT_EQ(dialog.DoModal(), kLeftOpen);
    EXPECT_EQ(dialog.m_strKeyName, L"Esc");
    EXPECT_EQ(g_hKeyCaptureHook, nullptr);
}

TEST_F(SingleDialogTest, FailedBackgroundEndsTheDialogAfterTheMessage)
{
    SetAppDir(L"C:\\no-such-folder\\");
    ScriptedDialogs::AnswerMessageBox(IDOK);
    KeyDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.stepsRan);
    const auto calls = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, L"error");
    EXPECT_EQ(calls[0].caption, L"Single Key Dialog Load background image failed!!!");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(g_hKeyCaptureHook, nullptr);
}

TEST_F(SingleDialogTest, KeyFieldIsBlackOnOneKeptWhiteBrush)
{
    KeyDialog dialog;
    HBRUSH first = nullptr;
    HBRUSH second = nullptr;
    COLORREF fieldPixel = 0;
    dialog.steps = [&](KeyDialog& d) {
        const HWND field = ::GetDlgItem(d.m_hWnd, IDC_KEY_NAME);
        HDC dc = ::GetDC(field);
        first = reinterpret_cast<HBRUSH>(
            d.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field)));
        EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 0));
        second = reinterpret_cast<HBRUSH>(
            d.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field)));
        ::ReleaseDC(field, dc);
        ::RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        HDC fieldDC = ::GetDC(field);
        fieldPixel = ::GetPixel(fieldDC, 1, 1);
        ::ReleaseDC(field, fieldDC);
        ClickCancel(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(first, second);
    LOGBRUSH brush{};
    ASSERT_EQ(::GetObjectW(first, sizeof(brush), &brush), static_cast<int>(sizeof(brush)));
    EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
    EXPECT_EQ(fieldPixel, RGB(255, 255, 255));
}
