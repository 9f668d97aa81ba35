#pragma once
// The profile file: config0.bin ... config5.bin, the factory config.bin and
// exported profiles. One flag byte, then the settings record byte for byte.

#include "device/settings_record.h"

#include <cstdint>

#pragma pack(push, 1)
struct ProfileFile {
    uint8_t FirstRunFlag;     // always written as 1
    SettingsRecord Settings;  // the raw record
};
#pragma pack(pop)

constexpr size_t kProfileFileSize = 1805;
static_assert(sizeof(ProfileFile) == kProfileFileSize);

// The flag byte every writer stores.
constexpr uint8_t kProfileFileFlag = 1;
