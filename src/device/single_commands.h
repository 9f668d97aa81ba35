#pragma once
// The device-side working buffers, and the single commands the rest of the
// program sends to the mouse on their own.

#include "model/device_records.h"
#include "model/settings_record.h"

#include <array>
#include <cstdint>

struct DeviceImage {
    uint8_t DeviceProfile;       // byte 1 of 02, 03, 0C, 8C, 0D
    ProfileBlock ProfileBlocks;  // the block being built or read back
    ::ButtonTable ButtonTable;   // the table being built
    std::array<std::array<uint8_t, kMacroSlotSize>, kMacroSlotCount> MacroUpload;
};

// Zeroed as a whole each time the mouse is found.
extern DeviceImage g_DevImage;

// ---------------------------------------------------------------------------
// Single commands (user-interface thread; none returns a result).

// 01 7C f with f = M << 2 | R << 1 | L from the finger-tap toggles of g_Settings.
void SetFunctionOption();
// 80; outputs the version of the reply. The version is not kept.
void ReadFirmwareVersion();
// 82; stores reply byte 1 in g_DevImage.DeviceProfile.
void ReadCurrentProfile();
// 8C DeviceProfile 00 into a zeroed transfer buffer; copies what the reply
// announces, at most 128 bytes, into g_DevImage.ProfileBlocks; pauses 10 ms.
void TransferProfileBlock();
