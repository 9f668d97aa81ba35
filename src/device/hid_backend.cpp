#include "device/hid_backend.h"

#include "device/emulated_mouse.h"
#include "device/win32_hid.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

std::atomic<HidBackend*> g_installed{nullptr};

// The backend of the environment, made once, on first use.
HidBackend& EnvironmentBackend()
{
    static const std::unique_ptr<HidBackend> backend = []() -> std::unique_ptr<HidBackend> {
        const char* choice = std::getenv("RV417_HID");
        if (choice && std::strcmp(choice, "emulated") == 0)
            return std::make_unique<EmulatedMouse>();
        return std::make_unique<Win32Hid>();
    }();
    return *backend;
}

}  // namespace

HidBackend& Hid()
{
    if (HidBackend* installed = g_installed.load())
        return *installed;
    return EnvironmentBackend();
}

HidBackend* SetHidBackend(HidBackend* backend)
{
    return g_installed.exchange(backend);
}
