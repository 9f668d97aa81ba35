#pragma once
// The seam under the HID link: everything the link and the read thread ask
// of the HID class driver and SetupAPI. Two backends implement it: Win32Hid
// (the real devices) and EmulatedMouse (an in-process model of the mouse, in
// device/emulated/, which the program and the tests install).
//
// Handles are the backend's own: a handle from one backend is only ever
// passed back to that backend. Failures follow the Win32 conventions: an open
// that fails gives INVALID_HANDLE_VALUE, calls return FALSE and set the
// thread's last error.

#include "classlib/scoped_install.h"

#include <windows.h>

// The SDK's HID headers declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
}

#include <memory>
#include <optional>
#include <string>

// The present HID device interfaces; released when the object goes.
class HidInterfaceList {
public:
    virtual ~HidInterfaceList() = default;
    // Enumerates interface `index`. On failure `error` is the reason:
    // ERROR_NO_MORE_ITEMS past the last one.
    virtual bool Enumerate(DWORD index, DWORD& error) = 0;
    // The device path of the interface last enumerated, or nothing when its
    // detail cannot be read.
    virtual std::optional<std::wstring> DevicePath() = 0;
};

// The preparsed data of a HID collection; freed when the object goes.
class HidPreparsedData {
public:
    virtual ~HidPreparsedData() = default;
    // HIDP_STATUS_SUCCESS, or the status of the failure.
    virtual NTSTATUS GetCaps(HIDP_CAPS& caps) = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // The present interfaces of the HID interface class, or nullptr.
    virtual std::unique_ptr<HidInterfaceList> GetPresentInterfaces() = 0;

    // Opens `path` shared for reading and writing, as an existing device.
    // `access` is 0 (a probe), GENERIC_READ or GENERIC_READ | GENERIC_WRITE;
    // `flags` is 0 or FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL.
    virtual HANDLE Open(const std::wstring& path, DWORD access, DWORD flags) = 0;
    virtual BOOL Close(HANDLE handle) = 0;

    virtual BOOL GetAttributes(HANDLE handle, HIDD_ATTRIBUTES& attributes) = 0;
    // nullptr when the collection's preparsed data cannot be read.
    virtual std::unique_ptr<HidPreparsedData> GetPreparsedData(HANDLE handle) = 0;

    // `report` holds the report id in byte 0 and `length` bytes in all.
    virtual BOOL SetFeature(HANDLE handle, void* report, ULONG length) = 0;
    virtual BOOL GetFeature(HANDLE handle, void* report, ULONG length) = 0;

    // Synchronous output and input reports (a handle opened without flags).
    virtual BOOL Write(HANDLE handle, const void* report, DWORD length, DWORD* written) = 0;
    virtual BOOL Read(HANDLE handle, void* report, DWORD length, DWORD* read) = 0;

    // Overlapped input report on a handle opened with FILE_FLAG_OVERLAPPED:
    // as ReadFile, FALSE with ERROR_IO_PENDING while the read is pending;
    // the event of `overlapped` is signalled when it completes. `report`
    // must stay valid until then.
    virtual BOOL ReadOverlapped(HANDLE handle, void* report, DWORD length, OVERLAPPED* overlapped) = 0;
    virtual BOOL GetOverlappedResult(HANDLE handle, OVERLAPPED* overlapped, DWORD* transferred, BOOL wait) = 0;
    // Cancels every pending read on `handle`, whichever thread started it.
    virtual BOOL CancelIo(HANDLE handle) = 0;
};

// The backend in use: the one installed, else the real devices.
HidBackend& Hid();

// Installs `backend` (nullptr goes back to the real devices); returns the
// previous one. The caller keeps `backend` alive while installed.
HidBackend* SetHidBackend(HidBackend* backend);

// Installs a backend for the lifetime of the object, then puts back the previous.
using ScopedHidBackend = ScopedInstallObject<HidBackend, &SetHidBackend>;

// A handle of the installed backend, closed through it when the object goes.
class HidHandle {
public:
    HidHandle() = default;
    explicit HidHandle(HANDLE handle) : m_handle(handle) {}
    ~HidHandle() { reset(); }
    HidHandle(HidHandle&& other) noexcept : m_handle(other.release()) {}
    HidHandle& operator=(HidHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    HidHandle(const HidHandle&) = delete;
    HidHandle& operator=(const HidHandle&) = delete;

    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE release()
    {
        HANDLE h = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return h;
    }
    void reset(HANDLE handle = INVALID_HANDLE_VALUE)
    {
        if (valid())
            Hid().Close(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};
