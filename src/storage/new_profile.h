#pragma once
// What a profile that is added to the list starts with: the factory settings
// and the factory captions, taken as a restore of the factory settings takes
// them, so that a new name never inherits what its slot's files held before
// (a deleted profile's settings, say).

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <cstdint>
#include <optional>
#include <vector>

// The record of a new profile: config.bin read as a restore reads it (the
// flag byte, then up to a record's worth of bytes, over a record that was
// never loaded, so that what the file lacks stays zero), the factory
// defaults written over it, and the macros of record.ini encoded into its
// macro slots as every load of the current profile encodes them. A new
// profile has no macros of its own: its slots are the macro store's, so
// that a macro assigned to one of its buttons later plays what its name
// says. g_Settings is left as it is.
SettingsRecord NewProfileRecord(const CString& modulePath);

// The caption file of a new profile: str.ini, which holds the factory
// captions and strings a restore reads, without its profile list, and with
// "Lan" of section "Skins" set to `language` (the language the program
// speaks; str.ini's own stays when it is empty), so that the program keeps
// its language when it starts on the new profile. Nothing when str.ini
// cannot be read or the copy cannot be made.
std::optional<std::vector<uint8_t>> NewProfileCaptions(const CString& modulePath, const CString& language);
