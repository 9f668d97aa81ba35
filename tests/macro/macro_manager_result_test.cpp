// What the macro manager's OK brings into the record: the encoded macros
// in their slots, and the macro buttons kept on their macros through
// deletes, moves and renames.

#include "macro/macro_manager_result.h"

#include "model/device_records.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

constexpr uint8_t kMacro = 11;
constexpr uint8_t kDeactivated = 13;

class MacroManagerResult : public testing::Test {
protected:
    void SetUp() override { g_TextTable.Load(L"EN"); }
    void TearDown() override { g_TextTable = CTextTable{}; }
};

}  // namespace

// Each slot takes its record's 128 bytes and a zero tail; nothing of the
// next record spills into it, and the rest of the record is untouched.
TEST_F(MacroManagerResult, SlotsTakeTheRecordsWithAZeroTail)
{
    std::array<MacroRecord, kMaxMacros> records{};
    for (size_t k = 0; k < records.size(); ++k) {
        auto* bytes = reinterpret_cast<uint8_t*>(&records[k]);
        for (size_t i = 0; i < sizeof(MacroRecord); ++i)
            bytes[i] = static_cast<uint8_t>(k * 17 + i + 1);
    }
    SettingsRecord settings;
    std::memset(&settings, 0xEE, sizeof settings);
    SettingsRecord expected = settings;

    CopyMacroRecordsToSlots(settings, records);

    for (size_t k = 0; k < records.size(); ++k) {
        std::memcpy(expected.MacroSlot[k].data(), &records[k], 128);
        expected.MacroSlot[k][128] = 0;
        expected.MacroSlot[k][129] = 0;
    }
    EXPECT_EQ(std::memcmp(&settings, &expected, sizeof settings), 0);
}

// Table: a button on macro `index` (opened list a b c d e), after edits
// that leave `positionNow` and `namesNow`.
TEST_F(MacroManagerResult, ButtonsFollowTheirMacros)
{
    struct Case {
        const char* edit;
        std::vector<int> positionNow;
        std::vector<CString> namesNow;
        uint8_t index;
        uint8_t type;      // expected
        uint8_t indexNow;  // expected, for type 11
        const wchar_t* caption;
    };
    const std::vector<CString> kept{L"a", L"b", L"c", L"d", L"e"};
    const std::vector<Case> cases{
        {"nothing changed", {0, 1, 2, 3, 4}, kept, 2, kMacro, 2, L"Macro:c"},
        {"b deleted, c moves up", {0, -1, 1, 2, 3}, {L"a", L"c", L"d", L"e"}, 2, kMacro, 1, L"Macro:c"},
        {"b deleted, the button on b", {0, -1, 1, 2, 3}, {L"a", L"c", L"d", L"e"}, 1, kDeactivated, 1, L"Deactivated"},
        {"a earlier macro untouched", {0, -1, 1, 2, 3}, {L"a", L"c", L"d", L"e"}, 0, kMacro, 0, L"Macro:a"},
        {"c renamed", {0, 1, 2, 3, 4}, {L"a", L"b", L"cx", L"d", L"e"}, 2, kMacro, 2, L"Macro:cx"},
        {"every macro deleted", {-1, -1, -1, -1, -1}, {}, 4, kDeactivated, 4, L"Deactivated"},
        {"index beyond the opened list", {0, 1, 2, 3, 4}, kept, 7, kMacro, 7, L"old"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        SettingsRecord settings{};
        settings.ButtonFunction = {0, 1, kMacro, 3, 4, 5, 6};
        settings.MacroIndex[2] = c.index;
        settings.MacroRepeatMode[2] = 2;
        std::array<CString, kButtonCount> captions{L"c0", L"c1", L"old", L"c3", L"c4", L"c5", L"c6"};
        SettingsRecord expected = settings;
        expected.ButtonFunction[2] = c.type;
        expected.MacroIndex[2] = c.indexNow;

        FollowMovedMacros(settings, captions, c.positionNow, c.namesNow);

        EXPECT_EQ(std::memcmp(&settings, &expected, sizeof settings), 0);
        EXPECT_EQ(captions[2], c.caption);
        EXPECT_EQ(captions[1], L"c1") << "other buttons keep their captions";
    }
}

// Only buttons that play a macro change; one moved past the twelve device
// slots has nothing to play and is Deactivated.
TEST_F(MacroManagerResult, OnlyMacroButtonsChangeAndTheSlotsBound)
{
    std::vector<int> positionNow(14);
    std::vector<CString> names(14);
    for (int m = 0; m < 14; ++m) {
        positionNow[static_cast<size_t>(m)] = m;
        names[static_cast<size_t>(m)] = CString(L"m") + CString(std::to_wstring(m).c_str());
    }
    positionNow[3] = 12;  // as if it had moved behind the twelfth slot
    SettingsRecord settings{};
    settings.ButtonFunction = {kMacro, 7, kMacro, kMacro, 0, 0, 0};
    settings.MacroIndex = {3, 3, 11, 0, 0, 0, 0, 0};
    std::array<CString, kButtonCount> captions{};

    FollowMovedMacros(settings, captions, positionNow, names);

    EXPECT_EQ(settings.ButtonFunction[0], kDeactivated);
    EXPECT_EQ(captions[0], L"Deactivated");
    EXPECT_EQ(settings.ButtonFunction[1], 7);
    EXPECT_EQ(captions[1], L"");
    EXPECT_EQ(captions[2], L"Macro:m11");
    EXPECT_EQ(captions[3], L"Macro:m0");
}
