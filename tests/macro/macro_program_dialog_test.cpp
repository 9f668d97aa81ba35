#include "macro/macro_program_dialog.h"

#include "classlib/image.h"
#include "macro/macro_manager_helpers.h"
#include "macro/macro_manager_layout.h"
#include "resource.h"
#include "storage/macro_file_encoding.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace {

using namespace macrotest;
using namespace macro_manager;

Lines Joined(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::wstring kTwoMacros =
    L"[MacroName]\r\nMacroCount=2\r\n0=a\r\n1=b\r\n"
    L"[a]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=2\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=20 ms\r\nItem2=A   Up\r\n"
    L"[b]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=B   Dn\r\n";
const Lines kListAB = {L"[MacroName]", L"MacroCount=2", L"0=a", L"1=b"};
const Lines kSectionA = {L"[a]",          L"DelayTimeSelStatus=0", L"MacroLoopTimes=2", L"ItemCount=3",
                         L"Item0=A   Dn", L"Item1=20 ms",          L"Item2=A   Up"};
const Lines kSectionB = {L"[b]", L"DelayTimeSelStatus=1", L"MacroLoopTimes=1", L"ItemCount=1", L"Item0=B   Dn"};

using MacroManagerWindow = MacroManagerTest;

TEST_F(MacroManagerWindow, OpensWithTheStoreListedAndTheFirstMacroLoaded)
{
    WriteStore(kTwoMacros);
    const INT_PTR result = RunModal([&] {
        RECT window{};
        ::GetWindowRect(dialog.m_hWnd, &window);
        EXPECT_EQ(window.right - window.left, 495) << "sized to its picture";
        EXPECT_EQ(window.bottom - window.top, 439);
        EXPECT_EQ(Names(), (Lines{L"a", L"b"}));
        EXPECT_EQ(::SendMessageW(NameList(), LB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(Keys(), (Lines{L"A   Dn", L"20 ms", L"A   Up"}));
        EXPECT_EQ(LoopText(), L"2");
        EXPECT_TRUE(::IsWindowEnabled(LoopEdit()));
        EXPECT_EQ(g_bLoopOption, 1);
        EXPECT_EQ(dialog.m_btnRecord.GetCaption(), L"Start Recording");
        EXPECT_EQ(g_hMacroManagerWnd, dialog.m_hWnd);
        RECT list{};
        ::GetWindowRect(KeyList(), &list);
        ::MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&list), 2);
        EXPECT_TRUE(::EqualRect(&list, &kKeyListRect));
        Click(kCancelRect);
        PumpAWhile();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(FileLines(), Joined({kListAB, kSectionA, kSectionB})) << "opening and Cancel write nothing";
    EXPECT_EQ(g_hMacroManagerWnd, nullptr);
}

TEST_F(MacroManagerWindow, WithoutMacrosTheLoopEditIsDisabled)
{
    RunModal([&] {
        EXPECT_TRUE(Names().empty());
        EXPECT_FALSE(::IsWindowEnabled(LoopEdit()));
        Click(kCloseRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, TextsFollowTheProgramsLanguage)
{
    ProgramLanguage() = L"DE";
    RunModal([&] {
        EXPECT_EQ(dialog.m_btnRecord.GetCaption(), L"Aufzeichnung starten");
        EXPECT_EQ(dialog.m_btnRecord.m_nFontHeight, 14);
        Click(kCancelRect);
        PumpAWhile();
    });
    ProgramLanguage() = L"CHT";
    RunModal([&] {
        EXPECT_EQ(dialog.m_btnRecord.GetCaption(), L"開始記錄");
        EXPECT_EQ(dialog.m_btnRecord.m_nFontHeight, 12);
        LOGFONTW font{};
        dialog.m_font.GetLogFont(&font);
        EXPECT_STREQ(font.lfFaceName, L"黑体");
        Click(kCancelRect);
        PumpAWhile();
    });
    // Any other code: no texts, and new macros are named by their number.
    ProgramLanguage() = L"XX";
    RunModal([&] {
        EXPECT_EQ(dialog.m_btnRecord.GetCaption(), L"");
        Click(kNewRect);
        PumpAWhile();
        EXPECT_EQ(Names(), (Lines{L"_1"}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, AFailedBackgroundEndsTheWindowAfterTheMessage)
{
    TempFolder noSkins;
    SetAppDir(noSkins.path().c_str());
    ScriptedDialogs::AnswerMessageBox(IDOK);
    const INT_PTR result = RunModal([] { ADD_FAILURE() << "the window stayed up without its controls"; }, false);
    EXPECT_EQ(result, IDCANCEL);
    const auto calls = ScriptedDialogs::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, L"error");
    EXPECT_EQ(calls[0].caption, L"Macro Manager Dialog Load background image failed!!!");
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    PumpAWhile();
}

TEST_F(MacroManagerWindow, NewNamesMacrosAndStopsAtTwelve)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=1\r\n0=Macro_3\r\n[Macro_3]\r\nMacroLoopTimes=1\r\nItemCount=1\r\n"
        L"Item0=A   Dn\r\n");
    ScriptedDialogs::AnswerMessageBox(IDOK);
    RunModal([&] {
        Click(kNewRect);
        PumpAWhile();
        EXPECT_EQ(Names(), (Lines{L"Macro_3", L"Macro_4"}));
        EXPECT_EQ(::SendMessageW(NameList(), LB_GETCURSEL, 0, 0), 1);
        EXPECT_TRUE(Keys().empty());
        EXPECT_EQ(LoopText(), L"1");
        EXPECT_EQ(FileLines(),
                  (Lines{L"[MacroName]", L"MacroCount=1", L"0=Macro_3", L"[Macro_3]", L"DelayTimeSelStatus=0",
                         L"MacroLoopTimes=1", L"ItemCount=1", L"Item0=A   Dn", L"[Macro_4]", L"MacroLoopTimes=1"}))
            << "the selected macro is written before New; the new one gets its loop count";
        for (int i = 0; i < 10; ++i)
            Click(kNewRect);
        PumpAWhile();
        EXPECT_EQ(Names().size(), 12u);
        EXPECT_EQ(Names().back(), L"Macro_14");
        EXPECT_TRUE(ScriptedDialogs::MessageBoxCalls().empty());
        Click(kNewRect);
        PumpAWhile();
        EXPECT_EQ(Names().size(), 12u);
        const auto calls = ScriptedDialogs::MessageBoxCalls();
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].text, L"Up to 12 Macros Possible.");
        EXPECT_EQ(calls[0].caption, L"ATTENTION!");
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, RenameInPlaceFollowsTheNamingRules)
{
    WriteStore(kTwoMacros);
    RunModal([&] {
        // Each attempt: double-click the name, type, Enter.
        const auto rename = [&](std::vector<INPUT> keys) {
            ClickItem(NameList(), 0, 2);
            EXPECT_TRUE(PumpUntil([&] { return Editor(NameList()) != nullptr; })) << "no editor";
            EXPECT_EQ(g_nEditContext, 3);
            keys.push_back(KeyInput(VK_RETURN, false));
            keys.push_back(KeyInput(VK_RETURN, true));
            SendInputs(keys);
            EXPECT_TRUE(PumpUntil([&] { return Editor(NameList()) == nullptr; })) << "the editor stayed";
            PumpAWhile();
        };
        const auto typed = [](const std::wstring& text) {
            std::vector<INPUT> keys;
            for (wchar_t ch : text) {
                const SHORT scan = ::VkKeyScanW(ch);
                const bool shift = (scan >> 8) & 1;
                if (shift)
                    keys.push_back(KeyInput(VK_SHIFT, false));
                keys.push_back(KeyInput(LOBYTE(scan), false));
                keys.push_back(KeyInput(LOBYTE(scan), true));
                if (shift)
                    keys.push_back(KeyInput(VK_SHIFT, true));
            }
            return keys;
        };

        for (const std::wstring refused : {L"B", L"macroname", L"x[1]", L""}) {
            std::vector<INPUT> keys = typed(refused);
            if (refused.empty())
                keys = {KeyInput(VK_DELETE, false), KeyInput(VK_DELETE, true)};
            rename(keys);
            EXPECT_EQ(Names(), (Lines{L"a", L"b"})) << testing::PrintToString(refused);
            EXPECT_EQ(FileLines(), Joined({kSectionB, kListAB, kSectionA}))
                << "the section comes back under the old name";
        }

        rename(typed(L"Fast Run"));
        EXPECT_EQ(Names(), (Lines{L"Fast Run", L"b"}));
        Lines renamed = kSectionA;
        renamed[0] = L"[Fast Run]";
        EXPECT_EQ(FileLines(), Joined({kSectionB, {L"[MacroName]", L"MacroCount=2", L"0=Fast Run", L"1=b"}, renamed}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, EscapeCancelsARenameAndTheWindowStaysOpen)
{
    WriteStore(kTwoMacros);
    const INT_PTR result = RunModal([&] {
        ClickItem(NameList(), 1, 2);
        ASSERT_TRUE(PumpUntil([&] { return Editor(NameList()) != nullptr; }));
        SendInputs({KeyInput('Z', false), KeyInput('Z', true), KeyInput(VK_ESCAPE, false), KeyInput(VK_ESCAPE, true)});
        EXPECT_TRUE(PumpUntil([&] { return Editor(NameList()) == nullptr; })) << "Esc reaches the editor";
        PumpAWhile();
        EXPECT_EQ(Names(), (Lines{L"a", L"b"}));
        EXPECT_EQ(FileLines(), Joined({kSectionA, kListAB, kSectionB}));

        // Outside the editor Enter, Space, Esc and F1 are kept from the
        // dialog manager: the window neither closes nor records.
        ::SetFocus(NameList());
        for (WORD key : {VK_RETURN, VK_SPACE, VK_ESCAPE, VK_F1})
            TapKey(key);
        PumpAWhile();
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_EQ(g_bRecordOn, 0);
        Click(kOkRect);
        PumpAWhile();
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(MacroManagerWindow, APauseIsEditedInPlaceOnTheSecondDoubleClick)
{
    WriteStore(kTwoMacros);
    RunModal([&] {
        ClickItem(KeyList(), 1, 2);
        EXPECT_EQ(Editor(KeyList()), nullptr) << "the first double-click arms the line";
        ClickItem(KeyList(), 0, 2);
        EXPECT_EQ(Editor(KeyList()), nullptr) << "a key line is never edited";
        ClickItem(KeyList(), 1, 2);
        ASSERT_TRUE(PumpUntil([&] { return Editor(KeyList()) != nullptr; }));
        EXPECT_EQ(::GetWindowLongW(Editor(KeyList()), GWL_STYLE) & ES_NUMBER, ES_NUMBER);
        m_clock.ClearPauses();
        SendInputs({KeyInput('7', false), KeyInput('7', true), KeyInput('0', false), KeyInput('0', true),
                    KeyInput('0', false), KeyInput('0', true), KeyInput('0', false), KeyInput('0', true),
                    KeyInput('0', false), KeyInput('0', true), KeyInput(VK_RETURN, false), KeyInput(VK_RETURN, true)});
        ASSERT_TRUE(PumpUntil([&] { return Editor(KeyList()) == nullptr; }));
        PumpAWhile();
        EXPECT_EQ(Keys(), (Lines{L"A   Dn", L"65535 ms", L"A   Up"}));
        Lines edited = kSectionA;
        edited[5] = L"Item1=65535 ms";
        EXPECT_EQ(FileLines(), Joined({kSectionB, kListAB, edited}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, TheLoopCountAndTheTickBoxesReachTheStore)
{
    WriteStore(kTwoMacros);
    RunModal([&] {
        ::SetWindowTextW(LoopEdit(), L"5");
        PumpAWhile();
        Lines a = kSectionA;
        a[2] = L"MacroLoopTimes=5";
        EXPECT_EQ(FileLines(), Joined({kListAB, a, kSectionB})) << "written in place at once";
        ::SetWindowTextW(LoopEdit(), L"70000");
        PumpAWhile();
        EXPECT_EQ(LoopText(), L"1");

        ::SetWindowTextW(LoopEdit(), L"5");
        Click(kLoopTickRect);
        PumpAWhile();
        EXPECT_EQ(g_bLoopOption, 0);
        EXPECT_FALSE(::IsWindowEnabled(LoopEdit()));
        EXPECT_EQ(LoopText(), L"1") << "unticked, the macro plays once";
        a[2] = L"MacroLoopTimes=1";
        EXPECT_EQ(FileLines(), Joined({kListAB, a, kSectionB}));

        // Selected again, the box stays unticked.
        ClickItem(NameList(), 1);
        ClickItem(NameList(), 0);
        EXPECT_EQ(g_bLoopOption, 0);
        Click(kLoopTickRect);
        PumpAWhile();
        EXPECT_EQ(g_bLoopOption, 1);
        EXPECT_TRUE(::IsWindowEnabled(LoopEdit()));

        // The delay box is written with the macro's next write.
        EXPECT_EQ(g_bDelayOption, 0);
        Click(kDelayTickRect);
        PumpAWhile();
        EXPECT_EQ(g_bDelayOption, 1);
        EXPECT_EQ(FileLines(), Joined({kListAB, a, kSectionB}));
        Click(kOkRect);
        PumpAWhile();
    });
    Lines a = kSectionA;
    a[1] = L"DelayTimeSelStatus=1";
    a[2] = L"MacroLoopTimes=1";
    EXPECT_EQ(FileLines(), Joined({kSectionB, kListAB, a}));
}

TEST_F(MacroManagerWindow, TheKeyListMenuInsertsAndDeletesLinesAndWritesAtOnce)
{
    WriteStore(kTwoMacros);
    RunModal([&] {
        // No menu without a selected line.
        RightClickItem(KeyList(), 0);
        PumpAWhile();
        EXPECT_EQ(Keys().size(), 3u);

        ClickItem(KeyList(), 0);
        // Down twice: the second item, insert left button.
        RightClickItem(KeyList(), 0);
        SendInputs({KeyInput(VK_DOWN, false), KeyInput(VK_DOWN, true), KeyInput(VK_DOWN, false),
                    KeyInput(VK_DOWN, true), KeyInput(VK_RETURN, false), KeyInput(VK_RETURN, true)});
        ASSERT_TRUE(PumpUntil([&] { return Keys().size() == 5; }));
        EXPECT_EQ(Keys(), (Lines{L"A   Dn", L"L-Button   Dn", L"L-Button   Up", L"20 ms", L"A   Up"}));
        EXPECT_EQ(::SendMessageW(KeyList(), LB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(FileLines(),
                  Joined({kSectionB,
                          kListAB,
                          {L"[a]", L"DelayTimeSelStatus=0", L"MacroLoopTimes=2", L"ItemCount=5", L"Item0=A   Dn",
                           L"Item1=L-Button   Dn", L"Item2=L-Button   Up", L"Item3=20 ms", L"Item4=A   Up"}}));

        // The last item inserts a pause before the selected line.
        RightClickItem(KeyList(), 2);
        SendInputs(
            {KeyInput(VK_UP, false), KeyInput(VK_UP, true), KeyInput(VK_RETURN, false), KeyInput(VK_RETURN, true)});
        ASSERT_TRUE(PumpUntil([&] { return Keys().size() == 6; }));
        EXPECT_EQ(Keys()[2], L"50 ms");
        EXPECT_EQ(::SendMessageW(KeyList(), LB_GETCURSEL, 0, 0), 3);

        // The first item deletes the selected line.
        RightClickItem(KeyList(), 3);
        SendInputs(
            {KeyInput(VK_DOWN, false), KeyInput(VK_DOWN, true), KeyInput(VK_RETURN, false), KeyInput(VK_RETURN, true)});
        ASSERT_TRUE(PumpUntil([&] { return Keys().size() == 5; }));
        EXPECT_EQ(Keys(), (Lines{L"A   Dn", L"L-Button   Dn", L"50 ms", L"20 ms", L"A   Up"}));
        const Lines file = FileLines();
        EXPECT_EQ(Lines(file.end() - 6, file.end()), (Lines{L"ItemCount=5", L"Item0=A   Dn", L"Item1=L-Button   Dn",
                                                            L"Item2=50 ms", L"Item3=20 ms", L"Item4=A   Up"}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, ButtonsInsertedIntoAnEmptyKeyListAreWrittenAtOnce)
{
    WriteStore(L"[MacroName]\r\nMacroCount=1\r\n0=a\r\n[a]\r\nMacroLoopTimes=1\r\n");
    RunModal([&] {
        EXPECT_TRUE(Keys().empty());
        dialog.SendMessage(WM_COMMAND, ID_MACRO_INSERT_RBUTTON);
        EXPECT_EQ(Keys(), (Lines{L"R-Button   Dn", L"R-Button   Up"}));
        EXPECT_EQ(FileLines(),
                  (Lines{L"[MacroName]", L"MacroCount=1", L"0=a", L"[a]", L"DelayTimeSelStatus=0", L"MacroLoopTimes=1",
                         L"ItemCount=2", L"Item0=R-Button   Dn", L"Item1=R-Button   Up"}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, DeleteRemovesTheSelectedMacro)
{
    WriteStore(kTwoMacros);
    RunModal([&] {
        Click(kDeleteRect);
        PumpAWhile();
        EXPECT_EQ(Names(), (Lines{L"b"}));
        EXPECT_EQ(Keys(), (Lines{L"B   Dn"}));
        EXPECT_EQ(FileLines(), Joined({kSectionB, {L"[MacroName]", L"MacroCount=1", L"0=b"}}));
        Click(kDeleteRect);
        PumpAWhile();
        EXPECT_TRUE(Names().empty());
        EXPECT_EQ(FileLines(), (Lines{L"[MacroName]", L"MacroCount=0", L"0="}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

TEST_F(MacroManagerWindow, OkEncodesTheRecordsThatCancelLeavesAlone)
{
    WriteStore(kTwoMacros);
    for (auto& record : dialog.m_MacroRecords)
        record.Event[0] = {0xEE, 0xEE};

    EXPECT_EQ(RunModal([&] {
                  ::SetWindowTextW(LoopEdit(), L"300");
                  PumpAWhile();
                  Click(kCancelRect);
                  PumpAWhile();
              }),
              IDCANCEL);
    EXPECT_EQ(dialog.m_MacroRecords[1].Event[0].A, 0xEE) << "Cancel encodes nothing";
    EXPECT_EQ(dialog.m_MacroRecords[0].LoopCount, (std::array<uint8_t, 2>{0x01, 0x2C}))
        << "the loop count edit keeps the selected record's count";

    EXPECT_EQ(RunModal([&] {
                  Click(kOkRect);
                  PumpAWhile();
              }),
              IDOK);
    // What the encoder makes of the file as OK left it.
    std::array<MacroRecord, kMaxMacros> expected{};
    EncodeMacrosFromIni(m_path.c_str(), kManagerMacroEncoding, [&](int k) {
        return MacroRecordSpan(reinterpret_cast<uint8_t*>(&expected[static_cast<size_t>(k)]), kDeviceRecordSize);
    });
    EXPECT_EQ(std::memcmp(&dialog.m_MacroRecords, &expected, sizeof expected), 0);
    const MacroRecord& a = dialog.m_MacroRecords[0];
    EXPECT_EQ(a.LoopCount, (std::array<uint8_t, 2>{0x01, 0x2C}));
    EXPECT_EQ(a.Event[0].A, 0x05);  // A down, then the 50 ms shortest pause
    EXPECT_EQ(a.Event[0].B, 0x04);
    EXPECT_EQ(a.Event[1].A, 0x85);
    EXPECT_EQ(dialog.m_MacroRecords[1].Event[0].B, 0x05);
    EXPECT_EQ(dialog.m_MacroRecords[2].Event[0].A, 0x00) << "past the list: cleared";
}

TEST_F(MacroManagerWindow, AMacroUnderARefusedNameIsShownButNeverWrittenUntilRenamed)
{
    // A damaged file: a count far above its names, a gap, a macro named
    // like the list section, one without a loop count.
    WriteStore(
        L"[MacroName]\r\nMacroCount=5000\r\n0=a\r\n1=\r\n2=MacroName\r\n"
        L"[a]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=A   Dn\r\n");
    const Lines before = FileLines();
    RunModal([&] {
        EXPECT_EQ(Names(), (Lines{L"a", L"MacroName"})) << "the gap is no macro";
        ClickItem(NameList(), 1);
        EXPECT_EQ(LoopText(), L"1");
        EXPECT_EQ(FileLines(), before) << "selecting it wrote nothing";
        ::SetWindowTextW(LoopEdit(), L"4");
        dialog.SendMessage(WM_COMMAND, ID_MACRO_INSERT_LBUTTON);
        PumpAWhile();
        EXPECT_EQ(Keys(), (Lines{L"L-Button   Dn", L"L-Button   Up"}));
        EXPECT_EQ(FileLines(), (Lines{L"[a]", L"MacroLoopTimes=2", L"ItemCount=1", L"Item0=A   Dn", L"[MacroName]",
                                      L"MacroCount=2", L"0=a", L"1=MacroName"}))
            << "only the list is rewritten";

        // Renamed, it is written under its new name. (The click on it reloads
        // it first, as it stands in the file.)
        ClickItem(NameList(), 1, 2);
        ASSERT_TRUE(PumpUntil([&] { return Editor(NameList()) != nullptr; }));
        SendInputs({KeyInput('M', false), KeyInput('M', true), KeyInput(VK_RETURN, false), KeyInput(VK_RETURN, true)});
        ASSERT_TRUE(PumpUntil([&] { return Editor(NameList()) == nullptr; }));
        PumpAWhile();
        EXPECT_EQ(Names(), (Lines{L"a", L"m"}));
        const Lines listed = {L"[a]",         L"MacroLoopTimes=2", L"ItemCount=1", L"Item0=A   Dn",
                              L"[MacroName]", L"MacroCount=2",     L"0=a",         L"1=m"};
        EXPECT_EQ(FileLines(),
                  Joined({listed, {L"[m]", L"DelayTimeSelStatus=0", L"MacroLoopTimes=1", L"ItemCount=0"}}));
        dialog.SendMessage(WM_COMMAND, ID_MACRO_INSERT_LBUTTON);
        EXPECT_EQ(FileLines(), Joined({listed,
                                       {L"[m]", L"DelayTimeSelStatus=0", L"MacroLoopTimes=1", L"ItemCount=2",
                                        L"Item0=L-Button   Dn", L"Item1=L-Button   Up"}}));
        Click(kCancelRect);
        PumpAWhile();
    });
}

// A pixel where `image` is opaque and `other` does not show the same
// colour: where the window draws `image` the screen shows that colour, where
// it draws `other` it shows something else.
struct PictureProbe {
    POINT at{};           // in the picture
    COLORREF colour = 0;  // the picture's colour there
};
PictureProbe TellingPixel(const std::wstring& image, const std::wstring& other)
{
    CImage a;
    CImage b;
    EXPECT_EQ(a.Load(image.c_str()), S_OK);
    EXPECT_EQ(b.Load(other.c_str()), S_OK);
    const auto pixel = [](CImage& picture, int x, int y) {
        const auto* bytes =
            static_cast<const uint8_t*>(picture.GetBits()) + y * picture.GetPitch() + x * picture.GetBPP() / 8;
        const uint8_t alpha = picture.GetBPP() == 32 ? bytes[3] : 255;
        return std::pair<COLORREF, uint8_t>{RGB(bytes[2], bytes[1], bytes[0]), alpha};
    };
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x) {
            const auto [colourA, alphaA] = pixel(a, x, y);
            const auto [colourB, alphaB] = pixel(b, x, y);
            if (alphaA == 255 && alphaB == 0)
                return {{x, y}, colourA};
            if (alphaA == 255 && alphaB == 255 && colourA != colourB)
                return {{x, y}, colourA};
        }
    ADD_FAILURE() << "no pixel tells the two pictures apart";
    return {};
}

COLORREF ScreenPixel(POINT screen)
{
    HDC dc = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(dc, screen.x, screen.y);
    ::ReleaseDC(nullptr, dc);
    return colour;
}

TEST_F(MacroManagerWindow, TickBoxesAndHoveredButtonsShowTheirPictures)
{
    const std::wstring skins = std::wstring(RV417_BIN_DIR_W) + L"\\Skins";
    const PictureProbe tick = TellingPixel(skins + kTickOnImage, skins + kTickOffImage);
    const PictureProbe over = TellingPixel(skins + kOkCancelHoverImage, skins + kOkCancelImage);
    WriteStore(kTwoMacros);
    RunModal([&] {
        const auto shows = [&](const RECT& rect, const PictureProbe& probe) {
            dialog.RedrawWindow();
            return ScreenPixel(Screen({rect.left + probe.at.x, rect.top + probe.at.y})) == probe.colour;
        };
        MoveMouseTo(Screen({200, 20}));
        PumpAWhile();
        EXPECT_FALSE(shows(kDelayTickRect, tick));
        EXPECT_TRUE(shows(kLoopTickRect, tick)) << "macro a loops twice";
        Click(kDelayTickRect);
        PumpAWhile();
        EXPECT_TRUE(shows(kDelayTickRect, tick));

        // Resting over Cancel lights it (the system's hover notice comes
        // after 10 ms); OK stays as it was. Leaving puts it back.
        EXPECT_FALSE(shows(kCancelRect, over));
        MoveMouseTo(Screen(Centre(kCancelRect)));
        EXPECT_TRUE(PumpUntil([&] { return shows(kCancelRect, over); }));
        EXPECT_FALSE(shows(kOkRect, over));
        MoveMouseTo(Screen({200, 20}));
        EXPECT_TRUE(PumpUntil([&] { return !shows(kCancelRect, over); }));
        Click(kCancelRect);
        PumpAWhile();
    });
}

}  // namespace
