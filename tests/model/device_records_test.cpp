#include "model/device_records.h"

#include "model/settings_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// g_Settings with the factory defaults over an all-zero record.
SettingsRecord Defaults()
{
    g_Settings = SettingsRecord{};
    SetDefaultSettings();
    return g_Settings;
}

std::vector<uint8_t> Row(const ProfileBlock& block, size_t offset)
{
    return std::vector<uint8_t>(block.begin() + offset, block.begin() + offset + 16);
}

std::vector<uint8_t> Code(const ButtonCode& code)
{
    return std::vector<uint8_t>(code.begin(), code.end());
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values)
{
    std::vector<uint8_t> bytes;
    for (int v : values)
        bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}

}  // namespace

// ---------------------------------------------------------------------------
// Profile block

TEST(ProfileBlock, DefaultsByteForByte)
{
    const ProfileBlock b = BuildProfileBlock(Defaults());
    const std::vector<std::vector<uint8_t>> rows{
        Bytes({0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}),
        Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}),
        Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}),
        Bytes({0x00, 0x41, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}),
        Bytes({0x0F, 0x05, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0x03, 0x02, 0x01, 0x64, 0x64, 0x01, 0xC0, 0xF0, 0x03}),
        Bytes({0x01, 0x01, 0x00, 0x00, 0x0B, 0x17, 0x2F, 0x47, 0x6B, 0x8F, 0x90, 0x8F, 0x00, 0x00, 0x00, 0x00}),
        Bytes({0x00, 0x00, 0x01, 0x00, 0x7F, 0x13, 0x02, 0x01, 0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF}),
        Bytes({0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00}),
    };
    for (size_t r = 0; r < rows.size(); ++r)
        EXPECT_EQ(Row(b, 16 * r), rows[r]) << "row 0x" << std::hex << 16 * r;
}

TEST(ProfileBlock, DpiStagesSplitAt144)
{
    SettingsRecord s = Defaults();
    s.DpiStage = {1, 144, 145, 216, 72, 0, 255};
    s.DpiStageEnabled = {1, 0, 1, 0, 0, 0, 1};
    const ProfileBlock b = BuildProfileBlock(s);
    namespace at = ProfileBlockOffset;
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + at::DpiValue, b.begin() + at::DpiValue + 7),
              Bytes({0x00, 0x8F, 0x49, 0x90, 0x47, 0xFF, 0xB7}));
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + at::DpiHighRange, b.begin() + at::DpiHighRange + 7),
              Bytes({0, 0, 1, 1, 0, 0, 1}));
    EXPECT_EQ(b[at::DpiEnableMask], 0x45);
    // The bytes after each run keep the template.
    EXPECT_EQ(b[0x5B], 0x8F);
    EXPECT_EQ(b[0x63], 0x00);
}

TEST(ProfileBlock, EightBitArithmeticAndPassedThroughFields)
{
    SettingsRecord s = Defaults();
    s.SensitivityX = 13;  // 260 -> 4
    s.SensitivityY = 11;
    s.LightingSlider2045 = 0;
    s.AngleSnapping = 1;
    s.LiftOffDistance = 0x2A;
    s.ExtraColor = {0x12, 0x34, 0x56};
    const ProfileBlock b = BuildProfileBlock(s);
    namespace at = ProfileBlockOffset;
    EXPECT_EQ(b[at::SensX], 4);
    EXPECT_EQ(b[at::SensY], 220);
    EXPECT_EQ(b[at::Slider2045], 0xFF);
    EXPECT_EQ(b[at::AngleSnap], 0x08);
    EXPECT_EQ(b[at::LiftOff], 0x2A);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + at::ExtraColor, b.end()), Bytes({0x12, 0x34, 0x56}));
}

TEST(ProfileBlock, LightingZones)
{
    struct Case {
        uint8_t effect;
        std::array<uint8_t, 3> values;
        uint8_t linkMode;
        std::vector<uint8_t> zoneA;  // mode, param, param2
        std::vector<uint8_t> zoneB;
    };
    const Case cases[] = {
        // Standard at level 1: zone A sends mode 0 with the template's 02 01, zone B 05 03.
        {1, {1, 2, 2}, 1, Bytes({0x00, 0x02, 0x01}), Bytes({0x11, 0x05, 0x03})},
        {1, {4, 2, 2}, 3, Bytes({0x01, 0x02, 0x03}), Bytes({0x01, 0x02, 0x03})},
        // Respiration: the second parameter is 3 for zone A, 2 for zone B.
        {2, {1, 5, 6}, 3, Bytes({0x02, 0x05, 0x03}), Bytes({0x02, 0x05, 0x02})},
        {3, {1, 5, 6}, 1, Bytes({0x03, 0x06, 0x01}), Bytes({0x13, 0x06, 0x01})},
        {0, {4, 2, 2}, 3, Bytes({0x00, 0x00, 0x01}), Bytes({0x00, 0x00, 0x01})},
        // Finger tapping (zone A only) keeps the template's parameters.
        {4, {4, 2, 2}, 2, Bytes({0x04, 0x02, 0x01}), Bytes({0x04, 0x02, 0x01})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "effect " << int(c.effect) << " level " << int(c.values[0]));
        SettingsRecord s = Defaults();
        s.ZoneAEffect = s.ZoneBEffect = c.effect;
        s.ZoneAEffectValue = s.ZoneBEffectValue = c.values;
        s.LightingLinkMode = c.linkMode;
        const ProfileBlock b = BuildProfileBlock(s);
        EXPECT_EQ(std::vector<uint8_t>(b.begin() + 0x47, b.begin() + 0x4A), c.zoneA);
        EXPECT_EQ(std::vector<uint8_t>(b.begin() + 0x65, b.begin() + 0x68), c.zoneB);
    }
}

// ---------------------------------------------------------------------------
// Button table

TEST(ButtonTable, DefaultsByteForByte)
{
    const ButtonTable t = BuildButtonTable(Defaults());
    std::array<ButtonCode, kButtonSlotCount> expected{};
    expected[0] = {0x01, 0x00, 0xF0, 0x00};
    expected[1] = {0x01, 0x00, 0xF1, 0x00};
    expected[2] = {0x01, 0x00, 0xF2, 0x00};
    expected[3] = {0x0B, 0x00, 0x05, 0x05};  // button 4, snipe
    expected[4] = {0x0B, 0x05, 0x00, 0x00};  // button 3, Fn
    expected[5] = {0x07, 0x00, 0x01, 0x00};
    expected[6] = {0x07, 0x00, 0x02, 0x00};
    expected[7] = {0x08, 0x00, 0x04, 0x00};
    expected[14] = {0x01, 0x00, 0xF7, 0x00};
    expected[15] = {0x01, 0x00, 0xF8, 0x00};
    expected[16] = {0x01, 0x00, 0xF0, 0x00};
    expected[17] = {0x0B, 0x07, 0xF1, 0x00};
    expected[18] = {0x0B, 0x09, 0x00, 0x00};
    expected[19] = {0x0B, 0x08, 0x01, 0x00};
    expected[20] = {0x0B, 0x08, 0x02, 0x00};
    expected[21] = {0x07, 0x00, 0x01, 0x00};
    expected[22] = {0x07, 0x00, 0x02, 0x00};
    expected[30] = {0x0B, 0x06, 0x02, 0x00};
    expected[31] = {0x0B, 0x06, 0x01, 0x00};
    for (int s = 0; s < kButtonSlotCount; ++s)
        EXPECT_EQ(Code(t[s]), Code(expected[s])) << "slot " << s;
}

TEST(ButtonTable, CodeOfEveryFunctionType)
{
    struct Case {
        uint8_t type;
        void (*set)(SettingsRecord& s);
        std::vector<uint8_t> primary;
        std::vector<uint8_t> secondary;  // empty: the same as primary
    };
    const auto none = [](SettingsRecord&) {};
    const Case cases[] = {
        {0, none, Bytes({0x01, 0x00, 0xF0, 0x00}), {}},
        {1, none, Bytes({0x01, 0x00, 0xF1, 0x00}), Bytes({0x0B, 0x07, 0xF1, 0x00})},
        {2, none, Bytes({0x01, 0x00, 0xF2, 0x00}), Bytes({0x0B, 0x09, 0x00, 0x00})},
        {3, none, Bytes({0x01, 0x00, 0xF4, 0x00}), Bytes({0x0B, 0x08, 0x01, 0x00})},
        {4, none, Bytes({0x01, 0x00, 0xF3, 0x00}), Bytes({0x0B, 0x08, 0x02, 0x00})},
        {5, none, Bytes({0x0A, 0xF0, 0x1E, 0x02}), {}},
        {6, [](SettingsRecord& s) { s.DpiFunction[0] = 3; }, Bytes({0x07, 0x00, 0x03, 0x00}), {}},
        {6,
         [](SettingsRecord& s) {
             s.DpiFunction[0] = 3;
             s.DpiStageEnabled.fill(0);
         },
         Bytes({0x00, 0x00, 0x00, 0x00}),
         {}},
        {7, [](SettingsRecord& s) { s.MediaUsage[0] = 0x83; }, Bytes({0x03, 0x00, 0x83, 0x01}), {}},
        {7, [](SettingsRecord& s) { s.MediaUsage[0] = 0xE9; }, Bytes({0x03, 0x00, 0xE9, 0x00}), {}},
        {8, [](SettingsRecord& s) { s.ShortcutUsage[0] = 0x06; }, Bytes({0x00, 0x00, 0xE0, 0x06}), {}},
        {9, [](SettingsRecord& s) { s.SystemFunction[0] = 0; }, Bytes({0x03, 0x00, 0x94, 0x01}), {}},
        {9, [](SettingsRecord& s) { s.SystemFunction[0] = 3; }, Bytes({0x00, 0x04, 0x2C, 0x1B}), {}},
        {9, [](SettingsRecord& s) { s.SystemFunction[0] = 6; }, Bytes({0x00, 0x00, 0xE3, 0x15}), {}},
        {9, [](SettingsRecord& s) { s.SystemFunction[0] = 7; }, Bytes({0x00, 0x00, 0x00, 0x00}), {}},
        {10, [](SettingsRecord& s) { s.SingleKey[0] = 0x2C; }, Bytes({0x00, 0x00, 0x2C, 0x00}), {}},
        {11,
         [](SettingsRecord& s) {
             s.MacroRepeatMode[0] = 2;
             s.MacroIndex[0] = 4;
         },
         Bytes({0x09, 0x02, 0x05, 0x00}),
         {}},
        {11, [](SettingsRecord& s) { s.MacroIndex[0] = 0xFF; }, Bytes({0x09, 0x00, 0x00, 0x00}), {}},
        {12, none, Bytes({0x00, 0x00, 0x00, 0x00}), {}},
        {13, none, Bytes({0x00, 0x00, 0x00, 0x00}), {}},
        {14, none, Bytes({0x00, 0x00, 0x00, 0x00}), {}},
        {15, none, Bytes({0x01, 0x00, 0xF5, 0x00}), {}},
        {16, none, Bytes({0x01, 0x00, 0xF6, 0x00}), {}},
        {17, none, Bytes({0x0B, 0x05, 0x00, 0x00}), {}},
        {18, none, Bytes({0x0B, 0x00, 0x05, 0x05}), {}},
        {19, none, Bytes({0x00, 0x00, 0x00, 0x00}), {}},
        {0xFF, none, Bytes({0x00, 0x00, 0x00, 0x00}), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type));
        SettingsRecord s = Defaults();
        s.ButtonFunction[0] = c.type;
        c.set(s);
        const ButtonCodePair codes = ButtonCodesOf(s, 0);
        EXPECT_EQ(Code(codes.Primary), c.primary);
        EXPECT_EQ(Code(codes.Secondary), c.secondary.empty() ? c.primary : c.secondary);
    }
}

TEST(ButtonTable, ButtonsThreeAndFourSwapSlotsAndFixedSlotsWin)
{
    SettingsRecord s = Defaults();
    s.ButtonFunction = {10, 10, 10, 10, 10, 3, 4};
    s.SingleKey = {0x04, 0x05, 0x06, 0x07, 0x08, 0, 0, 0};
    const ButtonTable t = BuildButtonTable(s);
    EXPECT_EQ(Code(t[3]), Bytes({0x00, 0x00, 0x08, 0x00}));
    EXPECT_EQ(Code(t[4]), Bytes({0x00, 0x00, 0x07, 0x00}));
    // Slots 17..20 of buttons 1..4 are fixed; 21 and 22 take the second codes.
    EXPECT_EQ(Code(t[16]), Bytes({0x00, 0x00, 0x04, 0x00}));
    EXPECT_EQ(Code(t[17]), Bytes({0x0B, 0x07, 0xF1, 0x00}));
    EXPECT_EQ(Code(t[19]), Bytes({0x0B, 0x08, 0x01, 0x00}));
    EXPECT_EQ(Code(t[21]), Bytes({0x0B, 0x08, 0x01, 0x00}));
    EXPECT_EQ(Code(t[22]), Bytes({0x0B, 0x08, 0x02, 0x00}));
    EXPECT_EQ(Code(t[8]), Bytes({0, 0, 0, 0}));
}
