// The wheel scrolling page: its options and arrows clicked with real input,
// its edit typed into with real keys and given texts from outside, and a
// page-mode profile that must keep its line count.

#include "pages/dlg_mouse_wheel_speed.h"

#include "clickable_page_host.h"
#include "resource.h"

#include <cstring>
#include <string>

using namespace pagetest;

namespace {

constexpr POINT kUpArrow{195, 17};
constexpr POINT kDownArrow{195, 26};
constexpr POINT kLinesOption{10, 23};
constexpr POINT kPageOption{10, 55};

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b)
{
    return std::memcmp(&a, &b, sizeof(SettingsRecord)) == 0;
}

class WheelSpeedPageTest : public PageTest {
protected:
    void Open(uint8_t pageMode, uint8_t lines)
    {
        g_Settings.WheelPageMode = pageMode;
        g_Settings.WheelLines = lines;
        PageTest::Open(page, kWheelPageSize);
        edit = ::GetDlgItem(page, IDC_WHEEL_LINES);
        ASSERT_NE(edit, nullptr);
    }

    std::wstring EditText() const
    {
        wchar_t text[64] = {};
        ::GetWindowTextW(edit, text, 64);
        return text;
    }
    bool EditEnabled() const { return ::IsWindowEnabled(edit) != FALSE; }

    CDlgMouseWheelSpeed page;
    HWND edit = nullptr;
};

}  // namespace

TEST_F(WheelSpeedPageTest, ArrowsStepTheCountAndStopAt1And100)
{
    ASSERT_NO_FATAL_FAILURE(Open(0, 3));
    EXPECT_EQ(EditText(), L"3");
    Click(page, kUpArrow.x, kUpArrow.y);
    EXPECT_EQ(g_Settings.WheelLines, 4);
    EXPECT_EQ(EditText(), L"4");
    Click(page, kDownArrow.x, kDownArrow.y);
    Click(page, kDownArrow.x, kDownArrow.y);
    Click(page, kDownArrow.x, kDownArrow.y);
    EXPECT_EQ(g_Settings.WheelLines, 1);
    Click(page, kDownArrow.x, kDownArrow.y);
    EXPECT_EQ(g_Settings.WheelLines, 1);
    EXPECT_EQ(EditText(), L"1");

    g_Settings.WheelLines = 99;
    Click(page, kUpArrow.x, kUpArrow.y);
    Click(page, kUpArrow.x, kUpArrow.y);
    EXPECT_EQ(g_Settings.WheelLines, 100);
    EXPECT_EQ(EditText(), L"100");
}

TEST_F(WheelSpeedPageTest, InPageModeTheArrowsDoNothingAndTheEditIsDisabled)
{
    ASSERT_NO_FATAL_FAILURE(Open(1, 5));
    EXPECT_FALSE(EditEnabled());
    EXPECT_EQ(EditText(), L"0");
    Click(page, kUpArrow.x, kUpArrow.y);
    Click(page, kDownArrow.x, kDownArrow.y);
    EXPECT_EQ(g_Settings.WheelLines, 5);
    EXPECT_EQ(EditText(), L"0");
}

TEST_F(WheelSpeedPageTest, TextsOutside1To100BecomeOneWithoutOverflow)
{
    ASSERT_NO_FATAL_FAILURE(Open(0, 3));
    struct Case {
        const wchar_t* text;
        const wchar_t* shown;
        int lines;
    };
    // Given as another program (or a paste) would: ES_NUMBER does not stop
    // these. 4294967396 wraps to 100 in 32 bits, 4294967297 to 1.
    const Case cases[] = {
        {L"7", L"7", 7},          {L"", L"1", 1},           {L"0", L"1", 1},
        {L"101", L"1", 1},        {L"100", L"100", 100},    {L"4294967297", L"1", 1},
        {L"4294967396", L"1", 1}, {L"42abc", L"42abc", 42}, {L"-3", L"1", 1},
    };
    for (const Case& c : cases) {
        g_Settings.WheelLines = 50;
        ::SetWindowTextW(edit, c.text);
        PumpAsTheProgramDoes();
        EXPECT_EQ(g_Settings.WheelLines, c.lines) << std::wstring(c.text).size();
        EXPECT_EQ(EditText(), c.shown);
    }
}

TEST_F(WheelSpeedPageTest, RealTypingIsCheckedAtEveryKeyAndStopsAtThreeCharacters)
{
    ASSERT_NO_FATAL_FAILURE(Open(0, 3));
    EXPECT_EQ(::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
    ::SetFocus(edit);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);

    PressKeys({'1'});
    EXPECT_EQ(g_Settings.WheelLines, 1);
    PressKeys({'5'});
    EXPECT_EQ(g_Settings.WheelLines, 15);
    PressKeys({'0'});
    EXPECT_EQ(g_Settings.WheelLines, 1) << "150 is too many";
    EXPECT_EQ(EditText(), L"1");

    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    PressKeys({'1', '0', '0', '0', '7'});
    EXPECT_EQ(EditText(), L"100");
    EXPECT_EQ(g_Settings.WheelLines, 100);

    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    PressKeys({'8', 'A', VK_OEM_MINUS});  // the edit takes digits only
    EXPECT_EQ(EditText(), L"8");
    EXPECT_EQ(g_Settings.WheelLines, 8);
}

TEST_F(WheelSpeedPageTest, PageModeProfileKeepsItsLineCountWhenLoadedAndRefreshed)
{
    g_Settings.WheelPageMode = 1;
    g_Settings.WheelLines = 7;
    const SettingsRecord loaded = g_Settings;
    ASSERT_NO_FATAL_FAILURE(Open(1, 7));
    EXPECT_EQ(EditText(), L"0");
    EXPECT_FALSE(EditEnabled());
    EXPECT_TRUE(SameRecord(g_Settings, loaded)) << "showing the page changed the record";

    // Another profile in page mode, as a profile switch or a Cancel brings it.
    g_Settings.WheelLines = 42;
    const SettingsRecord switched = g_Settings;
    page.RefreshFromSettings();
    PumpAsTheProgramDoes();
    EXPECT_EQ(EditText(), L"0");
    EXPECT_TRUE(SameRecord(g_Settings, switched));

    Click(page, kLinesOption.x, kLinesOption.y);
    EXPECT_EQ(g_Settings.WheelPageMode, 0);
    EXPECT_TRUE(EditEnabled());
    EXPECT_EQ(EditText(), L"42");
    EXPECT_EQ(g_Settings.WheelLines, 42);
}

TEST_F(WheelSpeedPageTest, OptionClicksSwitchTheModeAndKeepTheNumber)
{
    ASSERT_NO_FATAL_FAILURE(Open(0, 12));
    EXPECT_EQ(Pixel(page, kLinesOption.x, kLinesOption.y), kWheelEnable);
    EXPECT_EQ(Pixel(page, kPageOption.x, kPageOption.y), kWheelDisable);

    Click(page, kPageOption.x, kPageOption.y);
    EXPECT_EQ(g_Settings.WheelPageMode, 1);
    EXPECT_FALSE(EditEnabled());
    EXPECT_EQ(EditText(), L"12");
    EXPECT_EQ(g_Settings.WheelLines, 12);
    EXPECT_EQ(ShownPixel(page, kPageOption.x, kPageOption.y), kWheelEnable);
    EXPECT_EQ(ShownPixel(page, kLinesOption.x, kLinesOption.y), kWheelDisable);

    Click(page, 40, 22);  // the label changes nothing
    EXPECT_EQ(g_Settings.WheelPageMode, 1);

    Click(page, kLinesOption.x, kLinesOption.y);
    EXPECT_EQ(g_Settings.WheelPageMode, 0);
    EXPECT_TRUE(EditEnabled());
    EXPECT_EQ(EditText(), L"12");
}

TEST_F(WheelSpeedPageTest, ModeTwoIsPageModeForTheEditButPaintsTheLinesOption)
{
    ASSERT_NO_FATAL_FAILURE(Open(2, 9));
    EXPECT_FALSE(EditEnabled());
    EXPECT_EQ(EditText(), L"0");
    EXPECT_EQ(g_Settings.WheelLines, 9);
    EXPECT_EQ(Pixel(page, kLinesOption.x, kLinesOption.y), kWheelEnable);
    EXPECT_EQ(Pixel(page, kPageOption.x, kPageOption.y), kWheelDisable);
    Click(page, kUpArrow.x, kUpArrow.y);
    EXPECT_EQ(g_Settings.WheelLines, 9);
}

TEST_F(WheelSpeedPageTest, ADamagedCountShownInLinesModeBecomesOne)
{
    ASSERT_NO_FATAL_FAILURE(Open(0, 3));
    for (uint8_t damaged : {0, 101, 255}) {
        g_Settings.WheelLines = damaged;
        page.RefreshFromSettings();
        EXPECT_EQ(EditText(), L"1") << int(damaged);
        EXPECT_EQ(g_Settings.WheelLines, 1);
    }
}

TEST_F(WheelSpeedPageTest, FrameArrowsAndLabelsArePainted)
{
    ASSERT_NO_FATAL_FAILURE(Open(0, 3));
    EXPECT_EQ(Pixel(page, kUpArrow.x, kUpArrow.y), kScrollLines);
    EXPECT_EQ(Pixel(page, 5, 5), kBackground);
    EXPECT_GT(PixelsOtherThanBackground(page, {24, 14, 140, 30}), 0) << "Number of Rows";
    EXPECT_GT(PixelsOtherThanBackground(page, {24, 50, 140, 62}), 0) << "Scroll One screen";
    EXPECT_EQ(PixelsOtherThanBackground(page, {24, 32, 140, 48}), 0);
}
