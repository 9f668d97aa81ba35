#pragma once
// The profile file: config0.bin ... config5.bin, the factory config.bin and
// exported profiles. One flag byte, then the settings record byte for byte.

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <windows.h>

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

// Reads until `size` bytes are in or the file ends; the number read.
DWORD ReadUpTo(HANDLE file, uint8_t* buffer, DWORD size);

// Writes the flag byte and `settings` to a file beside `path`, which then
// replaces `path` in one step, so a failed write leaves the old file whole.
// ERROR_SUCCESS, or the system error code of the step that failed.
DWORD WriteProfileFileReplacing(const CString& path, const SettingsRecord& settings);
