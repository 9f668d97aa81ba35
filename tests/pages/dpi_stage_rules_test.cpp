#include "pages/dpi_stage_rules.h"

#include <gtest/gtest.h>

namespace {

SettingsRecord StagesAt(uint8_t value)
{
    SettingsRecord record{};
    record.DpiStage.fill(value);
    record.DpiStageEnabled.fill(1);
    return record;
}

}  // namespace

TEST(DpiStageRules, TypedValuesAreClampedAndCutToWholeSteps)
{
    struct Row {
        const wchar_t* typed;
        uint8_t stored;
    };
    const Row rows[] = {
        {L"0", 1},       {L"1", 1},
        {L"49", 1},      {L"50", 1},
        {L"", 1},        {L"-800", 1},
        {L"99", 1},      {L"100", 2},
        {L"1234", 24},   {L"1249", 24},
        {L"10799", 215}, {L"10800", 216},
        {L"99999", 216}, {L" 800", 16},
        {L"+850x", 17},  {L"2147483648000", 216},  // beyond int: still the maximum, no overflow
    };
    for (const Row& row : rows) {
        SettingsRecord record = StagesAt(100);
        record.DpiStageEnabled[3] = 0;
        EXPECT_TRUE(dpi::CommitTypedDpi(record, 3, row.typed)) << row.typed;
        EXPECT_EQ(record.DpiStage[3], row.stored) << row.typed;
        EXPECT_EQ(record.DpiStageEnabled[3], 0) << "a typed value does not switch the stage on";
        EXPECT_EQ(record.DpiStage[2], 100);
    }
}

// Each stage compares what is typed with its own DPI, not with the text last
// committed in any stage: "800" typed into stage 2 right after "800" into
// stage 1 still sets stage 2.
TEST(DpiStageRules, TheSameTextCommitsInEveryStageWhoseValueDiffers)
{
    SettingsRecord record = StagesAt(24);
    EXPECT_TRUE(dpi::CommitTypedDpi(record, 0, L"800"));
    EXPECT_TRUE(dpi::CommitTypedDpi(record, 1, L"800"));
    EXPECT_EQ(record.DpiStage[0], 16);
    EXPECT_EQ(record.DpiStage[1], 16);

    // The stage's own DPI typed again changes nothing.
    EXPECT_FALSE(dpi::CommitTypedDpi(record, 1, L"800"));
    EXPECT_FALSE(dpi::CommitTypedDpi(record, 1, L"0800"));
    EXPECT_EQ(record.DpiStage[1], 16);
}

// The editor opens with the stored value's DPI; committing it unchanged
// keeps a value in range and corrects one outside 1..216 (from a file).
TEST(DpiStageRules, CommittingTheShownDpiCorrectsAValueOutOfRange)
{
    struct Row {
        uint8_t stored;
        uint8_t committed;
        bool changed;
    };
    const Row rows[] = {
        {0, 1, true}, {217, 216, true}, {255, 216, true}, {1, 1, false}, {108, 108, false}, {216, 216, false},
    };
    for (const Row& row : rows) {
        SettingsRecord record = StagesAt(30);
        record.DpiStage[4] = row.stored;
        EXPECT_EQ(dpi::CommitTypedDpi(record, 4, dpi::DpiText(row.stored)), row.changed) << int{row.stored};
        EXPECT_EQ(record.DpiStage[4], row.committed) << int{row.stored};
        EXPECT_EQ(record.DpiStage[3], 30);
    }
}

TEST(DpiStageRules, SliderShowsValuesInRangeAndOtherwiseItsMinimum)
{
    const int rows[][2] = {{0, 1}, {1, 1}, {108, 108}, {216, 216}, {217, 1}, {255, 1}};
    for (const auto& row : rows)
        EXPECT_EQ(dpi::SliderPosition(static_cast<uint8_t>(row[0])), row[1]) << row[0];
    EXPECT_EQ(dpi::DpiText(217), CString(L"10850"));
}

TEST(DpiStageRules, SliderMovesStoreTheValueAndSwitchOnlyAnOffStageOn)
{
    const int rows[][2] = {{0, 1}, {1, 1}, {2, 2}, {255, 255}};  // on/off byte before, after
    for (const auto& row : rows) {
        SettingsRecord record = StagesAt(10);
        record.DpiStageEnabled[5] = static_cast<uint8_t>(row[0]);
        dpi::StoreSliderPosition(record, 5, 140);
        EXPECT_EQ(record.DpiStage[5], 140);
        EXPECT_EQ(record.DpiStageEnabled[5], row[1]) << row[0];
    }
}

TEST(DpiStageRules, ToggleAndColourChoiceFollowTheOnOffByte)
{
    const int rows[][3] = {
        // on/off byte, after a toggle, colour may be chosen
        {0, 1, 0},
        {1, 0, 1},
        {2, 0, 0},
        {255, 0, 0},
    };
    for (const auto& row : rows) {
        SettingsRecord record = StagesAt(10);
        record.DpiStageEnabled[1] = static_cast<uint8_t>(row[0]);
        EXPECT_EQ(dpi::StageTakesColour(record, 1), row[2] == 1) << row[0];
        dpi::ToggleStage(record, 1);
        EXPECT_EQ(record.DpiStageEnabled[1], row[1]) << row[0];
    }
}

TEST(DpiStageRules, ClicksFindTheStageColumn)
{
    struct Row {
        CRect (*rectOf)(int);
        CPoint point;
        int stage;
    };
    const Row rows[] = {
        {dpi::OnOffRect, {25, 202}, 0},     {dpi::OnOffRect, {34, 210}, 0},    {dpi::OnOffRect, {35, 205}, -1},
        {dpi::OnOffRect, {204, 206}, -1},   {dpi::OnOffRect, {205, 206}, 6},   {dpi::SwatchRect, {115, 215}, 3},
        {dpi::SwatchRect, {115, 225}, -1},  {dpi::ValueBoxRect, {20, 182}, 0}, {dpi::ValueBoxRect, {44, 193}, 0},
        {dpi::ValueBoxRect, {45, 190}, -1}, {dpi::ValueBoxRect, {50, 190}, 1}, {dpi::ValueBoxRect, {80, 181}, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(dpi::StageAt(row.rectOf, row.point), row.stage) << row.point.x << ", " << row.point.y;
}
