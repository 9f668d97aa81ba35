#include "storage/windows_settings.h"

#include "classlib/debug_output.h"
#include "model/settings_record.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Call {
    UINT action;
    UINT uiParam;
    INT_PTR pvValue;            // the pointer argument as a number
    std::array<int, 3> triple;  // what it points to, for SPI_SETMOUSE
    UINT winIni;
};

std::vector<Call> g_calls;
BOOL g_result = TRUE;

BOOL WINAPI RecordCall(UINT action, UINT uiParam, PVOID pvParam, UINT winIni)
{
    Call call{action, uiParam, reinterpret_cast<INT_PTR>(pvParam), {}, winIni};
    if (action == SPI_SETMOUSE)
        std::copy_n(static_cast<const int*>(pvParam), 3, call.triple.begin());
    g_calls.push_back(call);
    return g_result;
}

class WindowsSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_result = TRUE;
        m_previous = SetSystemParametersInfoFunction(&RecordCall);
        g_Settings = SettingsRecord{};
        SetDefaultSettings();
    }
    void TearDown() override { SetSystemParametersInfoFunction(m_previous); }

    SystemParametersInfoFunction m_previous = nullptr;
};

TEST_F(WindowsSettingsTest, FourCallsInOrderWithTheirFlags)
{
    ApplyWindowsSettings();
    ASSERT_EQ(g_calls.size(), 4u);
    const UINT broadcast = SPIF_SENDWININICHANGE;
    EXPECT_EQ((std::array{g_calls[0].action, g_calls[1].action, g_calls[2].action, g_calls[3].action}),
              (std::array<UINT, 4>{SPI_SETMOUSE, SPI_SETMOUSESPEED, SPI_SETWHEELSCROLLLINES, SPI_SETDOUBLECLICKTIME}));
    EXPECT_EQ((std::array{g_calls[0].winIni, g_calls[1].winIni, g_calls[2].winIni, g_calls[3].winIni}),
              (std::array<UINT, 4>{broadcast, broadcast, broadcast, SPIF_UPDATEINIFILE | broadcast}))
        << "only the double-click time is stored";
    // The defaults: precision byte 6 means off, speed level 6, 3 lines, level 6.
    EXPECT_EQ(g_calls[0].triple, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(g_calls[1].pvValue, 10);
    EXPECT_EQ(g_calls[2].uiParam, 3u);
    EXPECT_EQ(g_calls[3].uiParam, 550u);
}

TEST_F(WindowsSettingsTest, LevelsBecomeWindowsValues)
{
    for (const auto& [level, speed, clickMs] :
         {std::tuple{1, 1, 900u}, std::tuple{2, 2, 830u}, std::tuple{6, 10, 550u}, std::tuple{11, 20, 200u}}) {
        g_calls.clear();
        g_Settings.PointerSpeed = static_cast<uint8_t>(level);
        g_Settings.DoubleClickSpeed = static_cast<uint8_t>(level);
        ApplyWindowsSettings();
        EXPECT_EQ(g_calls.at(1).pvValue, speed) << "level " << level;
        EXPECT_EQ(g_calls.at(3).uiParam, clickMs) << "level " << level;
    }

    g_calls.clear();
    g_Settings.PointerPrecision = 1;
    g_Settings.WheelPageMode = 1;
    g_Settings.WheelLines = 7;
    ApplyWindowsSettings();
    EXPECT_EQ(g_calls.at(0).triple, (std::array<int, 3>{6, 10, 1}));
    EXPECT_EQ(g_calls.at(2).uiParam, static_cast<UINT>(WHEEL_PAGESCROLL)) << "one screen whatever the lines";
}

TEST_F(WindowsSettingsTest, EveryFailureIsReportedAndTheRestStillRuns)
{
    g_result = FALSE;
    std::vector<std::wstring> texts;
    const DebugSink previous = SetDebugSink([&](const std::wstring& text) { texts.push_back(text); });
    ApplyWindowsSettings();
    SetDebugSink(previous);
    EXPECT_EQ(g_calls.size(), 4u);
    EXPECT_EQ(texts,
              (std::vector<std::wstring>{L"SETMOUSE failed.\n", L"SETMOUSESPEED failed.\n",
                                         L"SETWHEELSCROLLLINES failed.\n", L"SPI_SETDOUBLECLICKTIME failed.\n"}));
}

TEST_F(WindowsSettingsTest, ValuesNoPageCanSetLeaveThatWindowsSettingAlone)
{
    auto actions = [] {
        std::vector<UINT> result;
        for (const Call& call : g_calls)
            result.push_back(call.action);
        return result;
    };
    // A zero record and a garbage one: no speed 0 or 354, no wheel scrolling
    // switched off, no double-click time of 970 ms or below zero.
    for (const auto& [speed, lines, doubleClick] :
         {std::tuple{0, 0, 0}, std::tuple{178, 101, 12}, std::tuple{12, 255, 255}}) {
        g_calls.clear();
        g_Settings.PointerSpeed = static_cast<uint8_t>(speed);
        g_Settings.WheelLines = static_cast<uint8_t>(lines);
        g_Settings.DoubleClickSpeed = static_cast<uint8_t>(doubleClick);
        ApplyWindowsSettings();
        EXPECT_EQ(actions(), (std::vector<UINT>{SPI_SETMOUSE})) << speed << " " << lines << " " << doubleClick;
    }

    // The ends of the ranges still go through; page mode needs no line count.
    g_calls.clear();
    g_Settings.PointerSpeed = 11;
    g_Settings.WheelLines = 100;
    g_Settings.DoubleClickSpeed = 1;
    ApplyWindowsSettings();
    ASSERT_EQ(g_calls.size(), 4u);
    EXPECT_EQ(g_calls[1].pvValue, 20);
    EXPECT_EQ(g_calls[2].uiParam, 100u);
    EXPECT_EQ(g_calls[3].uiParam, 900u);

    g_calls.clear();
    g_Settings.WheelLines = 0;
    g_Settings.WheelPageMode = 2;
    ApplyWindowsSettings();
    ASSERT_EQ(g_calls.size(), 4u);
    EXPECT_EQ(g_calls[2].uiParam, static_cast<UINT>(WHEEL_PAGESCROLL));
}

// Through the real function: what Windows reports back afterwards. (The
// pointer speed is not read back: Wine does not report it.)
TEST(WindowsSettingsApplied, WindowsReportsTheValuesBack)
{
    std::array<int, 3> oldMouse{};
    UINT oldLines = 0;
    SystemParametersInfoW(SPI_GETMOUSE, 0, oldMouse.data(), 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &oldLines, 0);
    const UINT oldDoubleClick = GetDoubleClickTime();

    g_Settings = SettingsRecord{};
    SetDefaultSettings();
    g_Settings.PointerPrecision = 1;
    g_Settings.WheelLines = 9;
    g_Settings.DoubleClickSpeed = 11;
    ApplyWindowsSettings();

    std::array<int, 3> mouse{};
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETMOUSE, 0, mouse.data(), 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(mouse, (std::array<int, 3>{6, 10, 1}));
    EXPECT_EQ(lines, 9u);
    EXPECT_EQ(GetDoubleClickTime(), 200u);

    g_Settings.WheelPageMode = 1;
    ApplyWindowsSettings();
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(lines, static_cast<UINT>(WHEEL_PAGESCROLL));

    SystemParametersInfoW(SPI_SETMOUSE, 0, oldMouse.data(), 0);
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, oldLines, nullptr, 0);
    SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, oldDoubleClick, nullptr, SPIF_UPDATEINIFILE);
}

}  // namespace
