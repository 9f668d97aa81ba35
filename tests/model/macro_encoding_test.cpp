#include "model/macro_encoding.h"

#include "model/record_ini.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// Encodes `lines` into a record whose bytes start as 0xEE; returns the event
// bytes up to the last one that is not zero.
Bytes EncodeLines(const std::vector<CString>& lines, const MacroEncoding& encoding,
                  std::array<uint8_t, kDeviceRecordSize>* whole = nullptr)
{
    std::array<uint8_t, kDeviceRecordSize> record;
    record.fill(0xEE);
    EncodeMacroEvents(
        record, static_cast<int>(lines.size()), [&](int j) { return lines.at(static_cast<size_t>(j)); }, encoding);
    if (whole)
        *whole = record;
    Bytes events(record.begin() + 2, record.end());
    while (!events.empty() && events.back() == 0)
        events.pop_back();
    return events;
}

struct EncodingCase {
    const char* what;
    std::vector<CString> lines;
    Bytes profileBytes;  // the encoder that runs after a profile load
    Bytes managerBytes;  // the macro manager's

    friend void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.what; }
};

class MacroEventsTest : public testing::TestWithParam<EncodingCase> {};

TEST_P(MacroEventsTest, EncodesLikeTheMouseExpects)
{
    const EncodingCase& c = GetParam();
    EXPECT_EQ(EncodeLines(c.lines, kProfileMacroEncoding), c.profileBytes) << c.what;
    EXPECT_EQ(EncodeLines(c.lines, kManagerMacroEncoding), c.managerBytes) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MacroEventsTest,
    testing::Values(
        EncodingCase{"press and release with 50 ms pauses",
                     {L"A   Dn", L"50 ms", L"A   Up", L"50 ms"},
                     {0x05, 0x04, 0x85, 0x04},
                     {0x05, 0x04, 0x85, 0x04}},
        EncodingCase{"no pause lines: each encoder's default pause",
                     {L"A   Dn", L"A   Up"},
                     {0x01, 0x04, 0x81, 0x04},
                     {0x05, 0x04, 0x85, 0x04}},
        EncodingCase{"a pause below the shortest", {L"A   Dn", L"5 ms"}, {0x01, 0x04}, {0x05, 0x04}},
        EncodingCase{"1,270 ms still fits one pair",
                     {L"A   Dn", L"1270 ms", L"A   Up", L"1270 ms"},
                     {0x7F, 0x04, 0xFF, 0x04},
                     {0x7F, 0x04, 0xFF, 0x04}},
        EncodingCase{"1,271 ms takes a long-delay group",
                     {L"A   Dn", L"1271 ms"},
                     {0x47, 0x04, 0x00, 0x03, 0x00, 0x0C},
                     {0x47, 0x04, 0x00, 0x03, 0x00, 0x0C}},
        EncodingCase{"2,000 ms after a release",
                     {L"B   Up", L"2000 ms"},
                     {0x80, 0x05, 0x00, 0x03, 0x00, 0x14},
                     {0x80, 0x05, 0x00, 0x03, 0x00, 0x14}},
        EncodingCase{"a pause too long for two bytes of hundreds is stored as the longest",
                     {L"A   Dn", L"99999999 ms"},
                     {0x63, 0x04, 0x00, 0x03, 0xFF, 0xFF},
                     {0x63, 0x04, 0x00, 0x03, 0xFF, 0xFF}},
        EncodingCase{"a negative pause counts as the shortest", {L"A   Dn", L"-300 ms"}, {0x01, 0x04}, {0x05, 0x04}},
        EncodingCase{"leading pause and release still start at byte 2",
                     {L"20 ms", L"Z   Up", L"30 ms"},
                     {0x83, 0x1D},
                     {0x85, 0x1D}},
        EncodingCase{"unknown key names give usage 0",
                     {L"Help   Dn", L"20 ms", L"A   Up"},
                     {0x02, 0x00, 0x81, 0x04},
                     {0x05, 0x00, 0x85, 0x04}},
        EncodingCase{"the two name lookups differ",
                     {L"Application   Dn", L"20 ms", L"Left GUI   Dn", L"20 ms", L"A   Up"},
                     {0x02, 0x65, 0x02, 0x00, 0x81, 0x04},
                     {0x05, 0x00, 0x05, 0xE3, 0x85, 0x04}},
        EncodingCase{"a line that is neither key nor pause is skipped",
                     {L"garbage", L"A   Dn", L"garbage"},
                     {0x01, 0x04},
                     {0x05, 0x04}}));

TEST(MacroEventsLimits, KeepsToTheRecordWhateverTheLineCount)
{
    // 200 key lines with pauses: 63 pairs fit, the 64th event is dropped.
    std::vector<CString> lines;
    for (int i = 0; i < 100; ++i) {
        lines.push_back(L"A   Dn");
        lines.push_back(L"20 ms");
        lines.push_back(L"A   Up");
        lines.push_back(L"20 ms");
    }
    SettingsRecord settings{};
    for (auto& slot : settings.MacroSlot)
        slot.fill(0xEE);
    const auto record = MacroRecordBytes(settings, 0);
    EncodeMacroEvents(
        record, static_cast<int>(lines.size()), [&](int j) { return lines.at(static_cast<size_t>(j)); },
        kProfileMacroEncoding);
    for (size_t i = 2; i < kDeviceRecordSize; i += 2) {
        EXPECT_EQ(record[i], (i / 2) % 2 == 1 ? 0x02 : 0x82) << i;
        EXPECT_EQ(record[i + 1], 0x04) << i;
    }
    // The slot's tail and the next slot are untouched.
    EXPECT_EQ(settings.MacroSlot[0][128], 0xEE);
    EXPECT_EQ(settings.MacroSlot[0][129], 0xEE);
    EXPECT_EQ(settings.MacroSlot[1][0], 0xEE);
}

TEST(MacroEventsLimits, StopsBeforeALongPauseThatDoesNotFitWhole)
{
    // 61 short events leave room for two pairs: a long pause needs three,
    // and the short event after it is not encoded either.
    std::vector<CString> lines;
    for (int i = 0; i < 61; ++i)
        lines.push_back(L"A   Dn");
    lines.push_back(L"B   Dn");
    lines.push_back(L"5000 ms");
    lines.push_back(L"C   Dn");
    std::array<uint8_t, kDeviceRecordSize> record;
    const Bytes events = EncodeLines(lines, kProfileMacroEncoding, &record);
    ASSERT_EQ(events.size(), 122u);
    EXPECT_EQ(events[120], 0x01);
    EXPECT_EQ(events[121], 0x04);
    EXPECT_EQ(record[124], 0x00);
    EXPECT_EQ(record[127], 0x00);
}

}  // namespace
