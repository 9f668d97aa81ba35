// What the macro manager's OK brings into the record: the encoded macros in
// their slots. How its buttons follow their macros is
// tests/model/macro_list_change_test.cpp.

#include "macro/macro_manager_result.h"

#include "model/device_records.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

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
