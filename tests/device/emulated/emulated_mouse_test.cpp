// The emulated mouse stands in for the driver in every device test, so the
// driver rules the link and the read thread rely on are checked here.

#include "device/emulated_link.h"

#include <algorithm>
#include <thread>

namespace {

class EmulatedMouseTest : public EmulatedLinkTest {
protected:
    HANDLE OpenEvents()
    {
        return mouse.Open(EmulatedMouse::EventCollection().Path, GENERIC_READ,
                          FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL);
    }
    HANDLE OpenCommands()
    {
        return mouse.Open(EmulatedMouse::CommandCollection().Path, GENERIC_READ | GENERIC_WRITE, 0);
    }
    void SendFrame(HANDLE handle, DeviceCommand command, bool corrupt = false)
    {
        CommandFrame frame = BuildCommandFrame(command);
        if (corrupt)
            frame[8] ^= 0x01;
        mouse.SetFeature(handle, frame.data(), 9);
    }
};

}  // namespace

TEST_F(EmulatedMouseTest, APendingReadCompletesWhenTheMouseReportsAnEvent)
{
    const HANDLE events = OpenEvents();
    TestEvent done;
    OVERLAPPED ov{};
    ov.hEvent = done.get();
    std::array<uint8_t, 40> buffer{};
    DWORD read = 0;
    BOOL result = FALSE;
    DWORD error = 0;

    // A reader blocked in the wait is woken by the report, as on the driver.
    std::thread reader([&] {
        mouse.ReadOverlapped(events, buffer.data(), kEmulatedEventReportLength, &ov);
        result = mouse.GetOverlappedResult(events, &ov, &read, TRUE);
        error = GetLastError();
    });
    while (mouse.PendingReadCount() == 0)
        std::this_thread::yield();
    mouse.ReportEvent(0x01, 0x04);
    reader.join();

    EXPECT_TRUE(result) << error;
    EXPECT_EQ(read, kEmulatedEventReportLength);
    EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 9), Bytes({6, 7, 1, 4, 0, 0, 0, 0, 0}));
    mouse.Close(events);
}

TEST_F(EmulatedMouseTest, CancelAndUnplugWakeAWaitingReader)
{
    struct Case {
        const char* name;
        void (*wake)(EmulatedMouse& mouse, HANDLE events);
        DWORD error;
    };
    const Case cases[] = {
        {"cancel", [](EmulatedMouse& m, HANDLE h) { m.CancelIo(h); }, ERROR_OPERATION_ABORTED},
        {"close", [](EmulatedMouse& m, HANDLE h) { m.Close(h); }, ERROR_OPERATION_ABORTED},
        {"unplug", [](EmulatedMouse& m, HANDLE) { m.Unplug(); }, ERROR_DEVICE_NOT_CONNECTED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mouse.Plug();
        const HANDLE events = OpenEvents();
        TestEvent done;
        OVERLAPPED ov{};
        ov.hEvent = done.get();
        std::array<uint8_t, 40> buffer{};
        BOOL result = TRUE;
        DWORD error = 0;
        std::thread reader([&] {
            DWORD read = 0;
            mouse.ReadOverlapped(events, buffer.data(), kEmulatedEventReportLength, &ov);
            result = mouse.GetOverlappedResult(events, &ov, &read, TRUE);
            error = GetLastError();
        });
        while (mouse.PendingReadCount() == 0)
            std::this_thread::yield();
        c.wake(mouse, events);
        reader.join();
        EXPECT_FALSE(result);
        EXPECT_EQ(error, c.error);
        mouse.Close(events);
        EXPECT_EQ(mouse.OpenHandleCount(), 0u);
    }
}

TEST_F(EmulatedMouseTest, ReportsWaitInOrderForTheNextReadAndTheOldestGiveWay)
{
    const HANDLE events = OpenEvents();
    for (int k = 0; k < int(kEmulatedInputQueueLimit) + 2; ++k)
        mouse.ReportEvent(0x09, static_cast<uint8_t>(k));

    TestEvent done;
    OVERLAPPED ov{};
    ov.hEvent = done.get();
    std::array<uint8_t, 40> buffer{};
    ASSERT_TRUE(mouse.ReadOverlapped(events, buffer.data(), kEmulatedEventReportLength, &ov));
    EXPECT_TRUE(done.IsSet());
    EXPECT_EQ(buffer[3], 2);
    ASSERT_TRUE(mouse.ReadOverlapped(events, buffer.data(), kEmulatedEventReportLength, &ov));
    EXPECT_EQ(buffer[3], 3);
    mouse.Close(events);
}

TEST_F(EmulatedMouseTest, RefusesWhatTheDriverRefuses)
{
    const HANDLE events = OpenEvents();
    const HANDLE probe = mouse.Open(EmulatedMouse::CommandCollection().Path, 0, 0);
    std::array<uint8_t, 80> buffer{};
    DWORD read = 0;
    OVERLAPPED ov{};

    EXPECT_FALSE(mouse.Read(events, buffer.data(), 40, &read));         // synchronous read, overlapped handle
    EXPECT_FALSE(mouse.ReadOverlapped(events, buffer.data(), 4, &ov));  // shorter than the report
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_USER_BUFFER));
    EXPECT_FALSE(mouse.SetFeature(probe, buffer.data(), 9));  // no write access
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_EQ(mouse.Errors().size(), 3u);
    EXPECT_FALSE(mouse.Close(reinterpret_cast<HANDLE>(0x1234)));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    mouse.Close(events);
    mouse.Close(probe);
}

TEST_F(EmulatedMouseTest, ASynchronousReadFillsNoMoreThanItsBuffer)
{
    // A collection that declares shorter input reports than the chunks it is
    // then handed: the read takes what fits and says how much that was.
    EmulatedInterface commandsShort = EmulatedMouse::CommandCollection();
    commandsShort.InputReportByteLength = 33;
    mouse.SetInterfaces({EmulatedMouse::EventCollection(), commandsShort});
    const HANDLE commands = OpenCommands();
    mouse.SetReadBackLength(64);
    SendFrame(commands, DeviceCommand{kCmdReadProfileBlock, 1});

    std::array<uint8_t, 80> buffer{};
    buffer.fill(0xAB);
    DWORD read = 0;
    ASSERT_TRUE(mouse.Read(commands, buffer.data(), 33, &read));
    EXPECT_EQ(read, 33u);
    EXPECT_EQ(std::count(buffer.begin() + 33, buffer.end(), 0xAB), 80 - 33);
    mouse.Close(commands);
}

TEST_F(EmulatedMouseTest, IgnoresAFrameWithABadChecksumAndFlagsBrokenTransfers)
{
    const HANDLE commands = OpenCommands();
    SendFrame(commands, DeviceCommand{kCmdSelectProfile, 3}, true);
    EXPECT_EQ(mouse.CurrentProfile(), 1);
    ASSERT_EQ(mouse.Errors().size(), 1u);
    EXPECT_EQ(mouse.Errors()[0].Note, "bad checksum: frame ignored");

    // A chunk with no data command, then a data command cut short by another frame.
    mouse.ClearLog();
    std::array<uint8_t, 65> chunk{};
    DWORD written = 0;
    mouse.Write(commands, chunk.data(), 65, &written);
    SendFrame(commands, DeviceCommand{kCmdWriteProfileBlock, 1, 0x80});
    mouse.Write(commands, chunk.data(), 65, &written);
    SendFrame(commands, DeviceCommand{kCmdSelectProfile, 2});
    EXPECT_EQ(mouse.Errors().size(), 2u);
    EXPECT_FALSE(mouse.StoredProfileBlock(1));
    EXPECT_EQ(mouse.CurrentProfile(), 2);
    mouse.Close(commands);
}

TEST_F(EmulatedMouseTest, PlugAndUnplugChangeTheInterfacesAndNotify)
{
    std::vector<std::pair<DeviceChange, std::wstring>> changes;
    mouse.SetDeviceChangeListener(
        [&](DeviceChange change, const std::wstring& path) { changes.emplace_back(change, path); });
    const HANDLE commands = OpenCommands();

    const auto present = [this] {
        std::vector<std::wstring> paths;
        auto list = mouse.GetPresentInterfaces();
        DWORD error = 0;
        for (DWORD i = 0; list->Enumerate(i, error); ++i)
            paths.push_back(*list->DevicePath());
        EXPECT_EQ(error, DWORD(ERROR_NO_MORE_ITEMS));
        return paths.size();
    };
    EXPECT_EQ(present(), 6u);

    mouse.Unplug();
    EXPECT_EQ(present(), 3u);
    ASSERT_EQ(changes.size(), 3u);
    for (const auto& [change, path] : changes) {
        EXPECT_EQ(change, DeviceChange::Removal);
        EXPECT_NE(path.find(L"VID_04D9&PID_A10D"), std::wstring::npos);
    }
    DeviceCommand select{kCmdSelectProfile, 5};
    CommandFrame frame = BuildCommandFrame(select);
    EXPECT_FALSE(mouse.SetFeature(commands, frame.data(), 9));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DEVICE_NOT_CONNECTED));

    changes.clear();
    mouse.Plug();
    EXPECT_EQ(present(), 6u);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].first, DeviceChange::Arrival);
    // A handle of the unplugged mouse stays dead; a new one works.
    EXPECT_FALSE(mouse.SetFeature(commands, frame.data(), 9));
    const HANDLE fresh = OpenCommands();
    EXPECT_TRUE(mouse.SetFeature(fresh, frame.data(), 9));
    EXPECT_EQ(mouse.CurrentProfile(), 5);
    mouse.Close(commands);
    mouse.Close(fresh);
    EXPECT_EQ(mouse.OpenHandleCount(), 0u);
}
