#include "device/hid_link.h"

#include "classlib/debug_output.h"
#include "device/clock.h"
#include "device/hid_backend.h"

#include <algorithm>
#include <cstring>

HANDLE g_hDevCmd = INVALID_HANDLE_VALUE;
std::atomic<HANDLE> g_hDevRead{INVALID_HANDLE_VALUE};
OVERLAPPED g_ovRead{};
std::atomic<BOOL> g_bDeviceOpen{0};
USHORT g_wFeatureReportLen = 0;
USHORT g_wCmdInputReportLen = 0;
USHORT g_wInputReportLen = 0;
CString g_strDevicePath;

namespace {

SRWLOCK g_readHandleLock = SRWLOCK_INIT;

}  // namespace

ReadHandleLock::ReadHandleLock(Mode mode) : m_mode(mode)
{
    if (m_mode == Shared)
        AcquireSRWLockShared(&g_readHandleLock);
    else
        AcquireSRWLockExclusive(&g_readHandleLock);
}

ReadHandleLock::~ReadHandleLock()
{
    if (m_mode == Shared)
        ReleaseSRWLockShared(&g_readHandleLock);
    else
        ReleaseSRWLockExclusive(&g_readHandleLock);
}

namespace {

// The event handle of a new connection takes the place of the old one. A read
// still pending on the old handle is cancelled before it is closed, so the
// read thread wakes up instead of waiting on a dead handle.
void ReplaceEventHandle(HANDLE handle)
{
    const ReadHandleLock lock(ReadHandleLock::Exclusive);
    const HANDLE old = g_hDevRead.exchange(handle);
    if (IsDeviceHandleValid(old) && old != handle) {
        Hid().CancelIo(old);
        Hid().Close(old);
    }
}

void ReplaceCommandHandle(HANDLE handle)
{
    const HANDLE old = g_hDevCmd;
    g_hDevCmd = handle;
    if (IsDeviceHandleValid(old) && old != handle)
        Hid().Close(old);
}

ULONG FeatureLength()
{
    return std::min<ULONG>(g_wFeatureReportLen, kFrameBufferSize);
}

void SendFrame(const DeviceCommand& command)
{
    CommandFrame frame = BuildCommandFrame(command);
    Hid().SetFeature(g_hDevCmd, frame.data(), FeatureLength());
}

// Fetches the reply of a read command and copies report bytes 1..8 over the
// command; returns the reply report.
CommandFrame FetchReply(DeviceCommand& command)
{
    CommandFrame frame{};
    Hid().GetFeature(g_hDevCmd, frame.data(), FeatureLength());
    std::memcpy(CommandBytes(command).data(), frame.data() + 1, sizeof(DeviceCommand));
    return frame;
}

}  // namespace

uint8_t CommandChecksum(const DeviceCommand& command)
{
    uint8_t sum = 0;
    for (uint8_t b : CommandBytes(command).first<7>())
        sum = static_cast<uint8_t>(sum + b);
    return static_cast<uint8_t>(~sum);
}

CommandFrame BuildCommandFrame(const DeviceCommand& command)
{
    CommandFrame frame{};
    frame[0] = 0;
    std::copy_n(CommandBytes(command).begin(), 7, frame.begin() + 1);
    frame[8] = CommandChecksum(command);
    return frame;
}

BOOL FindDevice()
{
    HidBackend& hid = Hid();
    const std::unique_ptr<HidInterfaceList> interfaces = hid.GetPresentInterfaces();
    if (!interfaces)
        return FALSE;

    bool lastIndex = false;
    for (DWORD index = 0; !lastIndex; ++index) {
        DWORD error = 0;
        if (!interfaces->Enumerate(index, error)) {
            if (error == ERROR_NO_MORE_ITEMS)
                return FALSE;
            // Any other failure: this index is still handled, then the search ends.
            lastIndex = true;
        }

        // An interface whose path cannot be read or that cannot be opened
        // (a device that Windows opens only for administrators, such as a
        // security key) is not the mouse's: the search goes on past it.
        const std::optional<std::wstring> path = interfaces->DevicePath();
        if (!path)
            continue;
        g_strDevicePath = *path;

        HidHandle probe(hid.Open(*path, 0, 0));
        if (!probe.valid())
            continue;

        HIDD_ATTRIBUTES attributes{};
        hid.GetAttributes(probe.get(), attributes);
        if (attributes.VendorID != kMouseVendorId || attributes.ProductID != kMouseProductId)
            continue;

        DebugTrace(L"Find our hid device.Success\n");
        std::unique_ptr<HidPreparsedData> preparsed = hid.GetPreparsedData(probe.get());
        if (!preparsed) {
            DebugTrace(L"HidD_GetPreparsedData failed.\n");
            return FALSE;
        }
        probe.reset();

        HIDP_CAPS caps{};
        const NTSTATUS status = preparsed->GetCaps(caps);
        preparsed.reset();
        if (status == HIDP_STATUS_INVALID_PREPARSED_DATA) {
            DebugTrace(L"HidP_GetCaps failed.");
            return FALSE;
        }
        DebugTrace(
            L"DevicePath:%s,\nUsage:0x%04x\nUsagePage:0x%04x\nFeatureReportByteLength:0x%04x\n"
            L"InputReportByteLength:0x%x\nOutputReportByteLength:0x%x\n",
            path->c_str(), caps.Usage, caps.UsagePage, caps.FeatureReportByteLength, caps.InputReportByteLength,
            caps.OutputReportByteLength);

        if (caps.Usage == kEventUsage && caps.UsagePage == kEventUsagePage && caps.InputReportByteLength != 0) {
            HidHandle events(hid.Open(*path, GENERIC_READ, FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL));
            if (!events.valid())
                return FALSE;
            ReplaceEventHandle(events.release());
            // Wakes the read thread that waits for the device.
            if (g_ovRead.hEvent)
                SetEvent(g_ovRead.hEvent);
            g_wInputReportLen = caps.InputReportByteLength;
            continue;
        }

        if (caps.Usage == kCommandUsage && caps.UsagePage == kCommandUsagePage &&
            caps.FeatureReportByteLength == kCommandFeatureLength) {
            HidHandle command(hid.Open(*path, GENERIC_READ | GENERIC_WRITE, 0));
            if (!command.valid())
                return FALSE;
            ReplaceCommandHandle(command.release());
            g_wCmdInputReportLen = caps.InputReportByteLength;
            g_bDeviceOpen = 1;
            g_wFeatureReportLen = kCommandFeatureLength;
            return TRUE;
        }
    }
    return FALSE;
}

void SendCommand(DeviceCommand& command)
{
    SendFrame(command);
    if (!IsReadCommand(command))
        return;
    const CommandFrame reply = FetchReply(command);
    DebugTrace(L"Buffer[1]:%02x,Buffer[2]:%02x.", reply[1], reply[2]);
}

void SendCommandWithData(DeviceCommand& command, std::span<uint8_t> payload)
{
    SendFrame(command);
    HidBackend& hid = Hid();

    if (!IsReadCommand(command)) {
        const size_t chunks = ChunkCount(command.Arg2);
        for (size_t c = 0; c < chunks; ++c) {
            std::array<uint8_t, kChunkBufferSize> chunk{};
            const size_t from = c * kChunkPayloadSize;
            if (from < payload.size())
                std::copy_n(payload.begin() + from, std::min(kChunkPayloadSize, payload.size() - from),
                            chunk.begin() + 1);
            DWORD written = 0;
            hid.Write(g_hDevCmd, chunk.data(), kChunkReportLength, &written);
            ClockSleep(kChunkPauseMs);
        }
        return;
    }

    FetchReply(command);
    const size_t chunks = ChunkCount(command.Arg2);
    // An input report longer than the chunk buffer is read only as far as
    // the buffer goes.
    const DWORD readLength = std::min<DWORD>(g_wCmdInputReportLen, kChunkBufferSize);
    for (size_t c = 0; c < chunks; ++c) {
        std::array<uint8_t, kChunkBufferSize> chunk{};
        DWORD read = 0;
        hid.Read(g_hDevCmd, chunk.data(), readLength, &read);
        // Every announced chunk is read from the mouse, but only what the
        // caller's buffer holds is kept.
        const size_t to = c * kChunkPayloadSize;
        if (to < payload.size())
            std::copy_n(chunk.begin() + 1, std::min(kChunkPayloadSize, payload.size() - to), payload.begin() + to);
        ClockSleep(kChunkPauseMs);
    }
}

void CloseDeviceHandles()
{
    ReplaceEventHandle(INVALID_HANDLE_VALUE);
    ReplaceCommandHandle(INVALID_HANDLE_VALUE);
    g_bDeviceOpen = 0;
}
