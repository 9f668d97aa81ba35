#include "macro/dialog_texts.h"
#include "macro/macro_dialog_layout.h"
#include "storage/macro_file_encoding.h"
#include "macro/single_dialog_layout.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(MacroDialogClicks, EachPointDoesWhatItsPlaceSays)
{
    using B = PaintedButton;
    struct Row {
        POINT point;
        bool closesList;
        PaintedButton button;
        bool togglesList;
        int mode;
    };
    const Row rows[] = {
        {{250, 250}, true, B::Ok, false, -1},    // OK's top-left corner
        {{307, 274}, true, B::Ok, false, -1},    // and its last pixel
        {{308, 260}, true, B::None, false, -1},  // right edge is outside
        {{340, 260}, true, B::Cancel, false, -1},
        {{352, 6}, true, B::Close, false, -1},
        {{369, 23}, true, B::Close, false, -1},
        {{42, 128}, false, B::None, true, -1},   // the name field
        {{150, 143}, false, B::None, true, -1},  // the arrow cell beside it
        {{151, 135}, true, B::None, false, -1},
        {{100, 200}, false, B::None, false, -1},  // inside the list's place
        {{100, 145}, true, B::None, false, -1},   // the row between box and list
        {{220, 78}, true, B::None, false, 0},
        {{235, 143}, true, B::None, false, 1},
        {{228, 186}, true, B::None, false, 2},
        {{300, 186}, true, B::None, false, -1},  // the mode texts do not react
        {{5, 5}, true, B::None, false, -1},
    };
    for (const Row& r : rows) {
        const MacroDialogClick click = ClassifyMacroDialogClick(r.point);
        SCOPED_TRACE(testing::Message() << r.point.x << "," << r.point.y);
        EXPECT_EQ(click.closesList, r.closesList);
        EXPECT_EQ(click.button, r.button);
        EXPECT_EQ(click.togglesList, r.togglesList);
        EXPECT_EQ(click.repeatMode, r.mode);
    }
}

TEST(MacroDialogClicks, KeyCaptureButtonsAreWiderThanTheMacroDialogs)
{
    EXPECT_EQ(PaintedButtonAt(key_capture::kButtons, {244, 250}), PaintedButton::Ok);
    EXPECT_EQ(PaintedButtonAt(macro_pick::kButtons, {244, 250}), PaintedButton::None);
    EXPECT_EQ(PaintedButtonAt(key_capture::kButtons, {377, 274}), PaintedButton::Cancel);
    EXPECT_EQ(PaintedButtonAt(macro_pick::kButtons, {377, 274}), PaintedButton::None);
    EXPECT_EQ(PaintedButtonAt(key_capture::kButtons, {360, 10}), PaintedButton::Close);
}

TEST(MacroDialogClicks, ModeTextBoxKeepsItsCentreAtTheTextHeight)
{
    struct Row {
        RECT box;
        int height;
        RECT fitted;
    };
    const Row rows[] = {
        {{237, 70, 390, 102}, 16, {237, 78, 390, 94}},    {{237, 70, 390, 102}, 32, {237, 70, 390, 102}},
        {{237, 70, 390, 102}, 15, {237, 78, 390, 93}},  // an odd difference rounds towards the top
        {{237, 78, 390, 94}, 16, {237, 78, 390, 94}},   // an adjusted box stays
        {{237, 120, 390, 152}, 48, {237, 112, 390, 160}},
    };
    for (const Row& r : rows) {
        const RECT fitted = CenteredToHeight(r.box, r.height);
        EXPECT_TRUE(::EqualRect(&fitted, &r.fitted)) << r.box.top << " " << r.height << " -> " << fitted.top;
    }
}

TEST(PaintedButtonHover, MarksFollowTheHoveredButton)
{
    HoverFlags flags;
    EXPECT_FALSE(MarkHovered(flags, PaintedButton::None));
    EXPECT_FALSE(flags.Any());
    EXPECT_FALSE(ClearHovered(flags));  // nothing set: no repaint

    EXPECT_TRUE(MarkHovered(flags, PaintedButton::Ok));
    EXPECT_TRUE(flags.ok && !flags.cancel && !flags.close);
    EXPECT_TRUE(MarkHovered(flags, PaintedButton::Cancel));
    EXPECT_TRUE(!flags.ok && flags.cancel);
    EXPECT_TRUE(MarkHovered(flags, PaintedButton::Close));  // the close box leaves the others as they are
    EXPECT_TRUE(flags.close && flags.cancel);
    EXPECT_TRUE(MarkHovered(flags, PaintedButton::Ok));
    EXPECT_TRUE(flags.close && flags.ok && !flags.cancel);

    EXPECT_TRUE(ClearHovered(flags));
    EXPECT_FALSE(flags.Any());
}

TEST(DialogTexts, MacroAssignmentTextsByLanguage)
{
    const MacroPickTexts en = MacroPickTextsFor(L"EN");
    EXPECT_EQ(en.ok, L"OK");
    EXPECT_EQ(en.cancel, L"Cancel");
    EXPECT_EQ(en.modes[1], L"Macro runs endless loop until any button is pressed. ");
    EXPECT_EQ(en.modes[2], L"Macro runs endless loop until button is released. ");
    EXPECT_EQ(en.prompt, L"Please select a macro!");

    const MacroPickTexts de = MacroPickTextsFor(L"DE");
    EXPECT_EQ(de.cancel, L"Abbrechen");
    EXPECT_EQ(de.modes[0], L"Makro bei Tastendruck einmalig ausführen.");
    EXPECT_EQ(MacroPickTextsFor(L"CHS").modes[2], L"重复直到该按键松开结束");
    EXPECT_EQ(MacroPickTextsFor(L"CHT").prompt, L"請先選擇巨集");

    for (const wchar_t* other : {L"", L"en", L"FR", L"ENG"}) {
        const MacroPickTexts none = MacroPickTextsFor(other);
        EXPECT_TRUE(none.ok.IsEmpty() && none.cancel.IsEmpty() && none.prompt.IsEmpty()) << other;
        for (const CString& mode : none.modes)
            EXPECT_TRUE(mode.IsEmpty()) << other;
    }
}

TEST(DialogTexts, KeyCaptureTextsFallBackToEnglish)
{
    EXPECT_EQ(KeyCaptureTextsFor(L"CHS").prompt, L"请输入一个按键");
    EXPECT_EQ(KeyCaptureTextsFor(L"CHT").ok, L"確定");
    EXPECT_EQ(KeyCaptureTextsFor(L"DE").prompt, L"Bitte wählen Sie eine Taste aus.");
    for (const wchar_t* english : {L"EN", L"", L"FR"}) {
        const KeyCaptureTexts texts = KeyCaptureTextsFor(english);
        EXPECT_EQ(texts.ok, L"Ok");
        EXPECT_EQ(texts.cancel, L"Cancel");
        EXPECT_EQ(texts.prompt, L"Please assign a key");
    }
}

class ListedMacroNames : public testing::Test {
protected:
    std::vector<CString> Read(const std::wstring& text, int limit = 12)
    {
        WriteUtf16File(m_path, text);
        return ReadMacroNames(m_path.c_str(), limit);
    }

    TempFolder m_folder;
    std::wstring m_path = m_folder.file(L"record.ini");
};

TEST_F(ListedMacroNames, NamesInListOrderUpToTheLimit)
{
    EXPECT_TRUE(ReadMacroNames(m_path.c_str(), 12).empty());                 // no file
    EXPECT_EQ(GetFileAttributesW(m_path.c_str()), INVALID_FILE_ATTRIBUTES);  // and none made

    EXPECT_EQ(Read(L"[MacroName]\r\nMacroCount=3\r\n0=b\r\n1=a\r\n2=b\r\n"), (std::vector<CString>{L"b", L"a", L"b"}));
    // An entry without a name is no macro, as the store and the encoder count
    // them; a count that is no number lists none.
    EXPECT_EQ(Read(L"[MacroName]\r\nMacroCount=3\r\n0=x\r\n2=z\r\n"), (std::vector<CString>{L"x", L"z"}));
    EXPECT_TRUE(Read(L"[MacroName]\r\nMacroCount=many\r\n0=x\r\n").empty());
    EXPECT_TRUE(Read(L"[MacroName]\r\nMacroCount=-4\r\n0=x\r\n").empty());
    EXPECT_TRUE(Read(L"[Other]\r\n").empty());

    std::wstring twenty = L"[MacroName]\r\nMacroCount=20\r\n";
    for (int i = 0; i < 20; ++i)
        twenty += std::to_wstring(i) + L"=m" + std::to_wstring(i) + L"\r\n";
    const std::vector<CString> names = Read(twenty);
    ASSERT_EQ(names.size(), 12u);
    EXPECT_EQ(names.back(), L"m11");
    EXPECT_EQ(ReadUtf16File(m_path), twenty);  // read only
}
