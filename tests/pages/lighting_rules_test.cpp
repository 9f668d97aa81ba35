#include "pages/lighting_rules.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <set>

using lighting::Box;
using lighting::Sliders;
using lighting::SliderView;

namespace {

// A lighting setup with values that tell the fields apart.
SettingsRecord Lighting(int mode, int zoneA, int zoneB)
{
    SettingsRecord record{};
    record.LightingLinkMode = static_cast<uint8_t>(mode);
    record.ZoneAEffect = static_cast<uint8_t>(zoneA);
    record.ZoneAEffectValue = {2, 3, 4};
    record.ZoneBEffect = static_cast<uint8_t>(zoneB);
    record.ZoneBEffectValue = {5, 6, 1};
    record.LightingSlider2045 = 4;
    record.LightingSlider2044 = 1;
    record.FingerTapKey = {1, 1, 1};
    return record;
}

using Enabled = std::array<bool, 3>;

Enabled EnabledOf(const std::array<SliderView, 3>& sliders)
{
    return {sliders[0].enabled, sliders[1].enabled, sliders[2].enabled};
}

std::array<int, 3> PositionsOf(const std::array<SliderView, 3>& sliders)
{
    return {sliders[0].position, sliders[1].position, sliders[2].position};
}

}  // namespace

TEST(LightingRules, ZoneAEffectSelections)
{
    struct Row {
        int mode, effect;
        int zoneA, zoneB, fingerTap;
        std::array<uint8_t, 3> zoneBValues;
        Enabled zoneAEnabled, zoneBEnabled;
        bool level;
    };
    const Row rows[] = {
        // Independent: zone B keeps its effect, values and sliders.
        {3, 2, 2, 3, 0, {5, 6, 1}, {false, true, false}, {false, false, true}, true},
        {3, 4, 4, 3, 1, {5, 6, 1}, {false, false, false}, {false, false, true}, true},
        {3, 0, 1, 3, 7, {5, 6, 1}, {true, false, false}, {false, false, true}, true},
        {2, 1, 1, 3, 0, {5, 6, 1}, {true, false, false}, {false, false, true}, false},
        // Linked: zone B takes the effect and the chosen effect's value, all
        // its sliders disabled; finger tapping is effect 3 there, no value copied.
        {1, 2, 2, 2, 0, {5, 3, 1}, {false, true, false}, {false, false, false}, false},
        {1, 3, 3, 3, 0, {5, 6, 4}, {false, false, true}, {false, false, false}, false},
        {1, 4, 4, 3, 1, {5, 6, 1}, {false, false, false}, {false, false, false}, false},
        {1, 9, 1, 1, 7, {5, 6, 1}, {true, false, false}, {false, false, false}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << ", effect " << row.effect);
        SettingsRecord record = Lighting(row.mode, 1, 3);
        record.FingerTapMode = 7;
        Sliders sliders;
        lighting::SelectZoneBEffect(record, sliders, 3);
        lighting::SelectZoneAEffect(record, sliders, row.effect);
        EXPECT_EQ(record.ZoneAEffect, row.zoneA);
        EXPECT_EQ(record.ZoneBEffect, row.zoneB);
        EXPECT_EQ(record.FingerTapMode, row.fingerTap);
        EXPECT_EQ(record.ZoneBEffectValue, row.zoneBValues);
        EXPECT_EQ(record.ZoneAEffectValue, (std::array<uint8_t, 3>{2, 3, 4}));
        EXPECT_EQ(EnabledOf(sliders.zoneA), row.zoneAEnabled);
        EXPECT_EQ(EnabledOf(sliders.zoneB), row.zoneBEnabled);
        EXPECT_EQ(sliders.level.enabled, row.level);
        EXPECT_EQ(PositionsOf(sliders.zoneA), (std::array<int, 3>{2, 3, 4}));
        EXPECT_EQ(PositionsOf(sliders.zoneB),
                  (std::array<int, 3>{row.zoneBValues[0], row.zoneBValues[1], row.zoneBValues[2]}));
    }
}

TEST(LightingRules, ZoneBEffectSelectionsAndTheLevelSlider)
{
    struct Row {
        int mode, effect, zoneB;
        Enabled enabled;
        bool level;
    };
    const Row rows[] = {
        {3, 1, 1, {true, false, false}, false}, {3, 2, 2, {false, true, false}, false},
        {3, 3, 3, {false, false, true}, true},  {3, 0, 1, {true, false, false}, false},
        {3, 4, 1, {true, false, false}, false}, {2, 3, 3, {false, false, true}, false},
        {1, 3, 3, {false, false, true}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << ", effect " << row.effect);
        SettingsRecord record = Lighting(row.mode, 1, 2);
        record.ZoneBEffectValue = {0, 7, 6};  // out of range shows as 1
        Sliders sliders;
        lighting::SelectZoneBEffect(record, sliders, row.effect);
        EXPECT_EQ(record.ZoneBEffect, row.zoneB);
        EXPECT_EQ(EnabledOf(sliders.zoneB), row.enabled);
        EXPECT_EQ(sliders.level.enabled, row.level);
        EXPECT_EQ(PositionsOf(sliders.zoneB), (std::array<int, 3>{1, 1, 6}));
    }
}

TEST(LightingRules, LinkModes)
{
    // Linked: zone B mirrors zone A and takes no input, nor does the level.
    SettingsRecord record = Lighting(3, 2, 3);
    Sliders sliders;
    lighting::SetLinkMode(record, sliders, 1);
    EXPECT_EQ(record.LightingLinkMode, 1);
    EXPECT_EQ(record.ZoneBEffect, 2);
    EXPECT_EQ(record.ZoneBEffectValue[1], 3);
    EXPECT_EQ(EnabledOf(sliders.zoneB), (Enabled{false, false, false}));
    EXPECT_FALSE(sliders.level.enabled);

    // Independent: each zone its own effect; level only with zone B on 3.
    record = Lighting(1, 2, 3);
    lighting::SetLinkMode(record, sliders, 3);
    EXPECT_EQ(record.ZoneBEffect, 3);
    EXPECT_EQ(EnabledOf(sliders.zoneA), (Enabled{false, true, false}));
    EXPECT_EQ(EnabledOf(sliders.zoneB), (Enabled{false, false, true}));
    EXPECT_TRUE(sliders.level.enabled);

    // Mode 2 only disables the level; anything else means linked, with no
    // effect re-selected.
    sliders = Sliders{};
    record = Lighting(3, 0, 0);
    lighting::SetLinkMode(record, sliders, 2);
    EXPECT_EQ(record.LightingLinkMode, 2);
    EXPECT_EQ(record.ZoneAEffect, 0);
    EXPECT_FALSE(sliders.level.enabled);
    EXPECT_TRUE(sliders.zoneB[0].enabled);
    lighting::SetLinkMode(record, sliders, 7);
    EXPECT_EQ(record.LightingLinkMode, 1);
    EXPECT_EQ(record.ZoneAEffect, 0);
}

TEST(LightingRules, SliderValues)
{
    struct Row {
        int mode, id, position;
        std::array<uint8_t, 3> zoneA, zoneB;
        uint8_t level;
    };
    const Row rows[] = {
        {1, IDC_LIGHT_A1 + 1, 5, {2, 5, 4}, {5, 5, 1}, 4},  // linked: both zones
        {3, IDC_LIGHT_A1 + 1, 5, {2, 5, 4}, {5, 6, 1}, 4}, {2, IDC_LIGHT_A1, 6, {6, 3, 4}, {5, 6, 1}, 4},
        {1, IDC_LIGHT_B1 + 2, 3, {2, 3, 4}, {5, 6, 3}, 4}, {3, IDC_LIGHT_LEVEL, 2, {2, 3, 4}, {5, 6, 1}, 2},
        {1, IDC_LIGHT_A1 + 3, 2, {2, 3, 4}, {5, 6, 1}, 4},  // 2040 is no slider
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << ", slider " << row.id);
        SettingsRecord record = Lighting(row.mode, 1, 1);
        Sliders sliders;
        lighting::StoreSliderValue(record, sliders, row.id, row.position);
        EXPECT_EQ(record.ZoneAEffectValue, row.zoneA);
        EXPECT_EQ(record.ZoneBEffectValue, row.zoneB);
        EXPECT_EQ(record.LightingSlider2045, row.level);
    }
    // Linked, zone B's slider follows zone A's.
    SettingsRecord record = Lighting(1, 2, 2);
    Sliders sliders;
    lighting::StoreSliderValue(record, sliders, IDC_LIGHT_A1 + 1, 5);
    EXPECT_EQ(sliders.zoneB[1].position, 5);
}

// Exactly these bytes move: 0x02B..0x034, 0x038 and 0x03C..0x047. The link
// mode (0x02A), ExtraColor (0x035..0x037) and the padding (0x039..0x03B)
// stay, as does everything else.
TEST(LightingRules, TheSwapMovesExactlyTheLightingSetup)
{
    std::set<size_t> setup;
    for (size_t offset = 0x2B; offset <= 0x34; ++offset)
        setup.insert(offset);
    setup.insert(0x38);
    for (size_t offset = 0x3C; offset <= 0x47; ++offset)
        setup.insert(offset);

    auto filled = [](uint8_t seed) {
        SettingsRecord record;
        auto bytes = RecordBytes(record);
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>(seed + i * 7);
        return record;
    };
    for (int direction : {0, 1}) {
        SCOPED_TRACE(direction);
        const SettingsRecord settings = filled(1), linked = filled(2), independent = filled(3);
        SettingsRecord s = settings, l = linked, i = independent;
        lighting::SwapLightingSnapshot(s, l, i, direction);
        const SettingsRecord& restored = direction == 1 ? linked : independent;
        const SettingsRecord& savedTo = direction == 1 ? i : l;
        const SettingsRecord& untouched = direction == 1 ? l : i;
        const SettingsRecord& untouchedBefore = direction == 1 ? linked : independent;
        const SettingsRecord& savedToBefore = direction == 1 ? independent : linked;
        for (size_t offset = 0; offset < kSettingsRecordSize; ++offset) {
            const bool moves = setup.contains(offset);
            EXPECT_EQ(RecordBytes(s)[offset], RecordBytes(moves ? restored : settings)[offset]) << offset;
            EXPECT_EQ(RecordBytes(savedTo)[offset], RecordBytes(moves ? settings : savedToBefore)[offset]) << offset;
            EXPECT_EQ(RecordBytes(untouched)[offset], RecordBytes(untouchedBefore)[offset]) << offset;
        }
    }
    SettingsRecord s = filled(1), l = filled(2), i = filled(3);
    lighting::SwapLightingSnapshot(s, l, i, 2);
    EXPECT_EQ(RecordBytes(s)[0x30], RecordBytes(filled(1))[0x30]);
    EXPECT_EQ(RecordBytes(l)[0x30], RecordBytes(filled(2))[0x30]);
    EXPECT_EQ(RecordBytes(i)[0x30], RecordBytes(filled(3))[0x30]);
}

TEST(LightingRules, BoxesActOnTheFirstBoxThatHoldsTheClick)
{
    struct Row {
        int mode, fingerTap;
        CPoint point;
        Box box;
    };
    const Row rows[] = {
        {3, 0, {12, 16}, Box::ZoneAEffect1},                                 // inside both effect 1 and Link
        {3, 0, {18, 18}, Box::ZoneAEffect1},   {3, 0, {12, 19}, Box::Link},  // below effect 1's box
        {3, 0, {18, 23}, Box::Link},           {3, 0, {19, 20}, Box::None},   {3, 0, {130, 18}, Box::Unlink},
        {3, 0, {19, 45}, Box::ZoneAEffect2},   {3, 0, {10, 272}, Box::None},  {3, 0, {10, 271}, Box::ZoneBEffect3},
        {2, 0, {15, 240}, Box::ZoneBEffect2},  {1, 0, {15, 240}, Box::None},   // zone B takes no choice while linked
        {1, 0, {15, 105}, Box::FingerTapping}, {1, 0, {100, 102}, Box::None},  // keys only in finger tapping mode
        {1, 1, {100, 102}, Box::LKey},         {3, 1, {157, 110}, Box::RKey}, {3, 1, {206, 105}, Box::MKey},
        {3, 1, {207, 105}, Box::None},
    };
    for (const Row& row : rows) {
        SettingsRecord record = Lighting(row.mode, 1, 1);
        record.FingerTapMode = static_cast<uint8_t>(row.fingerTap);
        EXPECT_EQ(lighting::BoxAt(record, row.point), row.box)
            << "mode " << row.mode << " at " << row.point.x << ", " << row.point.y;
    }
}

TEST(LightingRules, KeyTogglesSwitchZeroOnAndEverythingElseOff)
{
    SettingsRecord record = Lighting(1, 4, 3);
    record.FingerTapKey = {0, 1, 5};
    SettingsRecord linked = record, independent = record;
    Sliders sliders;
    for (Box key : {Box::LKey, Box::RKey, Box::MKey})
        lighting::ClickBox(record, linked, independent, sliders, key);
    EXPECT_EQ(record.FingerTapKey, (std::array<uint32_t, 3>{1, 0, 0}));
}

class LinkClicks : public ::testing::Test {
protected:
    void Click(Box box) { lighting::ClickBox(record, linked, independent, sliders, box); }

    SettingsRecord record;
    SettingsRecord linked;
    SettingsRecord independent;
    Sliders sliders;
};

// Mode 2 is an independent setup already: Unlink only sets mode 3, Link
// keeps it as the independent setup.
TEST_F(LinkClicks, ModeTwoCountsAsIndependent)
{
    record = Lighting(2, 1, 2);
    linked = Lighting(1, 3, 3);
    independent = Lighting(3, 2, 1);
    Click(Box::Unlink);
    EXPECT_EQ(record.LightingLinkMode, 3);
    EXPECT_EQ(record.ZoneBEffect, 2);
    EXPECT_EQ(independent.ZoneBEffect, 1);

    record.LightingLinkMode = 2;
    Click(Box::Link);
    EXPECT_EQ(record.LightingLinkMode, 1);
    EXPECT_EQ(record.ZoneAEffect, 3);
    EXPECT_EQ(independent.ZoneBEffect, 2);
}
