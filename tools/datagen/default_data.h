#pragma once
// The data files the program is shipped with.

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <array>
#include <cstdint>

// The two values of the factory profile that no page edits and that a
// restore of defaults takes from config.bin.
constexpr uint8_t kShippedLiftOffDistance = 2;
constexpr RgbColor kShippedExtraColor = {0xFF, 0xFF, 0xFF};

// The languages whose captions every caption file carries.
inline constexpr std::array<const wchar_t*, 4> kShippedLanguages = {L"EN", L"CHS", L"CHT", L"DE"};

// The factory settings: the defaults plus the two values above, macro slots
// empty.
SettingsRecord ShippedSettings();

// The name of the one profile listed: the profile list's base name of the
// language and " 1" ("Profile 1" in English).
CString ShippedProfileName(const CString& language);

// Writes the whole data set into `folder` (ending in a backslash), replacing
// what is there; false when a file could not be written.
bool WriteDefaultData(const CString& folder, const CString& language);
