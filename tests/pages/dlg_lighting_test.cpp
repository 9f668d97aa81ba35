#include "pages/dlg_lighting.h"

#include "page_test_helpers.h"
#include "resource.h"
#include "support/gdi_object_count.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace pagetest;

namespace {

// Client points inside the click boxes.
constexpr POINT kZoneA[] = {{14, 14}, {14, 43}, {14, 72}};
constexpr POINT kFingerTapping{14, 106};
constexpr POINT kZoneB[] = {{14, 209}, {14, 238}, {14, 267}};
constexpr POINT kLinkOnly{14, 21};  // the part of the Link box below effect 1's box
constexpr POINT kOverlap{14, 16};   // in effect 1's box and in the Link box
constexpr POINT kUnlink{134, 21};   // the part of the Unlink box below slider 2037
constexpr POINT kKeys[] = {{104, 106}, {153, 106}, {202, 106}};

// Slider indexes of CDlgLighting::m_sliders.
constexpr int kA2 = 1;
constexpr int kLevel = 3;
constexpr int kB1 = 4;

// The point of a 100..228 slider at row `top` that a click picks `position`
// (1..5) at; 6 lies beyond the right edge, reached only by a drag.
POINT SliderPoint(int top, int position)
{
    return {100 + (position - 1) * 128 / 5 + 4, top + 4};
}

void DefaultLighting(SettingsRecord& record)
{
    record.LightingLinkMode = 1;
    record.ZoneBEffect = 3;
    record.ZoneBEffectValue = {4, 2, 2};
    record.LightingSlider2044 = 1;
    record.ZoneAEffect = 3;
    record.ZoneAEffectValue = {4, 2, 2};
    record.LightingSlider2045 = 1;
    record.FingerTapMode = 0;
    record.FingerTapKey = {1, 1, 1};
}

class LightingPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgramLanguage() = L"EN";
        g_TextTable.Load(L"EN");
        g_Settings = SettingsRecord{};
        DefaultLighting(g_Settings);
        Prepare();
        OpenPage(page, host, IDD_PAGE_LIGHTING, 247, 308);
    }
    void TearDown() override { ::ReleaseCapture(); }

    // Runs before the page opens.
    virtual void Prepare() {}

    bool Enabled(int slider) { return page.m_sliders[static_cast<size_t>(slider)].IsWindowEnabled() != FALSE; }
    void Click(POINT at) { ClickAt(page.m_hWnd, at); }
    void Refresh(int mode, int zoneA, int zoneB)
    {
        g_Settings.LightingLinkMode = static_cast<uint8_t>(mode);
        g_Settings.ZoneAEffect = static_cast<uint8_t>(zoneA);
        g_Settings.ZoneBEffect = static_cast<uint8_t>(zoneB);
        page.RefreshFromSettings();
    }

    FlatSkins skins;
    HostWindow host;
    CDlgLighting page;
};

class LightingPageOpenedLinkedOnEffect2 : public LightingPage {
    void Prepare() override
    {
        g_Settings.ZoneAEffect = 2;
        g_Settings.ZoneAEffectValue = {4, 5, 2};
        g_Settings.ZoneBEffect = 0;
        g_LightingLinked = SettingsRecord{};
    }
};

}  // namespace

// Opening selects both zones' effects but does not apply the link mode:
// zone B's slider of its effect stays enabled until a refresh.
TEST_F(LightingPageOpenedLinkedOnEffect2, OpeningSelectsTheEffectsWithoutApplyingTheLinkMode)
{
    EXPECT_EQ(g_Settings.ZoneAEffect, 2);
    EXPECT_EQ(g_Settings.ZoneBEffect, 2);
    EXPECT_EQ(g_Settings.ZoneBEffectValue[1], 5);
    EXPECT_TRUE(Enabled(kA2));
    EXPECT_TRUE(Enabled(kB1 + 1));
    EXPECT_FALSE(Enabled(kLevel));
    EXPECT_EQ(0, std::memcmp(&g_LightingLinked, &g_Settings, sizeof(SettingsRecord)));
    EXPECT_EQ(0, std::memcmp(&g_LightingIndependent, &g_Settings, sizeof(SettingsRecord)));

    page.RefreshFromSettings();
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(Enabled(kB1 + k)) << k;
}

TEST_F(LightingPage, RefreshNormalisesTheEffectsAndFillsBothKeptSetups)
{
    g_LightingLinked = SettingsRecord{};
    g_LightingIndependent = SettingsRecord{};
    g_Settings.ZoneBEffectValue = {0, 9, 3};
    g_Settings.LightingLinkMode = 3;
    g_Settings.ZoneAEffect = 0;
    g_Settings.ZoneBEffect = 7;
    const SettingsRecord given = g_Settings;
    page.RefreshFromSettings();
    EXPECT_EQ(g_Settings.ZoneAEffect, 1);
    EXPECT_EQ(g_Settings.ZoneBEffect, 1);
    EXPECT_EQ(page.m_sliders[kB1].m_nPos, 1);
    EXPECT_EQ(page.m_sliders[kB1 + 1].m_nPos, 1);
    EXPECT_EQ(page.m_sliders[kB1 + 2].m_nPos, 3);
    EXPECT_TRUE(Enabled(kB1));
    // The kept setups are the record as it came, before the page normalised it.
    EXPECT_EQ(0, std::memcmp(&g_LightingLinked, &given, sizeof(SettingsRecord)));
    EXPECT_EQ(0, std::memcmp(&g_LightingIndependent, &given, sizeof(SettingsRecord)));
}

TEST_F(LightingPage, EffectBoxesSelectEffects)
{
    Refresh(3, 1, 1);
    Click(kZoneA[1]);
    Click(kZoneB[2]);
    EXPECT_EQ(g_Settings.ZoneAEffect, 2);
    EXPECT_EQ(g_Settings.ZoneBEffect, 3);
    EXPECT_TRUE(Enabled(kA2));
    EXPECT_FALSE(Enabled(0));
    EXPECT_TRUE(Enabled(kB1 + 2));
    EXPECT_TRUE(Enabled(kLevel)) << "independent with zone B on effect 3";
    Click(kZoneB[1]);
    EXPECT_FALSE(Enabled(kLevel));

    // Linked, zone B follows zone A and takes no choice of its own.
    Refresh(1, 1, 1);
    g_Settings.ZoneAEffectValue = {3, 5, 6};
    Click(kZoneA[1]);
    EXPECT_EQ(g_Settings.ZoneBEffect, 2);
    EXPECT_EQ(g_Settings.ZoneBEffectValue[1], 5);
    Click(kZoneB[0]);
    EXPECT_EQ(g_Settings.ZoneBEffect, 2);
    Click(kFingerTapping);
    EXPECT_EQ(g_Settings.ZoneAEffect, 4);
    EXPECT_EQ(g_Settings.FingerTapMode, 1);
    EXPECT_EQ(g_Settings.ZoneBEffect, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_FALSE(Enabled(k)) << k;
        EXPECT_FALSE(Enabled(kB1 + k)) << k;
    }
}

TEST_F(LightingPage, SliderMovesWhileLinkedWriteBothZones)
{
    Refresh(1, 2, 2);
    ClickAt(page.m_sliders[kA2].m_hWnd, {SliderPoint(39, 5).x - 100, 4});
    EXPECT_EQ(g_Settings.ZoneAEffectValue[1], 5);
    EXPECT_EQ(g_Settings.ZoneBEffectValue[1], 5);
    EXPECT_EQ(page.m_sliders[kB1 + 1].m_nPos, 5);

    Click(kUnlink);
    const uint8_t zoneB = g_Settings.ZoneBEffectValue[1];
    ClickAt(page.m_sliders[kA2].m_hWnd, {SliderPoint(39, 3).x - 100, 4});
    EXPECT_EQ(g_Settings.ZoneAEffectValue[1], 3);
    EXPECT_EQ(g_Settings.ZoneBEffectValue[1], zoneB);
}

TEST_F(LightingPage, TheLevelSliderMovesOnlyWhenIndependentOnZoneBEffect3)
{
    Refresh(3, 1, 3);
    ASSERT_TRUE(Enabled(kLevel));
    Drag(page.m_hWnd, SliderPoint(292, 1), SliderPoint(292, 4));
    EXPECT_EQ(g_Settings.LightingSlider2045, 4);

    Refresh(2, 1, 3);
    EXPECT_FALSE(Enabled(kLevel));
    Drag(page.m_hWnd, SliderPoint(292, 4), SliderPoint(292, 6));
    EXPECT_EQ(g_Settings.LightingSlider2045, 4);
}

TEST_F(LightingPage, KeyBoxesToggleOnlyInFingerTappingMode)
{
    Refresh(3, 1, 1);
    Click(kKeys[0]);
    EXPECT_EQ(g_Settings.FingerTapKey, (std::array<uint32_t, 3>{1, 1, 1}));
    Click(kFingerTapping);
    Click(kKeys[0]);
    Click(kKeys[2]);
    EXPECT_EQ(g_Settings.FingerTapKey, (std::array<uint32_t, 3>{0, 1, 0}));
    Click(kKeys[2]);
    EXPECT_EQ(g_Settings.FingerTapKey[2], 1u);
}

TEST_F(LightingPage, UnlinkThenLinkBringsBackTheLinkedSetup)
{
    Refresh(1, 3, 3);
    Click(kZoneA[0]);
    const SettingsRecord linkedSetup = g_Settings;

    Click(kUnlink);
    EXPECT_EQ(g_Settings.LightingLinkMode, 3);
    Click(kZoneB[1]);
    ClickAt(page.m_sliders[kB1 + 1].m_hWnd, {SliderPoint(234, 5).x - 100, 4});
    EXPECT_EQ(g_Settings.ZoneBEffectValue[1], 5);

    Click(kLinkOnly);
    EXPECT_EQ(g_Settings.LightingLinkMode, 1);
    EXPECT_EQ(g_Settings.ZoneAEffect, linkedSetup.ZoneAEffect);
    EXPECT_EQ(g_Settings.ZoneBEffect, linkedSetup.ZoneBEffect);
    EXPECT_EQ(g_Settings.ZoneBEffectValue, linkedSetup.ZoneBEffectValue);
    EXPECT_EQ(g_LightingIndependent.ZoneBEffect, 2);
    EXPECT_EQ(g_LightingIndependent.ZoneBEffectValue[1], 5);
}

// A click in the overlap once also linked, replacing the setup.
TEST_F(LightingPage, AClickInTheOverlapOfEffect1AndLinkOnlySelectsEffect1)
{
    Refresh(3, 2, 2);
    g_LightingLinked.ZoneBEffect = 1;
    Click(kOverlap);
    EXPECT_EQ(g_Settings.ZoneAEffect, 1);
    EXPECT_EQ(g_Settings.LightingLinkMode, 3);
    EXPECT_EQ(g_Settings.ZoneBEffect, 2);
}

// Link while linked once saved the current setup over the kept
// independent one and brought back an older linked setup.
TEST_F(LightingPage, LinkWhileLinkedKeepsEverySetup)
{
    Refresh(1, 2, 2);
    g_LightingLinked.ZoneAEffectValue = {6, 6, 6};
    g_LightingIndependent.ZoneBEffect = 1;
    const auto values = g_Settings.ZoneAEffectValue;
    Click(kLinkOnly);
    EXPECT_EQ(g_Settings.ZoneAEffectValue, values);
    EXPECT_EQ(g_LightingIndependent.ZoneBEffect, 1);
    EXPECT_EQ(g_LightingLinked.ZoneAEffectValue, (std::array<uint8_t, 3>{6, 6, 6}));

    Refresh(3, 2, 2);
    g_LightingLinked.ZoneBEffect = 1;
    Click(kUnlink);
    EXPECT_EQ(g_LightingLinked.ZoneBEffect, 1);
    EXPECT_EQ(g_Settings.ZoneBEffect, 2);
}

TEST_F(LightingPage, KeysForTheDialogAreSwallowed)
{
    page.m_sliders[2].SetFocus();  // zone A's effect 3, enabled
    for (WORD key : {VK_ESCAPE, VK_RETURN, VK_SPACE, VK_F1})
        Press(key);
    EXPECT_TRUE(page.IsWindowVisible());
}

TEST_F(LightingPage, PaintsTheZoneAEffectAndTheKeyMarks)
{
    Refresh(3, 2, 1);
    g_Settings.FingerTapKey = {1, 0, 2};
    const HWND w = page.m_hWnd;
    Repaint(w);
    EXPECT_EQ(PixelOf(w, 240, 150), kBackground);
    EXPECT_EQ(PixelOf(w, 11, 11), kOff);
    EXPECT_EQ(PixelOf(w, 11, 40), kOn);
    EXPECT_EQ(PixelOf(w, 11, 69), kOff);
    EXPECT_EQ(PixelOf(w, 11, 103), kOff);
    EXPECT_EQ(PixelOf(w, 101, 103), kOn);
    EXPECT_EQ(PixelOf(w, 150, 103), kOff);
    EXPECT_EQ(PixelOf(w, 199, 103), kOff);
    EXPECT_EQ(PixelOf(w, 11, 206), kBackground) << "zone B's choice has no mark";

    // An effect outside 1..4 marks none of the four.
    g_Settings.ZoneAEffect = 0;
    Repaint(w);
    for (int y : {11, 40, 69, 103})
        EXPECT_EQ(PixelOf(w, 11, y), kBackground) << y;

    // The effect names are written in white beside their marks.
    int light = 0;
    for (int y = 38; y < 50; ++y) {
        for (int x = 25; x < 90; ++x) {
            const COLORREF c = PixelOf(w, x, y);
            light += GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200;
        }
    }
    EXPECT_GT(light, 10);
}

// Each paint decodes the page's pictures again, so fifty paints are enough to
// show that painting keeps nothing.
TEST_F(LightingPage, RepaintingLeavesNoGdiObjectsBehind)
{
    ASSERT_GT(GdiObjectCount(), 0);
    auto repaint = [this] {
        page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
    };
    repaint();
    const int before = GdiObjectCount();
    for (int n = 0; n < 50; ++n)
        repaint();
    EXPECT_LE(GdiObjectCount(), before);
}
