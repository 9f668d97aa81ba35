#include "device/emulated/emulated_mouse.h"

#include "device/clock.h"
#include "device/hid_link.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

constexpr NTSTATUS kStatusSuccess = 0;
constexpr NTSTATUS kStatusPending = 0x103;
constexpr NTSTATUS kStatusCancelled = static_cast<NTSTATUS>(0xC0000120);
constexpr NTSTATUS kStatusDeviceNotConnected = static_cast<NTSTATUS>(0xC000009D);

constexpr USHORT kMouseVersion = 0x0103;
// What a read-back hands out beyond the 128 bytes of the stored block.
constexpr uint8_t kReadBackFiller = 0xEE;

constexpr wchar_t kHidClassSuffix[] = L"#{4d1e55b2-f16f-11cf-88cb-001111000030}";

// Handle values are unique across every emulated mouse of the process, so a
// handle left over from another instance is never taken for one of ours.
std::atomic<uintptr_t> g_nextHandleValue{0x7E110000};

// Checksum and chunk count are computed here, not taken from the link, to check its arithmetic.
uint8_t FrameChecksum(std::span<const uint8_t> bytes)
{
    uint8_t sum = 0;
    for (uint8_t b : bytes)
        sum = static_cast<uint8_t>(sum + b);
    return static_cast<uint8_t>(~sum);
}

size_t ChunksFor(uint8_t length)
{
    return (length + kChunkPayloadSize - 1) / kChunkPayloadSize;
}

std::wstring MousePath(const wchar_t* collection)
{
    return std::wstring(L"\\\\?\\HID#VID_04D9&PID_A10D&") + collection + kHidClassSuffix;
}

class EmulatedInterfaceList final : public HidInterfaceList {
public:
    explicit EmulatedInterfaceList(std::vector<EmulatedInterface> interfaces) : m_interfaces(std::move(interfaces)) {}

    bool Enumerate(DWORD index, DWORD& error) override
    {
        if (index >= m_interfaces.size()) {
            error = ERROR_NO_MORE_ITEMS;
            return false;
        }
        if (m_interfaces[index].FailEnumeration) {
            error = ERROR_INVALID_DATA;
            return false;
        }
        m_current = index;
        return true;
    }

    // Like SetupAPI, the interface enumerated last.
    std::optional<std::wstring> DevicePath() override
    {
        if (!m_current || m_interfaces[*m_current].UnreadablePath)
            return std::nullopt;
        return m_interfaces[*m_current].Path;
    }

private:
    std::vector<EmulatedInterface> m_interfaces;
    std::optional<size_t> m_current;
};

class EmulatedPreparsedData final : public HidPreparsedData {
public:
    EmulatedPreparsedData(const EmulatedInterface& collection, bool invalid)
        : m_collection(collection), m_invalid(invalid)
    {}

    NTSTATUS GetCaps(HIDP_CAPS& caps) override
    {
        if (m_invalid)
            return HIDP_STATUS_INVALID_PREPARSED_DATA;
        caps = HIDP_CAPS{};
        caps.Usage = m_collection.Usage;
        caps.UsagePage = m_collection.UsagePage;
        caps.InputReportByteLength = m_collection.InputReportByteLength;
        caps.OutputReportByteLength = m_collection.OutputReportByteLength;
        caps.FeatureReportByteLength = m_collection.FeatureReportByteLength;
        return HIDP_STATUS_SUCCESS;
    }

private:
    EmulatedInterface m_collection;
    bool m_invalid;
};

}  // namespace

// ---------------------------------------------------------------------------
// Interfaces

EmulatedInterface EmulatedMouse::EventCollection()
{
    EmulatedInterface i;
    i.Role = EmulatedRole::EventCollection;
    i.Path = MousePath(L"MI_01&Col01#8&2f1c0a3b&0&0000");
    i.VendorID = kMouseVendorId;
    i.ProductID = kMouseProductId;
    i.UsagePage = 0xFF01;
    i.Usage = 0x0001;
    i.InputReportByteLength = kEmulatedEventReportLength;
    return i;
}

EmulatedInterface EmulatedMouse::CommandCollection()
{
    EmulatedInterface i;
    i.Role = EmulatedRole::CommandCollection;
    i.Path = MousePath(L"MI_01&Col02#8&2f1c0a3b&0&0001");
    i.VendorID = kMouseVendorId;
    i.ProductID = kMouseProductId;
    i.UsagePage = 0xFF00;
    i.Usage = 0xFF00;
    i.InputReportByteLength = kEmulatedChunkReportLength;
    i.OutputReportByteLength = kEmulatedChunkReportLength;
    i.FeatureReportByteLength = 9;
    return i;
}

EmulatedInterface EmulatedMouse::OtherDevice(USHORT vendorId, USHORT productId, int serial)
{
    wchar_t path[160];
    swprintf(path, 160, L"\\\\?\\HID#VID_%04X&PID_%04X#7&%08x&0&0000%ls", vendorId, productId,
             0x3a000000u + static_cast<unsigned>(serial), kHidClassSuffix);
    EmulatedInterface i;
    i.Role = EmulatedRole::OtherDevice;
    i.Path = path;
    i.VendorID = vendorId;
    i.ProductID = productId;
    i.UsagePage = 0x0001;
    i.Usage = 0x0006;
    i.InputReportByteLength = 9;
    i.OutputReportByteLength = 2;
    return i;
}

std::vector<EmulatedInterface> EmulatedMouse::StandardInterfaces(Order order, bool withMouse)
{
    // Same vendor, another product, with a collection that looks like the
    // command collection: only the ids tell them apart.
    EmulatedInterface lookalike = OtherDevice(kMouseVendorId, 0x1702, 1);
    lookalike.UsagePage = 0xFF00;
    lookalike.Usage = 0xFF00;
    lookalike.InputReportByteLength = kEmulatedChunkReportLength;
    lookalike.OutputReportByteLength = kEmulatedChunkReportLength;
    lookalike.FeatureReportByteLength = 9;

    EmulatedInterface pointer;
    pointer.Role = EmulatedRole::MouseOther;
    pointer.Path = MousePath(L"MI_00#8&11d4e5f6&0&0000");
    pointer.VendorID = kMouseVendorId;
    pointer.ProductID = kMouseProductId;
    pointer.UsagePage = 0x0001;
    pointer.Usage = 0x0002;
    pointer.InputReportByteLength = 8;

    std::vector<EmulatedInterface> list{lookalike, OtherDevice(0x1234, 0x0001, 2)};
    if (withMouse) {
        list.push_back(pointer);
        if (order == Order::EventFirst) {
            list.push_back(EventCollection());
            list.push_back(CommandCollection());
        } else {
            list.push_back(CommandCollection());
            list.push_back(EventCollection());
        }
    }
    list.push_back(OtherDevice(0x5678, 0x0010, 3));
    return list;
}

EmulatedMouse::EmulatedMouse() : m_interfaces(StandardInterfaces(Order::EventFirst)) {}

EmulatedMouse::~EmulatedMouse() = default;

void EmulatedMouse::SetInterfaces(std::vector<EmulatedInterface> interfaces)
{
    std::lock_guard lock(m_mutex);
    m_interfaces = std::move(interfaces);
}

void EmulatedMouse::SetInterfaceListFails(bool fails)
{
    std::lock_guard lock(m_mutex);
    m_listFails = fails;
}

// ---------------------------------------------------------------------------
// State

void EmulatedMouse::SetFirmwareVersion(uint8_t major, uint8_t minor)
{
    std::lock_guard lock(m_mutex);
    m_firmware = {major, minor};
}

void EmulatedMouse::SetCurrentProfile(uint8_t profile)
{
    std::lock_guard lock(m_mutex);
    m_currentProfile = profile;
}

uint8_t EmulatedMouse::CurrentProfile() const
{
    std::lock_guard lock(m_mutex);
    return m_currentProfile;
}

void EmulatedMouse::SetReadBackLength(uint8_t length)
{
    std::lock_guard lock(m_mutex);
    m_readBackLength = length;
}

void EmulatedMouse::SetStoredProfileBlock(uint8_t profile, const StoredRecord& block)
{
    std::lock_guard lock(m_mutex);
    m_profileBlocks[profile] = block;
}

std::optional<uint8_t> EmulatedMouse::StoredFunctionOption() const
{
    std::lock_guard lock(m_mutex);
    return m_functionOption;
}

namespace {
template <typename Map, typename Key> auto Lookup(const Map& map, Key key) -> std::optional<typename Map::mapped_type>
{
    const auto it = map.find(key);
    if (it == map.end())
        return std::nullopt;
    return it->second;
}
}  // namespace

std::optional<uint8_t> EmulatedMouse::StoredReportRate(uint8_t profile) const
{
    std::lock_guard lock(m_mutex);
    return Lookup(m_reportRates, profile);
}

std::optional<StoredRecord> EmulatedMouse::StoredProfileBlock(uint8_t profile) const
{
    std::lock_guard lock(m_mutex);
    return Lookup(m_profileBlocks, profile);
}

std::optional<StoredRecord> EmulatedMouse::StoredButtonTable(uint8_t profile) const
{
    std::lock_guard lock(m_mutex);
    return Lookup(m_buttonTables, profile);
}

std::optional<StoredRecord> EmulatedMouse::StoredMacro(uint8_t number) const
{
    std::lock_guard lock(m_mutex);
    return Lookup(m_macros, number);
}

std::vector<EmulatedLogEntry> EmulatedMouse::Log() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

std::vector<EmulatedLogEntry> EmulatedMouse::Errors() const
{
    std::lock_guard lock(m_mutex);
    std::vector<EmulatedLogEntry> errors;
    std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(errors),
                 [](const EmulatedLogEntry& e) { return e.Kind == EmulatedLogKind::Error; });
    return errors;
}

void EmulatedMouse::ClearLog()
{
    std::lock_guard lock(m_mutex);
    m_log.clear();
}

void EmulatedMouse::AddLog(EmulatedLogKind kind, std::span<const uint8_t> bytes, std::string note)
{
    m_log.push_back(EmulatedLogEntry{kind, ClockTickCount(), {bytes.begin(), bytes.end()}, std::move(note)});
}

void EmulatedMouse::LogError(std::string note, std::span<const uint8_t> bytes)
{
    AddLog(EmulatedLogKind::Error, bytes, std::move(note));
}

size_t EmulatedMouse::OpenHandleCount() const
{
    std::lock_guard lock(m_mutex);
    return m_handles.size();
}

size_t EmulatedMouse::PendingReadCount() const
{
    std::lock_guard lock(m_mutex);
    size_t count = 0;
    for (const auto& [handle, open] : m_handles)
        count += open.Pending.size();
    return count;
}

// ---------------------------------------------------------------------------
// Plugging

bool EmulatedMouse::IsPlugged() const
{
    std::lock_guard lock(m_mutex);
    return m_plugged;
}

void EmulatedMouse::SetDeviceChangeListener(DeviceChangeListener listener)
{
    std::lock_guard lock(m_mutex);
    m_listener = std::move(listener);
}

void EmulatedMouse::Unplug()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged)
            return;
        for (auto& [handle, open] : m_handles) {
            if (open.Mouse && Alive(open)) {
                FailPendingReads(open, kStatusDeviceNotConnected);
                open.Input.clear();
            }
        }
        m_plugged = false;
        m_reply.reset();
        m_dataWrite.reset();
    }
    NotifyMouseInterfaces(DeviceChange::Removal);
}

void EmulatedMouse::Plug()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_plugged)
            return;
        m_plugged = true;
        ++m_generation;
    }
    NotifyMouseInterfaces(DeviceChange::Arrival);
}

void EmulatedMouse::NotifyMouseInterfaces(DeviceChange change)
{
    DeviceChangeListener listener;
    std::vector<std::wstring> paths;
    {
        std::lock_guard lock(m_mutex);
        listener = m_listener;
        for (const EmulatedInterface& i : m_interfaces)
            if (i.Role != EmulatedRole::OtherDevice)
                paths.push_back(i.Path);
    }
    if (!listener)
        return;
    for (const std::wstring& path : paths)
        listener(change, path);
}

// ---------------------------------------------------------------------------
// Handles

EmulatedMouse::OpenHandle* EmulatedMouse::Find(HANDLE handle)
{
    const auto it = m_handles.find(handle);
    return it == m_handles.end() ? nullptr : &it->second;
}

bool EmulatedMouse::Alive(const OpenHandle& open) const
{
    return !open.Mouse || (m_plugged && open.Generation == m_generation);
}

EmulatedMouse::OpenHandle* EmulatedMouse::Usable(HANDLE handle, DWORD neededAccess, const char* operation)
{
    OpenHandle* open = Find(handle);
    if (!open) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!Alive(*open)) {
        SetLastError(ERROR_DEVICE_NOT_CONNECTED);
        return nullptr;
    }
    if ((open->Access & neededAccess) != neededAccess) {
        LogError(std::string(operation) + " on a handle without the access it needs");
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return open;
}

std::unique_ptr<HidInterfaceList> EmulatedMouse::GetPresentInterfaces()
{
    std::lock_guard lock(m_mutex);
    if (m_listFails) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<EmulatedInterface> present;
    for (const EmulatedInterface& i : m_interfaces)
        if (i.Role == EmulatedRole::OtherDevice || m_plugged)
            present.push_back(i);
    return std::make_unique<EmulatedInterfaceList>(std::move(present));
}

HANDLE EmulatedMouse::Open(const std::wstring& path, DWORD access, DWORD flags)
{
    std::lock_guard lock(m_mutex);
    const auto it = std::find_if(m_interfaces.begin(), m_interfaces.end(), [&](const EmulatedInterface& i) {
        return _wcsicmp(i.Path.c_str(), path.c_str()) == 0 && (i.Role == EmulatedRole::OtherDevice || m_plugged);
    });
    if (it == m_interfaces.end()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if ((access == 0 && it->FailProbeOpen) || (access != 0 && it->FailDataOpen)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle = reinterpret_cast<HANDLE>(g_nextHandleValue.fetch_add(4));
    m_handles.emplace(handle,
                      OpenHandle{*it, it->Role != EmulatedRole::OtherDevice, m_generation, access, flags, {}, {}});
    return handle;
}

BOOL EmulatedMouse::Close(HANDLE handle)
{
    std::lock_guard lock(m_mutex);
    OpenHandle* open = Find(handle);
    if (!open) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    FailPendingReads(*open, kStatusCancelled);
    m_handles.erase(handle);
    return TRUE;
}

BOOL EmulatedMouse::GetAttributes(HANDLE handle, HIDD_ATTRIBUTES& attributes)
{
    std::lock_guard lock(m_mutex);
    const OpenHandle* open = Usable(handle, 0, "HidD_GetAttributes");
    if (!open)
        return FALSE;
    attributes.Size = sizeof(attributes);
    attributes.VendorID = open->Interface.VendorID;
    attributes.ProductID = open->Interface.ProductID;
    attributes.VersionNumber = kMouseVersion;
    return TRUE;
}

std::unique_ptr<HidPreparsedData> EmulatedMouse::GetPreparsedData(HANDLE handle)
{
    std::lock_guard lock(m_mutex);
    const OpenHandle* open = Usable(handle, 0, "HidD_GetPreparsedData");
    if (!open)
        return nullptr;
    if (open->Interface.FailPreparsedData) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return std::make_unique<EmulatedPreparsedData>(open->Interface, open->Interface.InvalidPreparsedData);
}

// ---------------------------------------------------------------------------
// Commands

BOOL EmulatedMouse::SetFeature(HANDLE handle, void* report, ULONG length)
{
    std::lock_guard lock(m_mutex);
    const OpenHandle* open = Usable(handle, GENERIC_WRITE, "HidD_SetFeature");
    if (!open)
        return FALSE;
    const std::span<const uint8_t> frame(static_cast<const uint8_t*>(report), length);
    if (open->Interface.FeatureReportByteLength == 0 || length != open->Interface.FeatureReportByteLength) {
        LogError("feature report of the wrong length", frame);
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    AddLog(EmulatedLogKind::FeatureSet, frame, {});
    if (open->Interface.Role != EmulatedRole::CommandCollection)
        return TRUE;
    if (length < 9 || frame[8] != FrameChecksum(frame.subspan(1, 7))) {
        LogError("bad checksum: frame ignored", frame);
        return TRUE;
    }
    HandleCommand(frame.subspan<1, 7>());
    return TRUE;
}

void EmulatedMouse::SetReply(std::array<uint8_t, 8> reply)
{
    reply[7] = FrameChecksum(std::span<const uint8_t>(reply).first(7));
    m_reply = reply;
}

void EmulatedMouse::HandleCommand(std::span<const uint8_t, 7> command)
{
    if (m_dataWrite) {
        LogError("command frame before the previous data transfer was complete");
        m_dataWrite.reset();
    }
    m_reply.reset();

    const uint8_t code = command[0];
    switch (code) {
    case kCmdSetFunctionOption:
        if (command[1] == kFunctionOptionSelector)
            m_functionOption = command[2];
        else
            LogError("unknown function option selector", command);
        break;
    case kCmdSelectProfile:
        m_currentProfile = command[1];
        break;
    case kCmdSetReportRate:
        m_reportRates[command[1]] = command[2];
        break;
    case kCmdWriteProfileBlock:
    case kCmdWriteButtonTable:
    case kCmdWriteMacro:
        if (code == kCmdWriteMacro && (command[1] < 1 || command[1] > kMacroSlotCount))
            LogError("macro number out of range", command);
        if (ChunksFor(command[2]) > 0)
            m_dataWrite = DataWrite{code, command[1], command[2], ChunksFor(command[2]), {}};
        break;
    case kCmdReadFirmwareVersion:
        SetReply({code, m_firmware[0], m_firmware[1]});
        break;
    case kCmdReadCurrentProfile:
        SetReply({code, m_currentProfile});
        break;
    case kCmdReadProfileBlock: {
        SetReply({code, command[1], m_readBackLength});
        StoredRecord block{};
        if (const auto it = m_profileBlocks.find(command[1]); it != m_profileBlocks.end())
            block = it->second;
        const size_t chunks = ChunksFor(m_readBackLength);
        for (size_t c = 0; c < chunks; ++c) {
            std::vector<uint8_t> report(kEmulatedChunkReportLength, kReadBackFiller);
            report[0] = 0;
            for (size_t k = 0; k < kChunkPayloadSize; ++k) {
                const size_t at = c * kChunkPayloadSize + k;
                if (at < block.size())
                    report[1 + k] = block[at];
            }
            DeliverInput(EmulatedRole::CommandCollection, report);
        }
        break;
    }
    default:
        LogError("unknown command", command);
        break;
    }
}

BOOL EmulatedMouse::GetFeature(HANDLE handle, void* report, ULONG length)
{
    std::lock_guard lock(m_mutex);
    const OpenHandle* open = Usable(handle, GENERIC_READ, "HidD_GetFeature");
    if (!open)
        return FALSE;
    if (open->Interface.FeatureReportByteLength == 0 || length != open->Interface.FeatureReportByteLength) {
        LogError("feature report requested with the wrong length");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto* bytes = static_cast<uint8_t*>(report);
    std::memset(bytes, 0, length);
    if (open->Interface.Role == EmulatedRole::CommandCollection) {
        if (m_reply)
            std::memcpy(bytes + 1, m_reply->data(), std::min<size_t>(m_reply->size(), length - 1));
        else
            LogError("reply requested with none pending");
        m_reply.reset();
    }
    AddLog(EmulatedLogKind::FeatureGet, std::span<const uint8_t>(bytes, length), {});
    return TRUE;
}

BOOL EmulatedMouse::Write(HANDLE handle, const void* report, DWORD length, DWORD* written)
{
    std::lock_guard lock(m_mutex);
    if (written)
        *written = 0;
    const OpenHandle* open = Usable(handle, GENERIC_WRITE, "WriteFile");
    if (!open)
        return FALSE;
    const std::span<const uint8_t> chunk(static_cast<const uint8_t*>(report), length);
    if (open->Flags & FILE_FLAG_OVERLAPPED) {
        LogError("synchronous write on an overlapped handle");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (open->Interface.OutputReportByteLength == 0 || length != open->Interface.OutputReportByteLength) {
        LogError("output report of the wrong length", chunk);
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    AddLog(EmulatedLogKind::OutputChunk, chunk, {});
    if (open->Interface.Role == EmulatedRole::CommandCollection) {
        if (!m_dataWrite) {
            LogError("data chunk without a data command", chunk);
        } else {
            const auto payload = chunk.subspan(1, std::min<size_t>(kChunkPayloadSize, length - 1));
            m_dataWrite->Payload.insert(m_dataWrite->Payload.end(), payload.begin(), payload.end());
            if (m_dataWrite->Payload.size() >= m_dataWrite->ChunksExpected * kChunkPayloadSize)
                FinishDataWrite();
        }
    }
    if (written)
        *written = length;
    return TRUE;
}

void EmulatedMouse::FinishDataWrite()
{
    const DataWrite& w = *m_dataWrite;
    StoredRecord record{};
    std::copy_n(w.Payload.begin(), std::min<size_t>({w.Length, record.size(), w.Payload.size()}), record.begin());
    switch (w.Code) {
    case kCmdWriteProfileBlock:
        m_profileBlocks[w.Target] = record;
        break;
    case kCmdWriteButtonTable:
        m_buttonTables[w.Target] = record;
        break;
    case kCmdWriteMacro:
        if (w.Target >= 1 && w.Target <= kMacroSlotCount)
            m_macros[w.Target] = record;
        break;
    }
    m_dataWrite.reset();
}

// ---------------------------------------------------------------------------
// Input reports

void EmulatedMouse::Complete(PendingRead& read, NTSTATUS status, std::span<const uint8_t> report)
{
    const size_t n = std::min<size_t>(report.size(), read.Length);
    if (n)
        std::memcpy(read.Buffer, report.data(), n);
    read.Overlapped->InternalHigh = n;
    read.Overlapped->Internal = static_cast<ULONG_PTR>(static_cast<ULONG>(status));
    if (read.Overlapped->hEvent)
        SetEvent(read.Overlapped->hEvent);
}

void EmulatedMouse::FailPendingReads(OpenHandle& open, NTSTATUS status)
{
    for (PendingRead& read : open.Pending)
        Complete(read, status, {});
    open.Pending.clear();
}

void EmulatedMouse::DeliverInput(EmulatedRole role, const std::vector<uint8_t>& report)
{
    for (auto& [handle, open] : m_handles) {
        if (open.Interface.Role != role || !Alive(open) || !(open.Access & GENERIC_READ))
            continue;
        if (!open.Pending.empty()) {
            Complete(open.Pending.front(), kStatusSuccess, report);
            open.Pending.pop_front();
            continue;
        }
        // Like the driver's ring buffer: the oldest report gives way.
        if (open.Input.size() == kEmulatedInputQueueLimit)
            open.Input.pop_front();
        open.Input.push_back(report);
    }
}

void EmulatedMouse::ReportEvent(uint8_t code, uint8_t value)
{
    const uint8_t report[] = {0x06, 0x07, code, value};
    ReportInput(report);
}

void EmulatedMouse::ReportInput(std::span<const uint8_t> report)
{
    std::lock_guard lock(m_mutex);
    if (!m_plugged) {
        LogError("input report while unplugged", report);
        return;
    }
    size_t length = report.size();
    for (const EmulatedInterface& i : m_interfaces)
        if (i.Role == EmulatedRole::EventCollection)
            length = i.InputReportByteLength;
    std::vector<uint8_t> bytes(length, 0);
    std::copy_n(report.begin(), std::min(length, report.size()), bytes.begin());
    AddLog(EmulatedLogKind::InputEvent, bytes, {});
    DeliverInput(EmulatedRole::EventCollection, bytes);
}

// A read needs a collection with input reports and room for a whole one.
bool EmulatedMouse::InputFits(const OpenHandle& open, DWORD length)
{
    if (open.Interface.InputReportByteLength == 0) {
        SetLastError(ERROR_INVALID_FUNCTION);
        return false;
    }
    if (length < open.Interface.InputReportByteLength) {
        LogError("read buffer shorter than the input report (" + std::to_string(length) + " bytes)");
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return false;
    }
    return true;
}

BOOL EmulatedMouse::Read(HANDLE handle, void* report, DWORD length, DWORD* read)
{
    std::lock_guard lock(m_mutex);
    if (read)
        *read = 0;
    OpenHandle* open = Usable(handle, GENERIC_READ, "ReadFile");
    if (!open)
        return FALSE;
    if (open->Flags & FILE_FLAG_OVERLAPPED) {
        LogError("synchronous read on an overlapped handle");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!InputFits(*open, length))
        return FALSE;
    if (open->Input.empty()) {
        // The driver would wait for the next report; a test would hang.
        LogError("read with no input report waiting");
        SetLastError(ERROR_NO_DATA);
        return FALSE;
    }
    const std::vector<uint8_t> next = std::move(open->Input.front());
    open->Input.pop_front();
    const size_t n = std::min<size_t>(next.size(), length);
    if (n)
        std::memcpy(report, next.data(), n);
    if (read)
        *read = static_cast<DWORD>(n);
    if (open->Interface.Role == EmulatedRole::CommandCollection)
        AddLog(EmulatedLogKind::InputChunk, next, {});
    return TRUE;
}

BOOL EmulatedMouse::ReadOverlapped(HANDLE handle, void* report, DWORD length, OVERLAPPED* overlapped)
{
    std::lock_guard lock(m_mutex);
    OpenHandle* open = Usable(handle, GENERIC_READ, "ReadFile");
    if (!open)
        return FALSE;
    if (!(open->Flags & FILE_FLAG_OVERLAPPED) || !overlapped) {
        LogError("overlapped read on a synchronous handle or without an OVERLAPPED");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!InputFits(*open, length))
        return FALSE;
    if (overlapped->hEvent)
        ResetEvent(overlapped->hEvent);
    PendingRead read{static_cast<uint8_t*>(report), length, overlapped};
    if (!open->Input.empty()) {
        Complete(read, kStatusSuccess, open->Input.front());
        open->Input.pop_front();
        return TRUE;
    }
    overlapped->Internal = kStatusPending;
    overlapped->InternalHigh = 0;
    open->Pending.push_back(read);
    SetLastError(ERROR_IO_PENDING);
    return FALSE;
}

BOOL EmulatedMouse::GetOverlappedResult(HANDLE /*handle*/, OVERLAPPED* overlapped, DWORD* transferred, BOOL wait)
{
    std::unique_lock lock(m_mutex);
    NTSTATUS status = static_cast<NTSTATUS>(overlapped->Internal);
    if (status == kStatusPending) {
        if (!wait || !overlapped->hEvent) {
            SetLastError(wait ? ERROR_INVALID_PARAMETER : ERROR_IO_INCOMPLETE);
            return FALSE;
        }
        lock.unlock();
        WaitForSingleObject(overlapped->hEvent, INFINITE);
        lock.lock();
        status = static_cast<NTSTATUS>(overlapped->Internal);
        if (status == kStatusPending) {
            // Someone else signalled the event; the read is still pending.
            SetLastError(ERROR_IO_INCOMPLETE);
            return FALSE;
        }
    }
    if (transferred)
        *transferred = static_cast<DWORD>(overlapped->InternalHigh);
    switch (status) {
    case kStatusSuccess:
        return TRUE;
    case kStatusCancelled:
        SetLastError(ERROR_OPERATION_ABORTED);
        return FALSE;
    case kStatusDeviceNotConnected:
        SetLastError(ERROR_DEVICE_NOT_CONNECTED);
        return FALSE;
    default:
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
}

BOOL EmulatedMouse::CancelIo(HANDLE handle)
{
    std::lock_guard lock(m_mutex);
    OpenHandle* open = Find(handle);
    if (!open) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (open->Pending.empty()) {
        SetLastError(ERROR_NOT_FOUND);
        return FALSE;
    }
    FailPendingReads(*open, kStatusCancelled);
    return TRUE;
}
