#pragma once
// An in-process model of the mouse behind the HID seam: its event and
// command collections among a few unrelated HID interfaces, the commands it
// answers and the records it stores, a log of every frame and chunk with the
// clock time, input events on demand, and unplugging and plugging again.
//
// It keeps the driver's rules that the link depends on: access rights of a
// handle, synchronous and overlapped handles, exact report lengths, a queue
// of input reports per open handle, and handles of an unplugged device that
// stay open but dead.

#include "device/hid_backend.h"
#include "model/device_records.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

constexpr USHORT kEmulatedEventReportLength = 8;   // 06 07 code value, then zeros
constexpr USHORT kEmulatedChunkReportLength = 65;  // report id + 64 bytes
constexpr size_t kEmulatedInputQueueLimit = 32;    // reports kept per handle

enum class EmulatedRole {
    OtherDevice,  // another device
    MouseOther,   // a collection of the mouse the program does not use
    EventCollection,
    CommandCollection,
};

struct EmulatedInterface {
    EmulatedRole Role = EmulatedRole::OtherDevice;
    std::wstring Path;
    USHORT VendorID = 0;
    USHORT ProductID = 0;
    USAGE UsagePage = 0;
    USAGE Usage = 0;
    USHORT InputReportByteLength = 0;
    USHORT OutputReportByteLength = 0;
    USHORT FeatureReportByteLength = 0;
    // Faults a test can ask for.
    bool FailEnumeration = false;  // enumerating it fails with ERROR_INVALID_DATA
    bool UnreadablePath = false;   // its detail (the device path) cannot be read
    bool FailProbeOpen = false;    // an open with access 0 fails
    bool FailDataOpen = false;     // an open with read or write access fails
    bool FailPreparsedData = false;
    bool InvalidPreparsedData = false;
};

enum class EmulatedLogKind {
    FeatureSet,   // a command frame received (all its bytes)
    FeatureGet,   // a reply frame handed out
    OutputChunk,  // a data chunk received
    InputChunk,   // a data chunk handed out on the command collection
    InputEvent,   // an input report of the event collection
    Error,        // something the real mouse would ignore or refuse
};

struct EmulatedLogEntry {
    EmulatedLogKind Kind;
    DWORD Tick;  // the clock's tick count
    std::vector<uint8_t> Bytes;
    std::string Note;
};

enum class DeviceChange { Arrival, Removal };
// Called once per interface of the mouse, in enumeration order, on the
// thread that plugs or unplugs it.
using DeviceChangeListener = std::function<void(DeviceChange change, const std::wstring& path)>;

using StoredRecord = std::array<uint8_t, kDeviceRecordSize>;

class EmulatedMouse final : public HidBackend {
public:
    enum class Order { EventFirst, CommandFirst };

    // The mouse between an unrelated keyboard and a device of the same
    // vendor with another product id, its event collection enumerated first.
    EmulatedMouse();
    ~EmulatedMouse() override;
    EmulatedMouse(const EmulatedMouse&) = delete;
    EmulatedMouse& operator=(const EmulatedMouse&) = delete;

    // The standard set of interfaces in the given order of the mouse's two
    // collections; `withMouse` false leaves the mouse out.
    static std::vector<EmulatedInterface> StandardInterfaces(Order order, bool withMouse = true);
    static EmulatedInterface EventCollection();
    static EmulatedInterface CommandCollection();
    static EmulatedInterface OtherDevice(USHORT vendorId, USHORT productId, int serial);

    // Replaces the interfaces (in enumeration order); call it before any
    // handle is opened.
    void SetInterfaces(std::vector<EmulatedInterface> interfaces);
    void SetInterfaceListFails(bool fails);

    // The mouse's state.
    void SetFirmwareVersion(uint8_t major, uint8_t minor);
    void SetCurrentProfile(uint8_t profile);
    uint8_t CurrentProfile() const;
    // The length the read-back reply announces (0x80 unless changed).
    void SetReadBackLength(uint8_t length);
    void SetStoredProfileBlock(uint8_t profile, const StoredRecord& block);

    // What it was sent.
    std::optional<uint8_t> StoredFunctionOption() const;
    std::optional<uint8_t> StoredReportRate(uint8_t profile) const;
    std::optional<StoredRecord> StoredProfileBlock(uint8_t profile) const;
    std::optional<StoredRecord> StoredButtonTable(uint8_t profile) const;
    std::optional<StoredRecord> StoredMacro(uint8_t number) const;

    std::vector<EmulatedLogEntry> Log() const;
    std::vector<EmulatedLogEntry> Errors() const;
    void ClearLog();

    // Input reports of the event collection, to every open reading handle.
    void ReportEvent(uint8_t code, uint8_t value);
    void ReportInput(std::span<const uint8_t> report);

    // Unplugging removes the mouse's interfaces; its open handles stay open
    // but dead and their pending reads fail. Plugging in brings the
    // interfaces back for new handles only.
    void Unplug();
    void Plug();
    bool IsPlugged() const;
    void SetDeviceChangeListener(DeviceChangeListener listener);

    size_t OpenHandleCount() const;
    size_t PendingReadCount() const;

    // HidBackend
    std::unique_ptr<HidInterfaceList> GetPresentInterfaces() override;
    HANDLE Open(const std::wstring& path, DWORD access, DWORD flags) override;
    BOOL Close(HANDLE handle) override;
    BOOL GetAttributes(HANDLE handle, HIDD_ATTRIBUTES& attributes) override;
    std::unique_ptr<HidPreparsedData> GetPreparsedData(HANDLE handle) override;
    BOOL SetFeature(HANDLE handle, void* report, ULONG length) override;
    BOOL GetFeature(HANDLE handle, void* report, ULONG length) override;
    BOOL Write(HANDLE handle, const void* report, DWORD length, DWORD* written) override;
    BOOL Read(HANDLE handle, void* report, DWORD length, DWORD* read) override;
    BOOL ReadOverlapped(HANDLE handle, void* report, DWORD length, OVERLAPPED* overlapped) override;
    BOOL GetOverlappedResult(HANDLE handle, OVERLAPPED* overlapped, DWORD* transferred, BOOL wait) override;
    BOOL CancelIo(HANDLE handle) override;

private:
    struct PendingRead {
        uint8_t* Buffer;
        DWORD Length;
        OVERLAPPED* Overlapped;
    };
    struct OpenHandle {
        EmulatedInterface Interface;
        bool Mouse;           // belongs to the mouse (dies when unplugged)
        unsigned Generation;  // the mouse's plug generation at open
        DWORD Access;
        DWORD Flags;
        std::deque<std::vector<uint8_t>> Input;  // queued input reports
        std::deque<PendingRead> Pending;
    };
    // A data write in progress: the frame's target and the chunks so far.
    struct DataWrite {
        uint8_t Code;
        uint8_t Target;
        uint8_t Length;
        size_t ChunksExpected;
        std::vector<uint8_t> Payload;
    };

    OpenHandle* Find(HANDLE handle);
    bool Alive(const OpenHandle& open) const;
    // The handle for an operation, or nullptr with the last error set.
    OpenHandle* Usable(HANDLE handle, DWORD neededAccess, const char* operation);
    bool InputFits(const OpenHandle& open, DWORD length);
    void AddLog(EmulatedLogKind kind, std::span<const uint8_t> bytes, std::string note);
    void LogError(std::string note, std::span<const uint8_t> bytes = {});
    void HandleCommand(std::span<const uint8_t, 7> command);
    void FinishDataWrite();
    void SetReply(std::array<uint8_t, 8> reply);
    // Hands `report` to every live reading handle of collections of `role`.
    void DeliverInput(EmulatedRole role, const std::vector<uint8_t>& report);
    static void Complete(PendingRead& read, NTSTATUS status, std::span<const uint8_t> report);
    void FailPendingReads(OpenHandle& open, NTSTATUS status);
    void NotifyMouseInterfaces(DeviceChange change);

    mutable std::mutex m_mutex;
    std::vector<EmulatedInterface> m_interfaces;
    bool m_listFails = false;
    bool m_plugged = true;
    unsigned m_generation = 0;
    DeviceChangeListener m_listener;
    std::map<HANDLE, OpenHandle> m_handles;

    std::array<uint8_t, 2> m_firmware{0x01, 0x03};
    uint8_t m_currentProfile = 1;
    uint8_t m_readBackLength = kRecordTransferLength;
    std::optional<std::array<uint8_t, 8>> m_reply;
    std::optional<DataWrite> m_dataWrite;

    std::optional<uint8_t> m_functionOption;
    std::map<uint8_t, uint8_t> m_reportRates;
    std::map<uint8_t, StoredRecord> m_profileBlocks;
    std::map<uint8_t, StoredRecord> m_buttonTables;
    std::map<uint8_t, StoredRecord> m_macros;

    std::vector<EmulatedLogEntry> m_log;
};
