#pragma once
// The real HID devices: SetupAPI for the interfaces, the HID class driver for
// attributes, capabilities and feature reports, file I/O for the rest.

#include "device/hid_backend.h"

class Win32Hid final : public HidBackend {
public:
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
};
