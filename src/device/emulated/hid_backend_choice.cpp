#include "device/emulated/hid_backend_choice.h"

#include "device/emulated/emulated_mouse.h"
#include "device/emulated/emulated_mouse_control.h"
#include "device/hid_backend.h"
#include "device/read_thread.h"

#include <dbt.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

void SendDeviceChangeToMainWindow(DeviceChange change, const std::wstring& path)
{
    if (!g_hMainWnd)
        return;
    std::vector<unsigned char> buffer(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + path.size() * sizeof(wchar_t));
    auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    header->dbcc_size = static_cast<DWORD>(buffer.size());
    header->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::copy(path.begin(), path.end(), header->dbcc_name);
    header->dbcc_name[path.size()] = L'\0';
    const WPARAM event = change == DeviceChange::Arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
    ::SendMessageW(g_hMainWnd, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(header));
}

HidBackend* InstallHidBackendOfEnvironment()
{
    const char* choice = std::getenv("RV417_HID");
    if (!choice || std::strcmp(choice, "emulated") != 0)
        return nullptr;
    static EmulatedMouse mouse;
    static EmulatedMouseControl control(mouse);
    // RV417_EMULATED_UNPLUGGED=1: the program starts without the mouse.
    const char* unplugged = std::getenv("RV417_EMULATED_UNPLUGGED");
    if (unplugged && std::strcmp(unplugged, "1") == 0)
        mouse.Unplug();
    mouse.SetDeviceChangeListener(&SendDeviceChangeToMainWindow);
    SetHidBackend(&mouse);
    return &mouse;
}
