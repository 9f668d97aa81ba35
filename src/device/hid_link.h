#pragma once
// The link to the mouse: the search for its two HID collections, and the two
// primitives every device command passes through. The command collection
// takes 9-byte command frames as feature reports and 65-byte data chunks as
// output reports; it answers read commands with a feature report and data
// with input reports. The event collection carries the mouse's own events.
//
// FindDevice, SendCommand and SendCommandWithData run on the user-interface
// thread only; every call goes through the installed HID backend.

#include "classlib/cstring.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr USHORT kMouseVendorId = 0x04D9;
constexpr USHORT kMouseProductId = 0xA10D;
constexpr USHORT kEventUsagePage = 0xFF01;
constexpr USHORT kEventUsage = 0x0001;
constexpr USHORT kCommandUsagePage = 0xFF00;
constexpr USHORT kCommandUsage = 0xFF00;
constexpr USHORT kCommandFeatureLength = 9;

constexpr size_t kChunkPayloadSize = 64;
constexpr DWORD kChunkReportLength = 65;  // report id + 64 payload bytes
constexpr size_t kFrameBufferSize = 16;   // only the first 9 bytes are sent
constexpr size_t kChunkBufferSize = 80;
constexpr DWORD kChunkPauseMs = 100;

// The 8-byte command a caller builds (zeroed, then filled). A code of 0x80
// or more is a read command: the reply overwrites all eight bytes.
struct DeviceCommand {
    uint8_t Code = 0;
    uint8_t Arg1 = 0;  // as a rule the device profile number
    uint8_t Arg2 = 0;  // for data transfers the payload length
    uint8_t Arg3 = 0;
    uint8_t Arg4 = 0;
    uint8_t Arg5 = 0;
    uint8_t Arg6 = 0;
    uint8_t Checksum = 0;  // ignored on input
};
static_assert(sizeof(DeviceCommand) == 8);

inline std::span<uint8_t, 8> CommandBytes(DeviceCommand& command)
{
    return std::span<uint8_t, 8>(reinterpret_cast<uint8_t*>(&command), 8);
}
inline std::span<const uint8_t, 8> CommandBytes(const DeviceCommand& command)
{
    return std::span<const uint8_t, 8>(reinterpret_cast<const uint8_t*>(&command), 8);
}

inline bool IsReadCommand(const DeviceCommand& command)
{
    return command.Code >= 0x80;
}

// Bitwise NOT of the 8-bit sum of command bytes 0..6.
uint8_t CommandChecksum(const DeviceCommand& command);

// The command frame in its buffer: report id 0, command bytes 0..6, checksum.
using CommandFrame = std::array<uint8_t, kFrameBufferSize>;
CommandFrame BuildCommandFrame(const DeviceCommand& command);

// Number of 64-byte chunks that carry `length` payload bytes.
constexpr size_t ChunkCount(uint8_t length)
{
    return length / kChunkPayloadSize + (length % kChunkPayloadSize != 0 ? 1 : 0);
}

// ---------------------------------------------------------------------------
// Shared link state.

// The command collection, opened for reading and writing, synchronous.
extern HANDLE g_hDevCmd;
// The event collection, opened for reading with overlapped I/O. Read by the
// read thread while the user-interface thread may replace it.
extern std::atomic<HANDLE> g_hDevRead;

// The system reuses the value of a closed handle at once, so g_hDevRead must
// not be closed between the read thread loading it and starting a read on
// it. The read thread holds this lock shared over that span; whoever
// exchanges, cancels and closes the handle holds it exclusive.
class ReadHandleLock {
public:
    enum Mode { Shared, Exclusive };
    explicit ReadHandleLock(Mode mode);
    ~ReadHandleLock();
    ReadHandleLock(const ReadHandleLock&) = delete;
    ReadHandleLock& operator=(const ReadHandleLock&) = delete;

private:
    Mode m_mode;
};
// The overlapped block of the event reads; the main window creates its
// manual-reset event at start-up.
extern OVERLAPPED g_ovRead;
// 1 while the mouse is present and open, else 0; polled by the read thread.
extern std::atomic<BOOL> g_bDeviceOpen;
extern USHORT g_wFeatureReportLen;
extern USHORT g_wCmdInputReportLen;
extern USHORT g_wInputReportLen;
// The device interface path last examined by a search.
extern CString g_strDevicePath;

inline bool IsDeviceHandleValid(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// Looks for the mouse among the present HID interfaces. Opens the event
// collection when it comes first, and returns TRUE once the command
// collection is open. An interface whose path cannot be read or that cannot
// be opened at all is skipped. FALSE when the interfaces cannot be listed or
// enumerated, or when a collection with the mouse's ids then fails (its
// preparsed data, its capabilities, or its opening for reading or writing).
// A handle of an earlier connection is closed when a new one replaces it; a
// pending read on the old event handle is cancelled first.
BOOL FindDevice();

// Sends one command frame; for a read command fetches the reply over `command`.
void SendCommand(DeviceCommand& command);

// Sends one command frame, then moves the payload in 64-byte chunks with a
// 100 ms pause after each: to the mouse for a write command (Arg2 bytes),
// from it for a read command (as many as the reply's Arg2 announces). Never
// reads or writes past the end of `payload`.
void SendCommandWithData(DeviceCommand& command, std::span<uint8_t> payload);

// Closes both device handles (cancelling a pending event read) and marks the
// link closed; for the main window when it is destroyed.
void CloseDeviceHandles();
