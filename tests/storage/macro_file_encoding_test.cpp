#include "storage/macro_file_encoding.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// The whole run over record.ini.
class MacroFileEncodingTest : public testing::Test {
protected:
    void WriteStore(const std::wstring& text) { WriteUtf16File(m_path, text); }

    // Runs the encoder into twelve records preset to 0xEE; returns them.
    std::array<std::array<uint8_t, kDeviceRecordSize>, kMaxEncodedMacros> Encode(
        const MacroEncoding& encoding = kProfileMacroEncoding)
    {
        std::array<std::array<uint8_t, kDeviceRecordSize>, kMaxEncodedMacros> records;
        for (auto& r : records)
            r.fill(0xEE);
        m_requested.clear();
        EncodeMacrosFromIni(m_path.c_str(), encoding, [&](int k) {
            m_requested.push_back(k);
            return MacroRecordSpan(records.at(static_cast<size_t>(k)));
        });
        return records;
    }

    TempFolder m_folder;
    std::wstring m_path = m_folder.file(L"record.ini");
    std::vector<int> m_requested;
};

TEST_F(MacroFileEncodingTest, LoopCountIsNormalisedIntoTheFirstTwoBytes)
{
    // Every macro has one line: a macro without lines is all zeros.
    std::wstring text = L"[MacroName]\r\nMacroCount=5\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n4=e\r\n";
    const wchar_t* const loops[] = {L"", L"MacroLoopTimes=0\r\n", L"MacroLoopTimes=70000\r\n",
                                    L"MacroLoopTimes=300\r\n", L"MacroLoopTimes=65535\r\n"};
    for (int k = 0; k < 5; ++k)
        text += L"[" + std::wstring(1, L'a' + k) + L"]\r\n" + loops[k] + L"ItemCount=1\r\nItem0=A   Dn\r\n";
    WriteStore(text);
    const auto records = Encode();
    const std::array<std::array<uint8_t, 2>, 5> expected = {{{0, 1}, {0, 1}, {0, 1}, {0x01, 0x2C}, {0xFF, 0xFF}}};
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(records[k][0], expected[k][0]) << k;
        EXPECT_EQ(records[k][1], expected[k][1]) << k;
    }
    EXPECT_EQ(records[5][0], 0xEE) << "records past the list are left alone";
}

TEST_F(MacroFileEncodingTest, EmptyAndNegativeLineCounts)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=3\r\n0=empty\r\n1=negative\r\n2=one\r\n"
        L"[empty]\r\nMacroLoopTimes=5\r\nItemCount=0\r\n"
        L"[negative]\r\nMacroLoopTimes=5\r\nItemCount=-1\r\n"
        L"[one]\r\nMacroLoopTimes=2\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=50 ms\r\n");
    const auto records = Encode(kManagerMacroEncoding);
    EXPECT_EQ(records[0], (std::array<uint8_t, kDeviceRecordSize>{})) << "an empty macro is 128 zero bytes";
    EXPECT_EQ(records[1][1], 5);
    EXPECT_EQ(records[1][2], 0xEE) << "a negative count leaves the events";
    EXPECT_EQ((Bytes(records[2].begin(), records[2].begin() + 6)), (Bytes{0x00, 0x02, 0x05, 0x04, 0x00, 0x00}));
}

TEST_F(MacroFileEncodingTest, KeyLineAtTheEndTakesTheDefaultPauseEvenWithAStrayLineAfterIt)
{
    // "Item1" lies past "ItemCount" and is not part of the macro.
    WriteStore(L"[MacroName]\r\nMacroCount=1\r\n0=m\r\n[m]\r\nItemCount=1\r\nItem0=A   Dn\r\nItem1=900 ms\r\n");
    EXPECT_EQ(Encode()[0][2], 0x01);
}

TEST_F(MacroFileEncodingTest, NamesPastTheTwelfthAreNeverEncoded)
{
    std::wstring text = L"[MacroName]\r\nMacroCount=13\r\n";
    for (int k = 0; k < 13; ++k)
        text += std::to_wstring(k) + L"=m" + std::to_wstring(k) + L"\r\n";
    WriteStore(text);
    Encode();
    ASSERT_EQ(m_requested.size(), 12u);
    EXPECT_EQ(m_requested.back(), 11);
}

TEST_F(MacroFileEncodingTest, CountsAreBelievedOnlyAsFarAsTheirKeysArePresent)
{
    // An entry without a name is no macro: b is the second record.
    WriteStore(
        L"[MacroName]\r\nMacroCount=2000000000\r\n0=a\r\n1=\r\n2=b\r\n"
        L"[a]\r\nItemCount=2000000000\r\nItem0=A   Dn\r\nItem1=A   Up\r\n"
        L"[b]\r\nItemCount=3\r\nItem0=B   Dn\r\nItem2=B   Up\r\n");
    const auto records = Encode();
    EXPECT_EQ(m_requested, (std::vector<int>{0, 1}));
    EXPECT_EQ((Bytes(records[0].begin(), records[0].begin() + 8)),
              (Bytes{0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00}));
    // A line missing below the last one present reads as an empty line.
    EXPECT_EQ((Bytes(records[1].begin(), records[1].begin() + 8)),
              (Bytes{0x00, 0x01, 0x01, 0x05, 0x81, 0x05, 0x00, 0x00}));
}

TEST_F(MacroFileEncodingTest, MissingFileOrEmptyListChangesNothing)
{
    Encode();
    EXPECT_TRUE(m_requested.empty());
    WriteStore(L"[MacroName]\r\nMacroCount=0\r\n0=m\r\n");
    Encode();
    EXPECT_TRUE(m_requested.empty());
}

TEST_F(MacroFileEncodingTest, KeepsNamesInAnyScript)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=1\r\n0=宏_1\r\n[宏_1]\r\nMacroLoopTimes=3\r\nItemCount=1\r\nItem0=A   Up\r\n");
    const auto records = Encode();
    EXPECT_EQ(records[0][1], 3);
    EXPECT_EQ(records[0][2], 0x81);
}

// One macro alone, as the whole run gives it; a place the list does not fill
// leaves the record as it was.
TEST_F(MacroFileEncodingTest, OneMacroAloneAsTheWholeRunGivesIt)
{
    WriteStore(
        L"[MacroName]\r\nMacroCount=2\r\n0=a\r\n1=b\r\n"
        L"[a]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=A   Dn\r\n"
        L"[b]\r\nMacroLoopTimes=7\r\nItemCount=2\r\nItem0=B   Dn\r\nItem1=B   Up\r\n");
    const auto whole = Encode();
    std::array<uint8_t, kDeviceRecordSize> one;
    one.fill(0xEE);
    EXPECT_TRUE(EncodeMacroFromIni(m_path.c_str(), kProfileMacroEncoding, 1, MacroRecordSpan(one)));
    EXPECT_EQ(one, whole[1]);
    EXPECT_EQ(one[1], 7);

    std::array<uint8_t, kDeviceRecordSize> none;
    none.fill(0xEE);
    EXPECT_FALSE(EncodeMacroFromIni(m_path.c_str(), kProfileMacroEncoding, 2, MacroRecordSpan(none)));
    EXPECT_EQ(none[0], 0xEE);
    EXPECT_EQ(none[kDeviceRecordSize - 1], 0xEE);
}

}  // namespace
