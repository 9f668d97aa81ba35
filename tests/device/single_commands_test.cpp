#include "device/single_commands.h"

#include "emulated_link.h"

#include <algorithm>

namespace {

// g_Settings with the factory defaults over an all-zero record.
SettingsRecord Defaults()
{
    g_Settings = SettingsRecord{};
    SetDefaultSettings();
    return g_Settings;
}

std::vector<uint8_t> Code(const ButtonCode& code)
{
    return std::vector<uint8_t>(code.begin(), code.end());
}

}  // namespace

// Single commands against the emulated mouse.

using SingleCommandTest = EmulatedLinkTest;

TEST_F(SingleCommandTest, FunctionOptionCarriesTheFingerTapToggles)
{
    ASSERT_TRUE(FindDevice());
    struct Case {
        std::array<uint32_t, 3> keys;
        uint8_t flags;
    };
    // Only the low byte of each toggle counts.
    const Case cases[] = {{{1, 1, 1}, 0x07}, {{0, 0, 1}, 0x04}, {{1, 0, 0}, 0x01}, {{0x100, 1, 0}, 0x02}};
    for (const Case& c : cases) {
        g_Settings.FingerTapKey = c.keys;
        texts.clear();
        SetFunctionOption();
        EXPECT_EQ(mouse.StoredFunctionOption(), c.flags);
        ASSERT_FALSE(texts.empty());
        wchar_t expected[40];
        swprintf(expected, 40, L"SetFunctionOption:7c-%02x\n", c.flags);
        EXPECT_EQ(texts.back(), expected);
    }
}

TEST_F(SingleCommandTest, FirmwareVersionAndCurrentProfile)
{
    ASSERT_TRUE(FindDevice());
    mouse.SetFirmwareVersion(0x03, 0x0A);
    mouse.SetCurrentProfile(4);
    ReadFirmwareVersion();
    EXPECT_EQ(texts.back(), L"FW version:03-0a\n");
    ReadCurrentProfile();
    EXPECT_EQ(g_DevImage.DeviceProfile, 4);
}

TEST_F(SingleCommandTest, ProfileBlockReadBack)
{
    ASSERT_TRUE(FindDevice());
    StoredRecord block{};
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<uint8_t>(0x80 + i);
    mouse.SetStoredProfileBlock(3, block);
    g_DevImage.DeviceProfile = 3;
    g_DevImage.ButtonTable[0] = {0xC1, 0xC2, 0xC3, 0xC4};

    struct Case {
        uint8_t announced;
        size_t copied;
    };
    // A reply longer than the block copies 128 bytes; a shorter one only its own.
    for (const Case& c : {Case{0x80, 128}, Case{0xC0, 128}, Case{0x40, 64}}) {
        SCOPED_TRACE(int(c.announced));
        g_DevImage.ProfileBlocks.fill(0x11);
        mouse.SetReadBackLength(c.announced);
        clock.ClearPauses();
        TransferProfileBlock();
        EXPECT_TRUE(std::equal(block.begin(), block.begin() + c.copied, g_DevImage.ProfileBlocks.begin()));
        EXPECT_TRUE(std::all_of(g_DevImage.ProfileBlocks.begin() + c.copied, g_DevImage.ProfileBlocks.end(),
                                [](uint8_t b) { return b == 0x11; }));
        EXPECT_EQ(Code(g_DevImage.ButtonTable[0]), Bytes({0xC1, 0xC2, 0xC3, 0xC4}));
        std::vector<DWORD> pauses(ChunkCount(c.announced), 100);
        pauses.push_back(10);
        EXPECT_EQ(clock.Pauses(), pauses);
    }
    EXPECT_TRUE(mouse.Errors().empty());
}

TEST_F(SingleCommandTest, RecordsWrittenAreStoredAsSent)
{
    ASSERT_TRUE(FindDevice());
    SettingsRecord s = Defaults();
    const ProfileBlock block = BuildProfileBlock(s);
    const ButtonTable table = BuildButtonTable(s);

    const auto send = [](uint8_t code, uint8_t target, std::span<const uint8_t> record) {
        std::array<uint8_t, kTransferBufferSize> transfer{};
        std::copy(record.begin(), record.end(), transfer.begin());
        DeviceCommand c{};
        c.Code = code;
        c.Arg1 = target;
        c.Arg2 = kRecordTransferLength;
        SendCommandWithData(c, transfer);
    };
    send(kCmdWriteProfileBlock, 1, block);
    send(kCmdWriteButtonTable, 1, TableBytes(table));
    MacroRecordBytes(s, 11)[0] = 0x01;
    MacroRecordBytes(s, 11)[127] = 0x9C;
    send(kCmdWriteMacro, 12, MacroRecordBytes(s, 11));

    EXPECT_EQ(mouse.StoredProfileBlock(1), block);
    const auto storedTable = mouse.StoredButtonTable(1);
    ASSERT_TRUE(storedTable);
    EXPECT_TRUE(std::equal(storedTable->begin(), storedTable->end(), TableBytes(table).begin()));
    const auto macro = mouse.StoredMacro(12);
    ASSERT_TRUE(macro);
    EXPECT_EQ((*macro)[0], 0x01);
    EXPECT_EQ((*macro)[127], 0x9C);
    EXPECT_EQ(clock.Pauses(), std::vector<DWORD>(6, 100));
    EXPECT_TRUE(mouse.Errors().empty());
}
