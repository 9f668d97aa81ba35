// The angle snapping page: its two marks clicked with real input, the marks
// and labels read back from the screen, and the font the small pages share.

#include "pages/dlg_angle_snap.h"

#include "clickable_page_host.h"

#include <string>

using namespace pagetest;

namespace {

class AngleSnapPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(Open(page, kAngleSnapPageSize));
    }

    COLORREF OnMark() { return Pixel(page, 27, 32); }
    COLORREF OffMark() { return Pixel(page, 142, 32); }

    CDlgAngleSnap page;
};

}  // namespace

TEST_F(AngleSnapPageTest, OnlyTheMarksReactLeftAndTopEdgesInside)
{
    struct Case {
        POINT point;
        uint8_t before, after;
    };
    // The edges themselves are in the rules' table; these are the wiring.
    const Case cases[] = {
        {{25, 30}, 0, 1},  {{35, 30}, 0, 0}, {{149, 39}, 1, 0},
        {{150, 35}, 1, 1}, {{45, 35}, 0, 0}, {{160, 35}, 1, 1},  // the labels "ON" and "OFF"
        {{140, 30}, 2, 0}, {{25, 30}, 2, 1},                     // a file's 2 becomes a clean value
    };
    for (const Case& c : cases) {
        g_Settings.AngleSnapping = c.before;
        Click(page, c.point.x, c.point.y);
        EXPECT_EQ(g_Settings.AngleSnapping, c.after) << c.point.x << ", " << c.point.y;
    }
}

TEST_F(AngleSnapPageTest, EnableMarksTheChosenStateAndTwoPaintsAsOn)
{
    g_Settings.AngleSnapping = 0;
    EXPECT_EQ(OnMark(), kDisable);
    EXPECT_EQ(OffMark(), kEnable);
    for (uint8_t on : {1, 2}) {
        g_Settings.AngleSnapping = on;
        EXPECT_EQ(OnMark(), kEnable) << int(on);
        EXPECT_EQ(OffMark(), kDisable) << int(on);
    }

    Click(page, 145, 35);
    EXPECT_EQ(ShownPixel(page, 142, 32), kEnable) << "redrawn after the click";
}

TEST_F(AngleSnapPageTest, LabelsOnAndOffRightOfTheirMarks)
{
    EXPECT_GT(PixelsOtherThanBackground(page, {40, 30, 70, 45}), 0) << "ON";
    EXPECT_GT(PixelsOtherThanBackground(page, {155, 30, 190, 45}), 0) << "OFF";
    EXPECT_EQ(PixelsOtherThanBackground(page, {40, 0, 140, 29}), 0);
}

TEST(PageFont, ThirteenPixelSwissFontInTheLanguagesFace)
{
    for (const auto& [language, face] :
         {std::pair{L"EN", L"Arial"}, std::pair{L"DE", L"Arial"}, std::pair{L"xx", L"Arial"},
          std::pair{L"CHS", L"\u9ED1\u4F53"}, std::pair{L"CHT", L"\u9ED1\u4F53"}}) {
        ProgramLanguage() = language;
        CFont font;
        CDlgAngleSnap::InitFont(font);
        LOGFONTW log{};
        ASSERT_GT(font.GetLogFont(&log), 0);
        EXPECT_EQ(std::wstring(log.lfFaceName), face);
        EXPECT_EQ(log.lfHeight, 13);
        EXPECT_EQ(log.lfWidth, 0);
        EXPECT_EQ(log.lfWeight, 0);
        EXPECT_EQ(log.lfItalic | log.lfUnderline | log.lfStrikeOut | log.lfCharSet, 0);
        EXPECT_EQ(log.lfOutPrecision | log.lfClipPrecision | log.lfQuality, 0);
        EXPECT_EQ(log.lfPitchAndFamily, FF_SWISS);
    }
    ProgramLanguage() = L"EN";
}
