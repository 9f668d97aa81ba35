#include "device/profile_upload.h"

#include "device/clock.h"
#include "device/hid_link.h"
#include "device/single_commands.h"
#include "model/device_records.h"
#include "model/settings_record.h"
#include "storage/profile_store.h"
#include "storage/windows_settings.h"

#include <algorithm>
#include <array>

namespace {

// Pauses that pace the mouse's writes after each kind of record.
constexpr DWORD kProfileBlockPauseMs = 10;
constexpr DWORD kButtonTablePauseMs = 2;
constexpr DWORD kMacroPauseMs = 50;

// The device profile the full upload always writes.
constexpr uint8_t kUploadDeviceProfile = 1;

using TransferBuffer = std::array<uint8_t, kTransferBufferSize>;
using MacroSlots = decltype(SettingsRecord::MacroSlot);

DeviceCommand Command(uint8_t code, uint8_t arg1, uint8_t arg2 = 0)
{
    DeviceCommand command{};
    command.Code = code;
    command.Arg1 = arg1;
    command.Arg2 = arg2;
    return command;
}

// Copies one 128-byte record into a zeroed transfer buffer and writes it.
void SendRecord(uint8_t code, uint8_t target, std::span<const uint8_t, kDeviceRecordSize> record)
{
    TransferBuffer transfer{};
    std::copy(record.begin(), record.end(), transfer.begin());
    DeviceCommand command = Command(code, target, kRecordTransferLength);
    SendCommandWithData(command, transfer);
}

void SendProfileBlock()
{
    SendRecord(kCmdWriteProfileBlock, g_DevImage.DeviceProfile, g_DevImage.ProfileBlocks);
    ClockSleep(kProfileBlockPauseMs);
}

}  // namespace

void SendButtonTable()
{
    SendRecord(kCmdWriteButtonTable, g_DevImage.DeviceProfile, TableBytes(g_DevImage.ButtonTable));
    ClockSleep(kButtonTablePauseMs);
}

void SendMacros()
{
    for (int n = 1; n <= kMacroSlotCount; ++n) {
        const auto& slot = g_DevImage.MacroUpload[static_cast<size_t>(n - 1)];
        SendRecord(kCmdWriteMacro, static_cast<uint8_t>(n),
                   std::span<const uint8_t, kMacroSlotSize>(slot).first<kDeviceRecordSize>());
        ClockSleep(kMacroPauseMs);
    }
}

void ApplyAllToDevice(CProfileStore& store)
{
    g_DevImage.ProfileBlocks.fill(0);
    SetFunctionOption();

    g_Settings.ProfileIndex = 0;
    g_DevImage.DeviceProfile = kUploadDeviceProfile;

    DeviceCommand select = Command(kCmdSelectProfile, kUploadDeviceProfile);
    SendCommand(select);
    DeviceCommand rate = Command(kCmdSetReportRate, g_DevImage.DeviceProfile, g_Settings.ReportRateCode);
    SendCommand(rate);

    g_DevImage.ProfileBlocks = BuildProfileBlock(g_Settings);
    SendProfileBlock();

    g_DevImage.ButtonTable = BuildButtonTable(g_Settings);
    SendButtonTable();

    g_DevImage.MacroUpload = g_Settings.MacroSlot;
    SendMacros();

    store.SaveProfileAndCaptions();
}

bool RestoreDefaults(CProfileStore& store, DWORD* error)
{
    const uint8_t profileIndex = g_Settings.ProfileIndex;
    g_bRestoreDefaults = 1;
    const MacroSlots macros = g_Settings.MacroSlot;

    // With the flag set the load takes the factory files.
    store.LoadCurrentProfile();
    SetDefaultSettings();
    store.ReadStrIni();

    g_Settings.ProfileIndex = profileIndex;
    g_Settings.MacroSlot = macros;

    bool saved = true;
    if (g_bDeviceOpen != 0) {
        ApplyAllToDevice(store);
        saved = store.SaveProfileAndCaptions(error);
        // Only a record that is in its file is the saved one.
        if (saved)
            g_SettingsSaved = g_Settings;
        ApplyWindowsSettings();
    }
    g_bRestoreDefaults = 0;
    return saved;
}
