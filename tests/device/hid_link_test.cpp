#include "emulated_link.h"

#include <algorithm>
#include <numeric>

namespace {

DeviceCommand Command(uint8_t code, uint8_t arg1 = 0, uint8_t arg2 = 0)
{
    DeviceCommand c{};
    c.Code = code;
    c.Arg1 = arg1;
    c.Arg2 = arg2;
    return c;
}

template <size_t N> std::array<uint8_t, N> Pattern(uint8_t seed)
{
    std::array<uint8_t, N> bytes{};
    for (size_t i = 0; i < N; ++i)
        bytes[i] = static_cast<uint8_t>(seed + 7 * i);
    return bytes;
}

}  // namespace

// ---------------------------------------------------------------------------
// Frames and chunk counts

TEST(CommandFrame, ChecksumIsTheInvertedSumOfBytesZeroToSix)
{
    // Expected values worked out by hand. Every byte of the last cases is
    // non-zero, byte 6 included, and the checksum byte the caller left is
    // not: a sum over fewer or more bytes gives another result.
    const std::pair<DeviceCommand, uint8_t> cases[] = {
        {Command(0x02, 0x01), 0xFC},
        {Command(0x82), 0x7D},
        // The sum wraps at 8 bits: 0x80 + 0x80 + 0x7F = 0x17F -> 0x7F -> 0x80.
        {Command(0x80, 0x80, 0x7F), 0x80},
        // 0x1C -> 0xE3
        {DeviceCommand{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x99}, 0xE3},
        // 0x2D1 -> 0xD1 -> 0x2E
        {DeviceCommand{0x81, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x99}, 0x2E},
        // 7 x 0xFF = 0x6F9 -> 0xF9 -> 0x06
        {DeviceCommand{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0x06},
    };
    for (const auto& [command, checksum] : cases) {
        SCOPED_TRACE(
            testing::PrintToString(std::vector<int>(CommandBytes(command).begin(), CommandBytes(command).end())));
        EXPECT_EQ(CommandChecksum(command), checksum);
    }
}

TEST(CommandFrame, CarriesReportIdBytesZeroToSixAndTheChecksum)
{
    DeviceCommand c{0x0C, 0x01, 0x80, 0x11, 0x22, 0x33, 0x44, 0xEE};
    const CommandFrame frame = BuildCommandFrame(c);
    const std::vector<uint8_t> sent(frame.begin(), frame.begin() + 9);
    // 0x0C + 0x01 + 0x80 + 0x11 + 0x22 + 0x33 + 0x44 = 0x137 -> 0x37 -> 0xC8
    EXPECT_EQ(sent, Bytes({0x00, 0x0C, 0x01, 0x80, 0x11, 0x22, 0x33, 0x44, 0xC8}));
    EXPECT_TRUE(std::all_of(frame.begin() + 9, frame.end(), [](uint8_t b) { return b == 0; }));
}

TEST(CommandFrame, ChunkCountRoundsUp)
{
    const std::pair<uint8_t, size_t> cases[] = {{0x00, 0}, {0x01, 1}, {0x40, 1}, {0x41, 2}, {0x80, 2}, {0xFF, 4}};
    for (const auto& [length, chunks] : cases)
        EXPECT_EQ(ChunkCount(length), chunks) << "length " << int(length);
}

// ---------------------------------------------------------------------------
// The search

using FindDeviceTest = EmulatedLinkTest;

TEST_F(FindDeviceTest, EventCollectionFirstOpensBothHandlesAndEventsArrive)
{
    TestEvent readEvent;
    g_ovRead.hEvent = readEvent.get();

    ASSERT_TRUE(FindDevice());
    EXPECT_TRUE(g_bDeviceOpen);
    EXPECT_TRUE(IsDeviceHandleValid(g_hDevCmd));
    EXPECT_TRUE(IsDeviceHandleValid(g_hDevRead));
    EXPECT_EQ(g_wFeatureReportLen, 9);
    EXPECT_EQ(g_wCmdInputReportLen, 65);
    EXPECT_EQ(g_wInputReportLen, kEmulatedEventReportLength);
    EXPECT_EQ(g_strDevicePath.str(), EmulatedMouse::CommandCollection().Path);
    // Opening the event handle wakes a waiting reader.
    EXPECT_TRUE(readEvent.IsSet());
    // The lookalike of the same vendor and every probe were closed.
    EXPECT_EQ(mouse.OpenHandleCount(), 2u);

    std::array<uint8_t, 40> buffer{};
    ResetEvent(readEvent.get());
    EXPECT_FALSE(Hid().ReadOverlapped(g_hDevRead, buffer.data(), g_wInputReportLen, &g_ovRead));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_IO_PENDING));
    EXPECT_FALSE(readEvent.IsSet());
    mouse.ReportEvent(0x02, 0x03);
    EXPECT_TRUE(readEvent.IsSet());
    DWORD read = 0;
    EXPECT_TRUE(Hid().GetOverlappedResult(g_hDevRead, &g_ovRead, &read, TRUE));
    EXPECT_EQ(read, kEmulatedEventReportLength);
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 4), Bytes({0x06, 0x07, 0x02, 0x03}));
}

TEST_F(FindDeviceTest, CommandCollectionFirstLeavesNoEventHandle)
{
    mouse.SetInterfaces(EmulatedMouse::StandardInterfaces(EmulatedMouse::Order::CommandFirst));
    ASSERT_TRUE(FindDevice());
    EXPECT_FALSE(IsDeviceHandleValid(g_hDevRead));
    EXPECT_EQ(g_wInputReportLen, 0);
    EXPECT_EQ(mouse.OpenHandleCount(), 1u);

    mouse.SetFirmwareVersion(0x02, 0x15);
    ReadFirmwareVersion();
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"FW version:02-15\n"), texts.end());
    EXPECT_TRUE(mouse.Errors().empty());
}

TEST_F(FindDeviceTest, WithoutTheMouseFailsAndKeepsNoHandle)
{
    mouse.SetInterfaces(EmulatedMouse::StandardInterfaces(EmulatedMouse::Order::EventFirst, false));
    EXPECT_FALSE(FindDevice());
    EXPECT_FALSE(g_bDeviceOpen);
    EXPECT_FALSE(IsDeviceHandleValid(g_hDevCmd));
    EXPECT_EQ(mouse.OpenHandleCount(), 0u);
    // The last interface examined.
    EXPECT_EQ(g_strDevicePath.str(), EmulatedMouse::OtherDevice(0x5678, 0x0010, 3).Path);
    EXPECT_TRUE(texts.empty());
}

TEST_F(FindDeviceTest, TracesEachCollectionOfTheMouse)
{
    std::vector<EmulatedInterface> list{EmulatedMouse::OtherDevice(0x1234, 0x0001, 1), EmulatedMouse::EventCollection(),
                                        EmulatedMouse::CommandCollection()};
    mouse.SetInterfaces(list);
    ASSERT_TRUE(FindDevice());
    const std::vector<std::wstring> expected{
        L"Find our hid device.Success\n",
        L"DevicePath:" + list[1].Path +
            L",\nUsage:0x0001\nUsagePage:0xff01\nFeatureReportByteLength:0x0000\n"
            L"InputReportByteLength:0x8\nOutputReportByteLength:0x0\n",
        L"Find our hid device.Success\n",
        L"DevicePath:" + list[2].Path +
            L",\nUsage:0xff00\nUsagePage:0xff00\nFeatureReportByteLength:0x0009\n"
            L"InputReportByteLength:0x41\nOutputReportByteLength:0x41\n",
    };
    EXPECT_EQ(texts, expected);
}

TEST_F(FindDeviceTest, EachFailureReturnsFalseWithoutAHandleLeftOpen)
{
    struct Case {
        const char* name;
        void (*fault)(EmulatedInterface& event, EmulatedInterface& command);
        std::vector<std::wstring> lastText;
    };
    const Case cases[] = {
        {"preparsed data",
         [](EmulatedInterface& e, EmulatedInterface&) { e.FailPreparsedData = true; },
         {L"HidD_GetPreparsedData failed.\n"}},
        {"capabilities",
         [](EmulatedInterface&, EmulatedInterface& c) { c.InvalidPreparsedData = true; },
         {L"HidP_GetCaps failed."}},
        {"event open", [](EmulatedInterface& e, EmulatedInterface&) { e.FailDataOpen = true; }, {}},
        {"command open", [](EmulatedInterface&, EmulatedInterface& c) { c.FailDataOpen = true; }, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        EmulatedMouse faulty;
        ScopedHidBackend useFaulty(faulty);
        EmulatedInterface event = EmulatedMouse::EventCollection();
        EmulatedInterface command = EmulatedMouse::CommandCollection();
        test.fault(event, command);
        faulty.SetInterfaces({EmulatedMouse::OtherDevice(0x1234, 1, 1), event, command});
        texts.clear();

        EXPECT_FALSE(FindDevice());
        EXPECT_FALSE(IsDeviceHandleValid(g_hDevCmd));
        if (!test.lastText.empty()) {
            ASSERT_FALSE(texts.empty());
            EXPECT_EQ(texts.back(), test.lastText.front());
        }
        CloseDeviceHandles();
        EXPECT_EQ(faulty.OpenHandleCount(), 0u);
    }
}

TEST_F(FindDeviceTest, SkipsInterfacesThatCannotBeOpenedOrWhosePathCannotBeRead)
{
    // Devices that Windows opens only for administrators come before the mouse.
    EmulatedInterface locked = EmulatedMouse::OtherDevice(0x2468, 0x0101, 1);
    locked.FailProbeOpen = true;
    EmulatedInterface unreadable = EmulatedMouse::OtherDevice(0x2468, 0x0102, 2);
    unreadable.UnreadablePath = true;
    mouse.SetInterfaces({locked, unreadable, EmulatedMouse::EventCollection(), EmulatedMouse::CommandCollection()});

    ASSERT_TRUE(FindDevice());
    EXPECT_TRUE(IsDeviceHandleValid(g_hDevRead));
    EXPECT_TRUE(IsDeviceHandleValid(g_hDevCmd));
    EXPECT_EQ(mouse.OpenHandleCount(), 2u);
    DeviceCommand select = Command(kCmdSelectProfile, 3);
    SendCommand(select);
    EXPECT_EQ(mouse.CurrentProfile(), 3);

    // The mouse's own event collection refusing the probe leaves the
    // command collection, found as when it is listed first.
    CloseDeviceHandles();
    EmulatedInterface event = EmulatedMouse::EventCollection();
    event.FailProbeOpen = true;
    mouse.SetInterfaces({locked, event, EmulatedMouse::CommandCollection()});
    ASSERT_TRUE(FindDevice());
    EXPECT_FALSE(IsDeviceHandleValid(g_hDevRead));
    EXPECT_EQ(mouse.OpenHandleCount(), 1u);
}

TEST_F(FindDeviceTest, AnEnumerationFailureOtherThanTheEndOfTheListEndsTheSearch)
{
    EmulatedInterface broken = EmulatedMouse::OtherDevice(0x2468, 0x0103, 3);
    broken.FailEnumeration = true;
    mouse.SetInterfaces({EmulatedMouse::OtherDevice(0x1234, 0x0001, 1), broken, EmulatedMouse::EventCollection(),
                         EmulatedMouse::CommandCollection()});
    EXPECT_FALSE(FindDevice());
    EXPECT_FALSE(IsDeviceHandleValid(g_hDevCmd));
    EXPECT_FALSE(IsDeviceHandleValid(g_hDevRead));
    EXPECT_EQ(mouse.OpenHandleCount(), 0u);
}

TEST_F(FindDeviceTest, FailsWhenTheInterfaceListCannotBeRead)
{
    mouse.SetInterfaceListFails(true);
    EXPECT_FALSE(FindDevice());
    EXPECT_EQ(mouse.OpenHandleCount(), 0u);
}

TEST_F(FindDeviceTest, ANewSearchReplacesTheHandlesAndWakesAPendingRead)
{
    TestEvent readEvent;
    g_ovRead.hEvent = readEvent.get();
    ASSERT_TRUE(FindDevice());
    const HANDLE oldRead = g_hDevRead;
    const HANDLE oldCommand = g_hDevCmd;

    std::array<uint8_t, 40> buffer{};
    Hid().ReadOverlapped(oldRead, buffer.data(), g_wInputReportLen, &g_ovRead);
    ASSERT_EQ(mouse.PendingReadCount(), 1u);

    ASSERT_TRUE(FindDevice());
    EXPECT_NE(g_hDevRead.load(), oldRead);
    EXPECT_NE(g_hDevCmd, oldCommand);
    EXPECT_EQ(mouse.OpenHandleCount(), 2u);
    EXPECT_EQ(mouse.PendingReadCount(), 0u);
    DWORD read = 1;
    EXPECT_FALSE(Hid().GetOverlappedResult(oldRead, &g_ovRead, &read, TRUE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_OPERATION_ABORTED));
    EXPECT_EQ(read, 0u);

    // The next read goes to the new handle and gets the next event.
    Hid().ReadOverlapped(g_hDevRead, buffer.data(), g_wInputReportLen, &g_ovRead);
    mouse.ReportEvent(0x09, 0x01);
    EXPECT_TRUE(Hid().GetOverlappedResult(g_hDevRead, &g_ovRead, &read, TRUE));
    EXPECT_EQ(buffer[2], 0x09);
}

TEST_F(FindDeviceTest, AfterRemovalTheSearchFailsAndArrivalReplacesTheDeadHandles)
{
    ASSERT_TRUE(FindDevice());
    mouse.Unplug();
    g_bDeviceOpen = FindDevice();
    EXPECT_FALSE(g_bDeviceOpen);
    // The handles of the removed mouse stay open until a new connection.
    EXPECT_EQ(mouse.OpenHandleCount(), 2u);
    DeviceCommand select = Command(kCmdSelectProfile, 4);
    SendCommand(select);
    EXPECT_EQ(mouse.CurrentProfile(), 1);

    mouse.Plug();
    g_bDeviceOpen = FindDevice();
    EXPECT_TRUE(g_bDeviceOpen);
    EXPECT_EQ(mouse.OpenHandleCount(), 2u);
    SendCommand(select);
    EXPECT_EQ(mouse.CurrentProfile(), 4);

    CloseDeviceHandles();
    EXPECT_EQ(mouse.OpenHandleCount(), 0u);
    EXPECT_FALSE(g_bDeviceOpen);
}

// ---------------------------------------------------------------------------
// Commands

using SendCommandTest = EmulatedLinkTest;

TEST_F(SendCommandTest, AWriteCommandSendsOneFrameAndKeepsTheBuffer)
{
    ASSERT_TRUE(FindDevice());
    mouse.ClearLog();
    DeviceCommand c = Command(kCmdSelectProfile, 0x01);
    c.Checksum = 0x55;
    SendCommand(c);

    const auto log = mouse.Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Kind, EmulatedLogKind::FeatureSet);
    EXPECT_EQ(log[0].Bytes, Bytes({0x00, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFC}));
    EXPECT_EQ(c.Checksum, 0x55);
    EXPECT_TRUE(clock.Pauses().empty());
}

TEST_F(SendCommandTest, AReadCommandReplyOverwritesAllEightBytes)
{
    ASSERT_TRUE(FindDevice());
    mouse.SetFirmwareVersion(0x04, 0x21);
    DeviceCommand c{kCmdReadFirmwareVersion, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
    SendCommand(c);
    const uint8_t replySum = 0x80 + 0x04 + 0x21;
    EXPECT_EQ(std::vector<uint8_t>(CommandBytes(c).begin(), CommandBytes(c).end()),
              Bytes({0x80, 0x04, 0x21, 0, 0, 0, 0, uint8_t(~replySum)}));
    // Report bytes 1 and 2: the echoed code and the first byte of the version.
    EXPECT_EQ(texts.back(), L"Buffer[1]:80,Buffer[2]:04.");
}

TEST_F(SendCommandTest, AReadCommandToAnAbsentMouseLeavesZeros)
{
    DeviceCommand c{kCmdReadCurrentProfile, 1, 2, 3, 4, 5, 6, 7};
    SendCommand(c);
    EXPECT_TRUE(std::all_of(CommandBytes(c).begin(), CommandBytes(c).end(), [](uint8_t b) { return b == 0; }));
    EXPECT_TRUE(mouse.Log().empty());
}

using DataTransferTest = EmulatedLinkTest;

TEST_F(DataTransferTest, AWriteMovesOneChunkPer64BytesWithAPauseAfterEach)
{
    ASSERT_TRUE(FindDevice());
    auto payload = Pattern<kTransferBufferSize>(0x10);
    const std::pair<uint8_t, size_t> cases[] = {{0x80, 2}, {0x40, 1}, {0x00, 0}, {0x41, 2}};
    for (const auto& [length, chunks] : cases) {
        SCOPED_TRACE(int(length));
        mouse.ClearLog();
        clock.ClearPauses();
        DeviceCommand c = Command(kCmdWriteButtonTable, 2, length);
        SendCommandWithData(c, payload);

        const auto written = Logged(EmulatedLogKind::OutputChunk);
        ASSERT_EQ(written.size(), chunks);
        for (size_t k = 0; k < chunks; ++k) {
            ASSERT_EQ(written[k].Bytes.size(), 65u);
            EXPECT_EQ(written[k].Bytes[0], 0);
            EXPECT_TRUE(std::equal(written[k].Bytes.begin() + 1, written[k].Bytes.end(), payload.begin() + 64 * k));
            if (k > 0) {
                EXPECT_EQ(written[k].Tick - written[k - 1].Tick, 100u);
            }
        }
        EXPECT_EQ(clock.Pauses(), std::vector<DWORD>(chunks, 100));
        EXPECT_TRUE(mouse.Errors().empty());
    }
    // The 0x41-byte write is what the mouse stored last.
    const auto stored = mouse.StoredButtonTable(2);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(std::equal(stored->begin(), stored->begin() + 0x41, payload.begin()));
    EXPECT_TRUE(std::all_of(stored->begin() + 0x41, stored->end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(DataTransferTest, AWriteNeverReadsPastThePayload)
{
    ASSERT_TRUE(FindDevice());
    std::array<uint8_t, 100> memory;
    memory.fill(0xAB);
    const std::span<uint8_t> payload(memory.data(), 70);
    std::iota(payload.begin(), payload.end(), uint8_t{1});

    DeviceCommand c = Command(kCmdWriteMacro, 3, kRecordTransferLength);
    SendCommandWithData(c, payload);
    const auto stored = mouse.StoredMacro(3);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(std::equal(payload.begin(), payload.end(), stored->begin()));
    EXPECT_TRUE(std::all_of(stored->begin() + 70, stored->end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(DataTransferTest, AReadTakesTheLengthFromTheReply)
{
    ASSERT_TRUE(FindDevice());
    const auto block = Pattern<kDeviceRecordSize>(0x33);
    mouse.SetStoredProfileBlock(5, block);
    std::array<uint8_t, kTransferBufferSize> transfer{};

    DeviceCommand c = Command(kCmdReadProfileBlock, 5, 0x00);
    SendCommandWithData(c, transfer);
    EXPECT_EQ(c.Arg2, 0x80);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), transfer.begin()));
    EXPECT_TRUE(std::all_of(transfer.begin() + 128, transfer.end(), [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{100, 100}));
    EXPECT_EQ(Logged(EmulatedLogKind::InputChunk).size(), 2u);
    EXPECT_TRUE(mouse.Errors().empty());
}

TEST_F(DataTransferTest, AReplyAnnouncingMoreThanTheBufferHoldsNeverWritesPastIt)
{
    ASSERT_TRUE(FindDevice());
    mouse.SetStoredProfileBlock(1, Pattern<kDeviceRecordSize>(0x01));
    mouse.SetReadBackLength(0xFF);  // four chunks, 256 bytes

    std::array<uint8_t, 200> memory;
    memory.fill(0x5A);
    DeviceCommand c = Command(kCmdReadProfileBlock, 1);
    SendCommandWithData(c, std::span<uint8_t>(memory.data(), 150));

    EXPECT_TRUE(std::all_of(memory.begin() + 150, memory.end(), [](uint8_t b) { return b == 0x5A; }));
    // Every announced chunk is still taken from the mouse and paced.
    EXPECT_EQ(Logged(EmulatedLogKind::InputChunk).size(), 4u);
    EXPECT_EQ(clock.Pauses().size(), 4u);
    EXPECT_TRUE(mouse.Errors().empty());
}

TEST_F(DataTransferTest, ALongerCommandInputReportIsReadOnlyAsFarAsTheChunkBuffer)
{
    EmulatedInterface command = EmulatedMouse::CommandCollection();
    command.InputReportByteLength = 200;
    mouse.SetInterfaces({EmulatedMouse::EventCollection(), command});
    ASSERT_TRUE(FindDevice());
    EXPECT_EQ(g_wCmdInputReportLen, 200);

    std::array<uint8_t, kTransferBufferSize> transfer{};
    DeviceCommand c = Command(kCmdReadProfileBlock, 1);
    SendCommandWithData(c, transfer);
    // The driver refuses a read shorter than the report: what it was asked
    // for shows that the link kept to its 80-byte chunk buffer.
    const auto errors = mouse.Errors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_NE(errors[0].Note.find("(80 bytes)"), std::string::npos) << errors[0].Note;
}
