#include "device/hid_backend.h"

#include "device/win32_hid.h"

#include <atomic>

namespace {

std::atomic<HidBackend*> g_installed{nullptr};

// The real devices, made once, on first use.
HidBackend& RealDevices()
{
    static Win32Hid backend;
    return backend;
}

}  // namespace

HidBackend& Hid()
{
    if (HidBackend* installed = g_installed.load())
        return *installed;
    return RealDevices();
}

HidBackend* SetHidBackend(HidBackend* backend)
{
    return g_installed.exchange(backend);
}
