#include "pages/dlg_dpi_setting.h"

#include "classlib/scripted_dialogs.h"
#include "page_test_helpers.h"
#include "resource.h"
#include "support/gdi_object_count.h"
#include "text/program_language.h"

#include <gtest/gtest.h>

using namespace pagetest;

namespace {

constexpr std::array<uint8_t, kDpiStageCount> kStages = {12, 24, 48, 72, 108, 144, 216};

// Client points of stage i's places.
POINT ValueBox(int i)
{
    return {32 + 30 * i, 188};
}
POINT OnOff(int i)
{
    return {29 + 30 * i, 206};
}
POINT Swatch(int i)
{
    return {29 + 30 * i, 219};
}
// On stage i's slider at height y (page coordinates).
POINT Slider(int i, int y)
{
    return {28 + 30 * i, y};
}
constexpr POINT kBackgroundPoint{5, 100};

class DpiPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgramLanguage() = L"EN";
        g_Settings = SettingsRecord{};
        g_Settings.DpiStage = kStages;
        g_Settings.DpiStageEnabled.fill(1);
        for (int i = 0; i < kDpiStageCount; ++i)
            g_Settings.DpiStageColor[static_cast<size_t>(i)] = {static_cast<uint8_t>(30 * i), 90, 200};
        g_DpiEditOpen = -1;
        g_LastDpiText.Empty();
        ScriptedDialogs::Reset();
        OpenPage(page, host, IDD_PAGE_DPI, 247, 230);
    }
    void TearDown() override
    {
        ScriptedDialogs::Reset();
        ::ReleaseCapture();
    }

    CEdit& Editor(int i) { return page.m_editors[static_cast<size_t>(i)]; }
    CString EditorText(int i)
    {
        CString text;
        Editor(i).GetWindowText(text);
        return text;
    }
    bool AnyEditorVisible()
    {
        for (CEdit& editor : page.m_editors) {
            if (editor.IsWindowVisible())
                return true;
        }
        return false;
    }
    void Click(POINT at) { ClickAt(page.m_hWnd, at); }

    // Opens stage i's editor with a click on its value box, clicks into it
    // and replaces what it shows with `digits` (Enter not pressed).
    void TypeInto(int i, const wchar_t* digits)
    {
        Click(ValueBox(i));
        ASSERT_TRUE(Editor(i).IsWindowVisible());
        Click(ValueBox(i));  // into the editor, which now lies over the box
        ASSERT_EQ(::GetFocus(), Editor(i).m_hWnd);
        Press(VK_END);
        for (int n = 0; n < 5; ++n)
            Press(VK_BACK);
        TypeDigits(digits);
    }

    FlatSkins skins;
    HostWindow host;
    CDlgDPISetting page;
};

}  // namespace

TEST_F(DpiPage, SlidersShowTheRecordAndOutOfRangeValuesAtTheBottom)
{
    g_Settings.DpiStage[2] = 0;
    g_Settings.DpiStage[3] = 230;
    page.RefreshFromSettings();
    const int expected[] = {12, 24, 1, 1, 108, 144, 216};
    for (int i = 0; i < kDpiStageCount; ++i)
        EXPECT_EQ(page.m_sliders[static_cast<size_t>(i)].m_nPos, expected[i]) << i;
    EXPECT_EQ(g_Settings.DpiStage[3], 230) << "the record keeps the stored value";
}

// The fill picture's top two rows are its thumb. At 50 DPI (stage value 1)
// and at 100 DPI the fill alone would be empty; a thumb of the slider's
// width (7 rows) stands at the bottom instead. At 10,800 DPI the fill
// reaches the top; the slider's bottom row has no source pixel then.
TEST_F(DpiPage, SlidersShowTheThumbAtTheMinimumAndTheWholeFillAtTheMaximum)
{
    g_Settings.DpiStage[0] = 1;
    g_Settings.DpiStage[1] = 2;
    g_Settings.DpiStage[6] = 216;
    page.RefreshFromSettings();
    const HWND w = page.m_hWnd;
    Repaint(w);
    for (int stage : {0, 1}) {
        SCOPED_TRACE(stage);
        const int x = Slider(stage, 0).x;
        EXPECT_EQ(PixelOf(w, x, 165), kTrack);
        EXPECT_EQ(PixelOf(w, x, 166), kFillTop);
        EXPECT_EQ(PixelOf(w, x + 3, 167), kFillTop);
        EXPECT_EQ(PixelOf(w, x - 3, 168), kFill);
        EXPECT_EQ(PixelOf(w, x, 172), kFill);
    }
    const int top = Slider(6, 0).x;
    EXPECT_EQ(PixelOf(w, top, 3), kFillTop);
    EXPECT_EQ(PixelOf(w, top, 4), kFillTop);
    EXPECT_EQ(PixelOf(w, top, 5), kFill);
    EXPECT_EQ(PixelOf(w, top, 171), kFill);
    EXPECT_EQ(PixelOf(w, top, 172), RGB(0, 0, 0));

    // Dragged down to the bottom, the slider keeps its thumb.
    Drag(w, Slider(3, 100), Slider(3, 200));
    EXPECT_EQ(g_Settings.DpiStage[3], 1);
    Repaint(w);
    EXPECT_EQ(PixelOf(w, Slider(3, 0).x, 166), kFillTop);
    EXPECT_EQ(PixelOf(w, Slider(3, 0).x, 172), kFill);
}

TEST_F(DpiPage, DraggingASliderStoresTheStageAndSwitchesItOn)
{
    g_Settings.DpiStageEnabled[1] = 0;
    Drag(page.m_hWnd, Slider(1, 170), Slider(1, 88));  // 1 + 215 * 85 / 170
    EXPECT_EQ(g_Settings.DpiStage[1], 108);
    EXPECT_EQ(g_Settings.DpiStageEnabled[1], 1);
    EXPECT_EQ(g_Settings.DpiStage[0], 12);
}

TEST_F(DpiPage, TypedValuesAreCorrectedAndShownAsStored)
{
    TypeInto(0, L"1249");
    EXPECT_EQ(g_DpiEditOpen, 0);
    Press(VK_RETURN);
    EXPECT_EQ(g_Settings.DpiStage[0], 24);
    EXPECT_EQ(EditorText(0), CString(L"1200"));
    EXPECT_EQ(g_LastDpiText, CString(L"1249"));
    EXPECT_EQ(page.m_sliders[0].m_nPos, 24);
    EXPECT_FALSE(AnyEditorVisible());

    TypeInto(1, L"99999");
    Press(VK_RETURN);
    EXPECT_EQ(g_Settings.DpiStage[1], 216);

    g_Settings.DpiStageEnabled[2] = 0;
    TypeInto(2, L"");
    Press(VK_RETURN);
    EXPECT_EQ(g_Settings.DpiStage[2], 1);
    EXPECT_EQ(g_Settings.DpiStageEnabled[2], 0) << "typing does not switch a stage on";
}

// Each stage takes what is typed into it, whatever was committed last in
// another stage: the second "800" is not lost.
TEST_F(DpiPage, TheSameValueTypedIntoTwoStagesSetsBoth)
{
    TypeInto(0, L"800");
    Press(VK_RETURN);
    TypeInto(1, L"800");
    Press(VK_RETURN);
    EXPECT_EQ(g_Settings.DpiStage[0], 16);
    EXPECT_EQ(g_Settings.DpiStage[1], 16);
    EXPECT_FALSE(AnyEditorVisible());
}

TEST_F(DpiPage, EnterOnTheUnchangedValueClosesTheEditor)
{
    Click(ValueBox(0));
    Click(ValueBox(0));  // into the editor
    ASSERT_EQ(::GetFocus(), Editor(0).m_hWnd);
    ASSERT_EQ(EditorText(0), CString(L"600"));
    Press(VK_RETURN);
    EXPECT_FALSE(AnyEditorVisible());
    EXPECT_EQ(g_DpiEditOpen, -1);
    EXPECT_EQ(g_Settings.DpiStage[0], 12);

    // The same after a value typed and committed in it before.
    TypeInto(1, L"900");
    Press(VK_RETURN);
    Click(ValueBox(1));
    Click(ValueBox(1));
    ASSERT_EQ(EditorText(1), CString(L"900"));
    Press(VK_RETURN);
    EXPECT_FALSE(AnyEditorVisible());
    EXPECT_EQ(g_Settings.DpiStage[1], 18);
}

// A stored value outside 1..216 (from a file) shows as 0 or above 10,800
// DPI; committing what the editor shows corrects the record to 50 or
// 10,800 DPI, by Enter and by a click elsewhere on the page alike.
TEST_F(DpiPage, CommittingTheShownValueCorrectsAStageOutOfRange)
{
    g_Settings.DpiStage[2] = 0;
    g_Settings.DpiStage[3] = 230;
    g_Settings.DpiStage[4] = 255;
    page.RefreshFromSettings();

    Click(ValueBox(2));
    Click(ValueBox(2));
    ASSERT_EQ(EditorText(2), CString(L"0"));
    Press(VK_RETURN);
    EXPECT_EQ(g_Settings.DpiStage[2], 1);
    EXPECT_EQ(EditorText(2), CString(L"50"));
    EXPECT_FALSE(AnyEditorVisible());

    Click(ValueBox(3));
    Click(ValueBox(3));
    ASSERT_EQ(EditorText(3), CString(L"11500"));
    Press(VK_RETURN);
    EXPECT_EQ(g_Settings.DpiStage[3], 216);
    EXPECT_EQ(page.m_sliders[3].m_nPos, 216);

    Click(ValueBox(4));
    ASSERT_EQ(EditorText(4), CString(L"12750"));
    Click(kBackgroundPoint);
    EXPECT_EQ(g_Settings.DpiStage[4], 216);
    EXPECT_FALSE(AnyEditorVisible());
}

TEST_F(DpiPage, OnOffIconsToggle)
{
    g_Settings.DpiStageEnabled[4] = 2;  // from a file: shows as on, the next click turns it off
    Click(OnOff(3));
    Click(OnOff(4));
    EXPECT_EQ(g_Settings.DpiStageEnabled[3], 0);
    EXPECT_EQ(g_Settings.DpiStageEnabled[4], 0);
    Click(OnOff(3));
    EXPECT_EQ(g_Settings.DpiStageEnabled[3], 1);
}

TEST_F(DpiPage, SwatchOfAnOnStageAsksForAColourStartingFromBlack)
{
    ScriptedDialogs::AnswerColorDialog(RGB(0x11, 0x22, 0x33));
    Click(Swatch(4));
    EXPECT_EQ(g_Settings.DpiStageColor[4], (RgbColor{0x11, 0x22, 0x33}));
    ASSERT_EQ(ScriptedDialogs::ColorDialogCalls().size(), 1u);
    EXPECT_EQ(ScriptedDialogs::ColorDialogCalls()[0].initialColor, RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(page.m_hWnd, Swatch(4).x, Swatch(4).y), RGB(0x11, 0x22, 0x33));

    ScriptedDialogs::CancelColorDialog();
    Click(Swatch(4));
    EXPECT_EQ(g_Settings.DpiStageColor[4], (RgbColor{0x11, 0x22, 0x33}));
    EXPECT_EQ(ScriptedDialogs::ColorDialogCalls().size(), 2u);
}

TEST_F(DpiPage, SwatchOfAStageNotExactlyOnAsksNothing)
{
    g_Settings.DpiStageEnabled[2] = 0;
    g_Settings.DpiStageEnabled[5] = 2;
    ScriptedDialogs::AnswerColorDialog(RGB(1, 2, 3));
    Click(Swatch(2));
    Click(Swatch(5));
    EXPECT_TRUE(ScriptedDialogs::ColorDialogCalls().empty());
    EXPECT_EQ(g_Settings.DpiStageColor[2], (RgbColor{60, 90, 200}));
}

// A click first commits the open editor, then toggles, asks for a colour and
// opens the editor of the box it hit.
TEST_F(DpiPage, AClickCommitsTheOpenEditorBeforeItsOwnAction)
{
    TypeInto(2, L"3000");
    ScriptedDialogs::AnswerColorDialog(RGB(9, 8, 7));
    Click(Swatch(2));
    EXPECT_EQ(g_Settings.DpiStage[2], 60);
    EXPECT_EQ(g_Settings.DpiStageColor[2], (RgbColor{9, 8, 7}));
    EXPECT_EQ(g_DpiEditOpen, -1);
    EXPECT_FALSE(AnyEditorVisible());

    TypeInto(0, L"400");
    Click(ValueBox(1));
    EXPECT_EQ(g_Settings.DpiStage[0], 8);
    EXPECT_EQ(g_DpiEditOpen, 1);
    EXPECT_TRUE(Editor(1).IsWindowVisible());
    EXPECT_FALSE(Editor(0).IsWindowVisible());
    EXPECT_EQ(EditorText(1), CString(L"1200"));

    // Committing "400" over a stage that is off leaves it off; the toggle
    // in the same click then acts on the committed stage.
    TypeInto(3, L"400");
    g_Settings.DpiStageEnabled[3] = 0;
    Click(OnOff(3));
    EXPECT_EQ(g_Settings.DpiStage[3], 8);
    EXPECT_EQ(g_Settings.DpiStageEnabled[3], 1);
}

// A slider move closes the open editor: left pending, it would write its
// old text over the slider's value at the next click.
TEST_F(DpiPage, ASliderMoveClosesTheOpenEditor)
{
    TypeInto(0, L"2000");
    Drag(page.m_hWnd, Slider(0, 170), Slider(0, 88));
    EXPECT_EQ(g_DpiEditOpen, -1);
    EXPECT_FALSE(AnyEditorVisible());
    Click(kBackgroundPoint);
    EXPECT_EQ(g_Settings.DpiStage[0], 108);
}

// Likewise a record replaced under an open editor (Cancel, a profile switch)
// must not receive the editor's text.
TEST_F(DpiPage, ARefreshClosesTheOpenEditor)
{
    TypeInto(0, L"2000");
    g_Settings.DpiStage[0] = 30;
    page.RefreshFromSettings();
    EXPECT_EQ(g_DpiEditOpen, -1);
    EXPECT_FALSE(AnyEditorVisible());
    Click(kBackgroundPoint);
    EXPECT_EQ(g_Settings.DpiStage[0], 30);
}

TEST_F(DpiPage, SpaceEscapeAndF1AreKeptFromTheDialog)
{
    TypeInto(0, L"700");
    for (WORD key : {VK_ESCAPE, VK_SPACE, VK_F1})
        Press(key);
    EXPECT_TRUE(page.IsWindowVisible()) << "Escape would end the dialog";
    EXPECT_EQ(EditorText(0), CString(L"700"));
    EXPECT_EQ(g_Settings.DpiStage[0], 12);
}

TEST_F(DpiPage, PaintsTheMarksValueBoxesSwatchesAndSlidersOfTheRecord)
{
    g_Settings.DpiStageEnabled = {1, 0, 2, 1, 0, 1, 0};
    g_Settings.DpiStage[0] = 1;
    page.RefreshFromSettings();
    const HWND w = page.m_hWnd;
    Repaint(w);
    EXPECT_EQ(PixelOf(w, kBackgroundPoint.x, kBackgroundPoint.y), kBackground);
    for (int i = 0; i < kDpiStageCount; ++i) {
        SCOPED_TRACE(i);
        const auto s = static_cast<size_t>(i);
        EXPECT_EQ(PixelOf(w, 26 + 30 * i, 203), g_Settings.DpiStageEnabled[s] ? kOn : kOff);
        EXPECT_EQ(PixelOf(w, 21 + 30 * i, 183), kValueField);
        EXPECT_EQ(PixelOf(w, Swatch(i).x, Swatch(i).y), RGB(30 * i, 90, 200));
    }
    // Stage 0 at the bottom, stage 6 full.
    EXPECT_EQ(PixelOf(w, 28, 20), kTrack);
    EXPECT_EQ(PixelOf(w, 28 + 180, 20), kFill);

    // The DPI is written in white into the value box.
    int light = 0;
    for (int y = 182; y < 194; ++y) {
        for (int x = 140; x < 165; ++x) {
            const COLORREF c = PixelOf(w, x, y);
            light += GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200;
        }
    }
    EXPECT_GT(light, 3);
}

// One brush per swatch colour and one for the editors, however often the
// controls repaint, not a new one for every request. The page
// itself decodes its pictures on every paint, so fifty of those show that
// painting keeps nothing either.
TEST_F(DpiPage, AThousandRepaintsLeaveNoGdiObjectsBehind)
{
    const int start = GdiObjectCount();
    ASSERT_GT(start, 0);
    {
        CBrush probe[10];
        for (CBrush& brush : probe)
            brush.CreateSolidBrush(RGB(1, 2, 3));
        ASSERT_EQ(GdiObjectCount(), start + 10) << "the count must see new objects";
    }
    Click(ValueBox(3));  // an open editor asks for its colours too
    constexpr UINT kNow = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN;
    auto repaintControls = [this] {
        for (CStatic& swatch : page.m_swatches)
            swatch.RedrawWindow(nullptr, nullptr, kNow);
        Editor(3).RedrawWindow(nullptr, nullptr, kNow);
        Pump();
    };
    page.RedrawWindow(nullptr, nullptr, kNow);
    repaintControls();
    const int before = GdiObjectCount();
    for (int n = 0; n < 1000; ++n) {
        if (n % 100 == 0)
            g_Settings.DpiStageColor[2] = {static_cast<uint8_t>(n / 4), 1, 2};
        repaintControls();
    }
    for (int n = 0; n < 50; ++n) {
        page.RedrawWindow(nullptr, nullptr, kNow);
        Pump();
    }
    EXPECT_LE(GdiObjectCount(), before);
    EXPECT_EQ(PixelOf(page.m_hWnd, Swatch(2).x, Swatch(2).y), RGB(225, 1, 2));
}
