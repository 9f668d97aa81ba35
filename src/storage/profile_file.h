#pragma once
// The profile file: config0.bin ... config5.bin, the factory config.bin and
// exported profiles. One flag byte, then the settings record byte for byte.

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

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

// Opens an existing profile file for reading, sharing reading and writing
// (as an ordinary runtime read does), so that a file another program holds
// open for writing still loads. INVALID_HANDLE_VALUE when it cannot be opened.
HANDLE OpenProfileFileForReading(const CString& path);

// Writes `content` as the whole file `path`, creating it when it is missing.
// The bytes go to a temporary file beside `path` first,
// which then takes its place in one step (ReplaceFileW for an existing file,
// which keeps its security and owner), so that a failed write leaves the old
// file whole. Where that step is refused (another program holds the file
// open without sharing its deletion, or the folder allows changing files but
// not making new ones) the file is overwritten in place instead.
// True when the file was written; otherwise `error` (when given) receives the
// system error code of the last step that failed.
bool WriteFileReplacing(const CString& path, std::span<const uint8_t> content, DWORD* error = nullptr);

// WriteFileReplacing of the flag byte and `settings`.
bool WriteProfileFile(const CString& path, const SettingsRecord& settings, DWORD* error = nullptr);
