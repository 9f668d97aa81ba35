#include "model/settings_record.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A record filled with a recognisable byte pattern, so untouched bytes show.
SettingsRecord PatternRecord()
{
    SettingsRecord r;
    auto bytes = RecordBytes(r);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(0xA5 ^ (i * 7));
    return r;
}

}  // namespace

TEST(SettingsRecord, DefaultsOfEveryField)
{
    g_Settings = PatternRecord();
    SetDefaultSettings();
    const SettingsRecord& s = g_Settings;

    EXPECT_EQ(s.Reserved01, (std::array<uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(s.ReportRateCode, 2);
    EXPECT_EQ(s.Reserved06, 3);
    EXPECT_EQ(s.DpiStage, (std::array<uint8_t, 7>{12, 24, 48, 72, 108, 144, 216}));
    EXPECT_EQ(s.DpiStageEnabled, (std::array<uint8_t, 7>{1, 1, 1, 1, 1, 1, 1}));
    const std::array<RgbColor, 7> colours{
        {{0xFF, 0, 0}, {0, 0, 0xFF}, {0, 0xFF, 0}, {0xFF, 0xFF, 0}, {0, 0xFF, 0xFF}, {0xFF, 0x80, 0}, {0xFF, 0, 0xFF}}};
    EXPECT_EQ(s.DpiStageColor, colours);
    // Raw bytes of the colours: stage 5 (orange) at 0x015 + 15.
    const auto bytes = RecordBytes(s);
    EXPECT_EQ(bytes[0x015 + 15], 0xFF);
    EXPECT_EQ(bytes[0x015 + 16], 0x80);
    EXPECT_EQ(bytes[0x015 + 17], 0x00);

    EXPECT_EQ(s.LightingLinkMode, 1);
    EXPECT_EQ(s.ZoneBEffect, 3);
    EXPECT_EQ(s.ZoneBEffectValue, (std::array<uint8_t, 3>{4, 2, 2}));
    EXPECT_EQ(s.LightingSlider2044, 1);
    EXPECT_EQ(s.ZoneAEffect, 3);
    EXPECT_EQ(s.ZoneAEffectValue, (std::array<uint8_t, 3>{4, 2, 2}));
    EXPECT_EQ(s.LightingSlider2045, 1);
    EXPECT_EQ(s.FingerTapMode, 0);
    EXPECT_EQ(s.FingerTapKey, (std::array<uint32_t, 3>{1, 1, 1}));
    // Little-endian 32-bit toggles.
    EXPECT_EQ(bytes[0x03C], 1);
    EXPECT_EQ(bytes[0x03D], 0);
    EXPECT_EQ(bytes[0x044], 1);

    // 6 is not 1: applying the defaults turns enhanced precision off.
    EXPECT_EQ(s.PointerPrecision, 6);
    EXPECT_EQ(s.WheelPageMode, 0);
    EXPECT_EQ(s.PointerSpeed, 6);
    EXPECT_EQ(s.WheelLines, 3);
    EXPECT_EQ(s.DoubleClickSpeed, 6);
    EXPECT_EQ(s.AngleSnapSlider2035, 5);
    EXPECT_EQ(s.AngleSnapping, 0);
    EXPECT_EQ(s.Reserved4F, 0);
    EXPECT_EQ(s.SensitivityX, 5);
    EXPECT_EQ(s.SensitivityY, 5);
    EXPECT_EQ(s.ButtonFunction, (std::array<uint8_t, 7>{0, 1, 2, 17, 18, 6, 6}));
    EXPECT_EQ(s.Reserved5A, (std::array<uint8_t, 7>{0, 0, 0, 0, 1, 2, 0}));
    // Buttons 5 and 6 step DPI up and down; 1 and 2 carry values that are never sent.
    EXPECT_EQ(s.DpiFunction, (std::array<uint8_t, 7>{0, 3, 2, 0, 0, 1, 2}));
    EXPECT_EQ(s.Reserved68, 0);
}

TEST(SettingsRecord, DefaultsZeroThePerButtonArraysAndKeepTheRest)
{
    const SettingsRecord before = PatternRecord();
    g_Settings = before;
    SetDefaultSettings();
    const auto after = RecordBytes(g_Settings);
    const auto old = RecordBytes(before);

    for (size_t i = 0x069; i < 0x0F1; ++i)
        ASSERT_EQ(after[i], 0) << "per-button byte 0x" << std::hex << i;

    auto kept = [&](size_t first, size_t count) {
        for (size_t i = first; i < first + count; ++i)
            ASSERT_EQ(after[i], old[i]) << "byte 0x" << std::hex << i << " changed";
    };
    kept(0x000, 1);         // ProfileIndex
    kept(0x035, 3);         // ExtraColor
    kept(0x039, 3);         // padding
    kept(0x052, 1);         // LiftOffDistance
    kept(0x0F1, 12 * 130);  // every macro slot, tails included
    kept(0x709, 3);         // padding
}
