#include "device/win32_hid.h"

#include <initguid.h>

#include <hidclass.h>
#include <setupapi.h>

#include <vector>

namespace {

class SetupInterfaceList final : public HidInterfaceList {
public:
    explicit SetupInterfaceList(HDEVINFO set) : m_set(set) { m_interface.cbSize = sizeof(m_interface); }
    ~SetupInterfaceList() override { SetupDiDestroyDeviceInfoList(m_set); }
    SetupInterfaceList(const SetupInterfaceList&) = delete;
    SetupInterfaceList& operator=(const SetupInterfaceList&) = delete;

    bool Enumerate(DWORD index, DWORD& error) override
    {
        if (SetupDiEnumDeviceInterfaces(m_set, nullptr, &GUID_DEVINTERFACE_HID, index, &m_interface))
            return true;
        error = GetLastError();
        return false;
    }

    std::optional<std::wstring> DevicePath() override
    {
        // First call for the size, then a buffer of that size.
        DWORD size = 0;
        SetupDiGetDeviceInterfaceDetailW(m_set, &m_interface, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            size = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        std::vector<BYTE> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(m_set, &m_interface, detail, size, nullptr, nullptr))
            return std::nullopt;
        const size_t maxChars = (size - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
        return std::wstring(detail->DevicePath, wcsnlen(detail->DevicePath, maxChars));
    }

private:
    HDEVINFO m_set;
    SP_DEVICE_INTERFACE_DATA m_interface{};
};

class DriverPreparsedData final : public HidPreparsedData {
public:
    explicit DriverPreparsedData(PHIDP_PREPARSED_DATA data) : m_data(data) {}
    ~DriverPreparsedData() override { HidD_FreePreparsedData(m_data); }
    DriverPreparsedData(const DriverPreparsedData&) = delete;
    DriverPreparsedData& operator=(const DriverPreparsedData&) = delete;

    NTSTATUS GetCaps(HIDP_CAPS& caps) override { return HidP_GetCaps(m_data, &caps); }

private:
    PHIDP_PREPARSED_DATA m_data;
};

}  // namespace

std::unique_ptr<HidInterfaceList> Win32Hid::GetPresentInterfaces()
{
    HDEVINFO set =
        SetupDiGetClassDevsW(&GUID_DEVINTERFACE_HID, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<SetupInterfaceList>(set);
}

HANDLE Win32Hid::Open(const std::wstring& path, DWORD access, DWORD flags)
{
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, flags,
                       nullptr);
}

BOOL Win32Hid::Close(HANDLE handle)
{
    return CloseHandle(handle);
}

BOOL Win32Hid::GetAttributes(HANDLE handle, HIDD_ATTRIBUTES& attributes)
{
    attributes.Size = sizeof(attributes);
    return HidD_GetAttributes(handle, &attributes);
}

std::unique_ptr<HidPreparsedData> Win32Hid::GetPreparsedData(HANDLE handle)
{
    PHIDP_PREPARSED_DATA data = nullptr;
    if (!HidD_GetPreparsedData(handle, &data))
        return nullptr;
    return std::make_unique<DriverPreparsedData>(data);
}

BOOL Win32Hid::SetFeature(HANDLE handle, void* report, ULONG length)
{
    return HidD_SetFeature(handle, report, length);
}

BOOL Win32Hid::GetFeature(HANDLE handle, void* report, ULONG length)
{
    return HidD_GetFeature(handle, report, length);
}

BOOL Win32Hid::Write(HANDLE handle, const void* report, DWORD length, DWORD* written)
{
    return WriteFile(handle, report, length, written, nullptr);
}

BOOL Win32Hid::Read(HANDLE handle, void* report, DWORD length, DWORD* read)
{
    return ReadFile(handle, report, length, read, nullptr);
}

BOOL Win32Hid::ReadOverlapped(HANDLE handle, void* report, DWORD length, OVERLAPPED* overlapped)
{
    return ReadFile(handle, report, length, nullptr, overlapped);
}

BOOL Win32Hid::GetOverlappedResult(HANDLE handle, OVERLAPPED* overlapped, DWORD* transferred, BOOL wait)
{
    return ::GetOverlappedResult(handle, overlapped, transferred, wait);
}

BOOL Win32Hid::CancelIo(HANDLE handle)
{
    return CancelIoEx(handle, nullptr);
}
