#include "macro/macro_dialog.h"

#include "classlib/scripted_dialogs.h"
#include "macro/assignment_results.h"
#include "macro/macro_dialog_layout.h"
#include "model/settings_record.h"
#include "resource.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include "dialog_script.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace dialogtest;

namespace {

using PickDialog = Scripted<CMacroDialog>;

constexpr COLORREF kFieldColour = RGB(0x28, 0x28, 0x28);

POINT Centre(const PickDialog& dialog, const RECT& rect)
{
    return dialog.Screen((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

HWND List(const PickDialog& dialog)
{
    return ::GetDlgItem(dialog.m_hWnd, IDC_MACRO_PICK_LIST);
}

std::vector<std::wstring> ListedNames(const PickDialog& dialog)
{
    std::vector<std::wstring> names;
    const HWND list = List(dialog);
    const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        names.emplace_back(text);
    }
    return names;
}

// Clicks the left and the right part of the box in turn: two quick clicks
// on one spot would make a double-click, which the dialog leaves alone.
void ClickDropDown(const PickDialog& dialog)
{
    static bool left = false;
    left = !left;
    const RECT& box = macro_pick::kNameField;
    ClickAt(dialog.Screen(left ? box.left + 10 : box.right - 10, (box.top + box.bottom) / 2));
}

// A real click on item `index` of the open list.
void ClickItem(const PickDialog& dialog, int index)
{
    const HWND list = List(dialog);
    ASSERT_NE(list, nullptr);
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::ClientToScreen(list, &point);
    ClickAt(point);
}

void ClickMode(const PickDialog& dialog, int mode)
{
    ClickAt(Centre(dialog, macro_pick::kModeMarks[static_cast<size_t>(mode)]));
}

void ClickOk(const PickDialog& dialog)
{
    ClickAt(Centre(dialog, macro_pick::kOkButton));
}

// A client pixel of a window as drawn (children included).
COLORREF ClientPixel(HWND window, int x, int y)
{
    HDC dc = ::GetDC(window);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return colour;
}

// A client pixel of the dialog after a full repaint.
COLORREF DialogPixel(const PickDialog& dialog, int x, int y)
{
    ::RedrawWindow(dialog.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return ClientPixel(dialog.m_hWnd, x, y);
}

class MacroDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        UseInstalledSkins();
        ProgramLanguage() = L"EN";
        g_TextTable.Load(L"EN");
        g_bMacroListOpen = 0;
        g_MacroDialogHover = HoverFlags{};
        ScriptedDialogs::Reset();
        WriteNames({L"Alpha", L"Beta", L"Gamma"});
    }
    void TearDown() override
    {
        ScriptedDialogs::Reset();
        ProgramLanguage() = L"EN";
        g_TextTable.Load(L"EN");
    }

    void WriteNames(const std::vector<std::wstring>& names)
    {
        std::wstring text = L"[MacroName]\r\nMacroCount=" + std::to_wstring(names.size()) + L"\r\n";
        for (size_t i = 0; i < names.size(); ++i)
            text += std::to_wstring(i) + L"=" + names[i] + L"\r\n";
        WriteUtf16File(m_recordIni, text);
    }

    void UseStore(PickDialog& dialog) const { dialog.m_strRecordIni = m_recordIni.c_str(); }

    TempFolder m_folder;
    std::wstring m_recordIni = m_folder.file(L"record.ini");
};

}  // namespace

TEST_F(MacroDialogTest, ListShowsTheStoredNamesAndAPickSetsPositionAndName)
{
    PickDialog dialog;
    UseStore(dialog);
    std::vector<std::wstring> listed;
    bool listGoneAfterPick = false;
    std::wstring field;
    dialog.steps = [&](PickDialog& d) {
        EXPECT_EQ(List(d), nullptr);  // no list until it is opened
        ClickDropDown(d);
        listed = ListedNames(d);
        EXPECT_EQ(g_bMacroListOpen, 1);
        ClickItem(d, 1);
        listGoneAfterPick = List(d) == nullptr && g_bMacroListOpen == 0;
        field = ControlText(d.m_hWnd, IDC_MACRO_NAME);
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"Alpha", L"Beta", L"Gamma"}));
    EXPECT_TRUE(listGoneAfterPick);
    EXPECT_EQ(field, L"Beta");
    EXPECT_EQ(dialog.m_nSelMacro, 1);
    EXPECT_EQ(dialog.m_strMacroName, L"Beta");
    EXPECT_EQ(dialog.m_nRepeatMode, 0);
}

TEST_F(MacroDialogTest, EachRepeatModeWhetherChosenBeforeOrAfterThePick)
{
    for (const int mode : {0, 1, 2}) {
        for (const bool modeFirst : {true, false}) {
            PickDialog dialog;
            UseStore(dialog);
            dialog.steps = [&](PickDialog& d) {
                if (modeFirst)
                    ClickMode(d, mode);
                ClickDropDown(d);
                ClickItem(d, 2);
                if (!modeFirst)
                    ClickMode(d, mode);
                ClickOk(d);
            };
            EXPECT_EQ(dialog.DoModal(), IDOK);
            EXPECT_EQ(dialog.m_nRepeatMode, mode) << modeFirst;
            EXPECT_EQ(dialog.m_nSelMacro, 2);
            EXPECT_EQ(dialog.m_strMacroName, L"Gamma");
        }
    }
}

TEST_F(MacroDialogTest, TheMainWindowStoresThePickInEachLanguage)
{
    struct Language {
        const wchar_t* code;
        const wchar_t* caption;
    };
    const Language languages[] = {{L"EN", L"Macro:Beta"},
                                  {L"CHS", L"宏:Beta"},
                                  {L"CHT", L"巨集鍵:Beta"},
                                  {L"DE", L"Makro:Beta"}};
    for (const Language& language : languages) {
        ProgramLanguage() = language.code;
        g_TextTable.Load(language.code);
        SettingsRecord record{};
        PickDialog dialog;
        UseStore(dialog);
        dialog.steps = [](PickDialog& d) {
            ClickDropDown(d);
            ClickItem(d, 1);
            ClickMode(d, 2);
            ClickOk(d);
        };
        const INT_PTR result = dialog.DoModal();
        const auto caption =
            ApplyMacroResult(record, 5, result, dialog.m_nSelMacro, dialog.m_nRepeatMode, dialog.m_strMacroName);
        ASSERT_TRUE(caption.has_value()) << language.code;
        EXPECT_EQ(*caption, language.caption);
        EXPECT_EQ(record.MacroIndex[5], 1);
        EXPECT_EQ(record.MacroRepeatMode[5], 2);
        EXPECT_EQ(record.ButtonFunction[5], 11);
    }
}

TEST_F(MacroDialogTest, OkWithoutAPickAndCancelChangeNothing)
{
    SettingsRecord record{};
    record.ButtonFunction[3] = 4;
    const SettingsRecord before = record;

    PickDialog okOnly;
    UseStore(okOnly);
    okOnly.steps = [](PickDialog& d) {
        ClickMode(d, 1);
        ClickOk(d);
    };
    EXPECT_EQ(okOnly.DoModal(), IDOK);
    EXPECT_EQ(okOnly.m_nSelMacro, -1);
    EXPECT_FALSE(ApplyMacroResult(record, 3, IDOK, okOnly.m_nSelMacro, okOnly.m_nRepeatMode, okOnly.m_strMacroName));

    for (const RECT& button : {macro_pick::kCancelButton, macro_pick::kCloseBox}) {
        PickDialog dialog;
        UseStore(dialog);
        dialog.steps = [&](PickDialog& d) {
            ClickDropDown(d);
            ClickItem(d, 0);
            ClickAt(Centre(d, button));
        };
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_FALSE(
            ApplyMacroResult(record, 3, result, dialog.m_nSelMacro, dialog.m_nRepeatMode, dialog.m_strMacroName));
    }
    EXPECT_EQ(std::memcmp(&record, &before, sizeof(record)), 0);
}

TEST_F(MacroDialogTest, AStoreOfTwentyNamesListsTheFirstTwelve)
{
    std::vector<std::wstring> names;
    for (int i = 1; i <= 20; ++i)
        names.push_back(L"Macro_" + std::to_wstring(i));
    WriteNames(names);
    PickDialog dialog;
    UseStore(dialog);
    std::vector<std::wstring> listed;
    dialog.steps = [&](PickDialog& d) {
        ClickDropDown(d);
        listed = ListedNames(d);
        ::SendMessageW(List(d), LB_SETTOPINDEX, 11, 0);
        ClickItem(d, 11);
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(listed, std::vector<std::wstring>(names.begin(), names.begin() + 12));
    EXPECT_EQ(dialog.m_nSelMacro, 11);
    EXPECT_EQ(dialog.m_strMacroName, L"Macro_12");
}

TEST_F(MacroDialogTest, TheListClosesOnASecondClickOrAClickElsewhereAndKeepsTheChoice)
{
    PickDialog dialog;
    UseStore(dialog);
    std::vector<bool> open;
    dialog.steps = [&](PickDialog& d) {
        ClickDropDown(d);
        ClickItem(d, 0);
        ClickDropDown(d);
        open.push_back(List(d) != nullptr);
        ClickDropDown(d);  // second click: closed, the choice stays
        open.push_back(List(d) != nullptr);
        ClickDropDown(d);
        ClickAt(d.Screen(300, 150));  // elsewhere
        open.push_back(List(d) != nullptr);
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(open, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(g_bMacroListOpen, 0);
    EXPECT_EQ(dialog.m_nSelMacro, 0);
    EXPECT_EQ(dialog.m_strMacroName, L"Alpha");
}

TEST_F(MacroDialogTest, TheListOpenFlagOutlivesARun)
{
    PickDialog first;
    UseStore(first);
    first.steps = [](PickDialog& d) { ClickDropDown(d); };  // left open: the run is ended from outside
    EXPECT_EQ(first.DoModal(), kLeftOpen);
    EXPECT_EQ(g_bMacroListOpen, 1);

    PickDialog second;
    UseStore(second);
    std::vector<bool> open;
    second.steps = [&](PickDialog& d) {
        ClickDropDown(d);  // only clears the carried-over flag
        open.push_back(List(d) != nullptr);
        ClickDropDown(d);
        open.push_back(List(d) != nullptr);
    };
    EXPECT_EQ(second.DoModal(), kLeftOpen);
    EXPECT_EQ(open, (std::vector<bool>{false, true}));
}

TEST_F(MacroDialogTest, EnterSpaceEscAndF1DoNotEndTheDialog)
{
    PickDialog dialog;
    UseStore(dialog);
    dialog.steps = [](PickDialog&) {
        for (const WORD key : {VK_RETURN, VK_SPACE, VK_ESCAPE, VK_F1})
            TypeKey(key);
    };
    EXPECT_EQ(dialog.DoModal(), kLeftOpen);
}

TEST_F(MacroDialogTest, NameFieldAndListAreWhiteOnOneKeptDarkBrush)
{
    PickDialog dialog;
    UseStore(dialog);
    std::vector<HBRUSH> brushes;
    COLORREF fieldPixel = 0;
    COLORREF listPixel = 0;
    COLORREF rowPixel = 0;
    bool whiteInRow = false;
    COLORREF staticText = 0;
    dialog.steps = [&](PickDialog& d) {
        ClickDropDown(d);
        const HWND field = ::GetDlgItem(d.m_hWnd, IDC_MACRO_NAME);
        HDC dc = ::GetDC(field);
        for (int i = 0; i < 2; ++i) {
            brushes.push_back(reinterpret_cast<HBRUSH>(
                d.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field))));
            brushes.push_back(reinterpret_cast<HBRUSH>(
                d.SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(List(d)))));
        }
        staticText = ::GetTextColor(dc);
        ::ReleaseDC(field, dc);
        fieldPixel = DialogPixel(d, macro_pick::kNameField.left + 1, macro_pick::kNameField.bottom - 1);
        // Below the last name, inside the list (which keeps to whole rows).
        const HWND list = List(d);
        RECT listClient{};
        ::GetClientRect(list, &listClient);
        ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        listPixel = ClientPixel(list, 2, listClient.bottom - 2);
        // The first name's row: its background, and its white letters.
        RECT row{};
        ::SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        rowPixel = ClientPixel(list, row.right - 2, (row.top + row.bottom) / 2);
        for (int x = row.left; x < row.right && !whiteInRow; ++x)
            for (int y = row.top; y < row.bottom && !whiteInRow; ++y)
                whiteInRow = ClientPixel(list, x, y) == RGB(255, 255, 255);
        ClickOk(d);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(brushes.size(), 4u);
    for (const HBRUSH brush : brushes)
        EXPECT_EQ(brush, brushes[0]);
    LOGBRUSH info{};
    ASSERT_EQ(::GetObjectW(brushes[0], sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.lbColor, kFieldColour);
    EXPECT_EQ(staticText, RGB(255, 255, 255));
    EXPECT_EQ(fieldPixel, kFieldColour);
    EXPECT_EQ(listPixel, kFieldColour);
    EXPECT_EQ(rowPixel, kFieldColour);
    EXPECT_TRUE(whiteInRow);
}

TEST_F(MacroDialogTest, MarksAndHoveredButtonsShowTheirPictures)
{
    PickDialog dialog;
    UseStore(dialog);
    dialog.steps = [](PickDialog& d) {
        const auto markPixel = [&d](int mode) {
            const RECT& mark = macro_pick::kModeMarks[static_cast<size_t>(mode)];
            return DialogPixel(d, (mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2);
        };
        const COLORREF chosen = markPixel(0);
        const COLORREF plain = markPixel(2);
        EXPECT_NE(chosen, plain);
        ClickMode(d, 2);
        EXPECT_EQ(markPixel(2), chosen);
        EXPECT_EQ(markPixel(0), plain);

        // The OK picture's left end, clear of its caption.
        const COLORREF okNormal = DialogPixel(d, macro_pick::kOkButton.left + 4, macro_pick::kOkButton.top + 12);
        const COLORREF closeNormal = DialogPixel(d, macro_pick::kCloseBox.left + 2, macro_pick::kCloseBox.top + 7);
        const LPARAM inOk = MAKELPARAM(macro_pick::kOkButton.left + 4, macro_pick::kOkButton.top + 12);
        d.SendMessage(WM_MOUSEHOVER, 0, inOk);
        EXPECT_TRUE(g_MacroDialogHover.ok);
        const COLORREF okOver = DialogPixel(d, macro_pick::kOkButton.left + 4, macro_pick::kOkButton.top + 12);
        EXPECT_NE(okOver, okNormal);

        d.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(macro_pick::kCancelButton.left + 4, 262));
        EXPECT_FALSE(g_MacroDialogHover.ok);
        EXPECT_TRUE(g_MacroDialogHover.cancel);
        EXPECT_EQ(DialogPixel(d, macro_pick::kOkButton.left + 4, macro_pick::kOkButton.top + 12), okNormal);
        EXPECT_EQ(DialogPixel(d, macro_pick::kCancelButton.left + 4, macro_pick::kCancelButton.top + 12), okOver);

        d.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(macro_pick::kCloseBox.left + 2, macro_pick::kCloseBox.top + 7));
        EXPECT_NE(DialogPixel(d, macro_pick::kCloseBox.left + 2, macro_pick::kCloseBox.top + 7), closeNormal);

        d.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(150, 60));  // outside all three
        EXPECT_FALSE(g_MacroDialogHover.Any());
        EXPECT_EQ(DialogPixel(d, macro_pick::kCloseBox.left + 2, macro_pick::kCloseBox.top + 7), closeNormal);
    };
    EXPECT_EQ(dialog.DoModal(), kLeftOpen);
    EXPECT_EQ(dialog.m_nRepeatMode, 2);
}

TEST_F(MacroDialogTest, TheWindowTakesItsPicturesSize)
{
    PickDialog dialog;
    UseStore(dialog);
    RECT client{};
    dialog.steps = [&](PickDialog& d) { ::GetClientRect(d.m_hWnd, &client); };
    EXPECT_EQ(dialog.DoModal(), kLeftOpen);
    EXPECT_EQ(client.right, 392);
    EXPECT_EQ(client.bottom, 296);
}

TEST_F(MacroDialogTest, FailedBackgroundEndsTheDialogAfterTheMessage)
{
    SetAppDir(L"C:\\no-such-folder\\");
    ScriptedDialogs::AnswerMessageBox(IDOK);
    PickDialog dialog;
    UseStore(dialog);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.stepsRan);
    const auto calls = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, L"error");
    EXPECT_EQ(calls[0].caption, L"Macro Key Dialog Load background image failed!!!");
    EXPECT_EQ(calls[0].type, static_cast<UINT>(MB_OK));
}
