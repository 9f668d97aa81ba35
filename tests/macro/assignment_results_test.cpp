#include "macro/assignment_results.h"

#include "text/text_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Language {
    const wchar_t* code;
    const wchar_t* keyCaption;    // text 512 + "-"
    const wchar_t* macroCaption;  // text 515 + ":"
};

const Language kLanguages[] = {
    {L"EN", L"Assign Keyboard Key-", L"Macro:"},
    {L"CHS", L"单键-", L"宏:"},
    {L"CHT", L"指派鍵盤按鍵-", L"巨集鍵:"},
    {L"DE", L"Keyboard-Taste zuweisen +-", L"Makro:"},
};

// A record whose every byte is set, so that a stray write shows.
SettingsRecord Filled()
{
    SettingsRecord record;
    std::memset(&record, 0x5A, sizeof(record));
    return record;
}

bool Same(const SettingsRecord& a, const SettingsRecord& b)
{
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

class AssignmentResults : public testing::Test {
protected:
    void TearDown() override { g_TextTable.Load(L"EN"); }
};

}  // namespace

TEST_F(AssignmentResults, SingleKeyOnOkWritesUsageTypeAndCaptionInEachLanguage)
{
    for (const Language& language : kLanguages) {
        g_TextTable.Load(language.code);
        SettingsRecord record = Filled();
        SettingsRecord expected = record;
        expected.SingleKey[5] = 0x3E;
        expected.ButtonFunction[5] = 10;

        const auto caption = ApplySingleKeyResult(record, 5, IDOK, L"F5");
        ASSERT_TRUE(caption.has_value()) << language.code;
        EXPECT_EQ(*caption, CString(language.keyCaption) + L"F5");
        EXPECT_TRUE(Same(record, expected)) << language.code;
    }
}

TEST_F(AssignmentResults, SingleKeyChangesNothingWithoutOkOrWithoutAUsage)
{
    g_TextTable.Load(L"EN");
    struct Row {
        int button;
        INT_PTR result;
        const wchar_t* name;
    };
    const Row rows[] = {
        {5, IDCANCEL, L"F5"},
        {5, -1, L"F5"},
        // Keys the mouse could not send: a "…-N/A" button would do nothing.
        {5, IDOK, L"N/A"},
        {5, IDOK, L"Select"},
        {5, IDOK, L"Help"},
        {5, IDOK, L""},
        {5, IDOK, L"f5"},
        {7, IDOK, L"F5"},
        {-1, IDOK, L"F5"},
    };
    for (const Row& r : rows) {
        SettingsRecord record = Filled();
        const SettingsRecord before = record;
        EXPECT_FALSE(ApplySingleKeyResult(record, r.button, r.result, r.name).has_value()) << r.name;
        EXPECT_TRUE(Same(record, before)) << r.name;
    }
}

TEST_F(AssignmentResults, PresetKeyNameComesFromTheStoredUsage)
{
    SettingsRecord record{};
    record.SingleKey = {0, 0x3E, 0x58, 0x64, 0x65, 0xF0, 0x04, 0x3E};
    EXPECT_EQ(PresetKeyName(record, 0), L"");  // no key: no preset
    EXPECT_EQ(PresetKeyName(record, 1), L"F5");
    EXPECT_EQ(PresetKeyName(record, 2), L"Num Enter");
    EXPECT_EQ(PresetKeyName(record, 3), L"N/A");
    EXPECT_EQ(PresetKeyName(record, 4), L"Application");
    EXPECT_EQ(PresetKeyName(record, 5), L"L-Button");
    EXPECT_EQ(PresetKeyName(record, 7), L"");  // not a button
}

TEST_F(AssignmentResults, MacroOnOkWritesIndexModeTypeAndCaptionInEachLanguage)
{
    for (const Language& language : kLanguages) {
        g_TextTable.Load(language.code);
        for (const uint8_t mode : {0, 1, 2}) {
            SettingsRecord record = Filled();
            SettingsRecord expected = record;
            expected.MacroIndex[6] = 11;
            expected.MacroRepeatMode[6] = mode;
            expected.ButtonFunction[6] = 11;

            const auto caption = ApplyMacroResult(record, 6, IDOK, 11, mode, L"Macro_12");
            ASSERT_TRUE(caption.has_value()) << language.code;
            EXPECT_EQ(*caption, CString(language.macroCaption) + L"Macro_12");
            EXPECT_TRUE(Same(record, expected)) << language.code << " " << int{mode};
        }
    }
}

TEST_F(AssignmentResults, MacroChangesNothingWithoutOkOrWithoutAChoice)
{
    g_TextTable.Load(L"EN");
    struct Row {
        int button;
        INT_PTR result;
        int selMacro;
    };
    const Row rows[] = {{6, IDOK, -1}, {6, IDCANCEL, 0}, {6, -1, 0}, {7, IDOK, 0}, {-1, IDOK, 0}};
    for (const Row& r : rows) {
        SettingsRecord record = Filled();
        const SettingsRecord before = record;
        EXPECT_FALSE(ApplyMacroResult(record, r.button, r.result, r.selMacro, 2, L"m").has_value());
        EXPECT_TRUE(Same(record, before)) << r.button << " " << r.result << " " << r.selMacro;
    }
}
