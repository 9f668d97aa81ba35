#pragma once
// Changing a profile as its files hold it, loaded or not: its record in
// config<n>.bin and its seven button captions in str<n>.ini are read, edited
// and written back as a pair, each file through the replacing writer, so that
// a profile is never left half-written: when a file cannot be read or
// written, both stay as they were.

#include "classlib/cstring.h"
#include "model/settings_record.h"
#include "storage/profile_store.h"

#include <functional>
#include <span>

// Edits the record and the captions "Item1" .. "Item7" of the language's
// section in place.
using StoredProfileEdit = std::function<void(SettingsRecord& record, std::span<CString, kAssignBoxCount> captions)>;

enum class StoredProfileEditResult {
    Unchanged,  // the edit changed nothing: no file was written
    Written,    // the files hold the edited record and captions
    Failed,     // a file could not be read or written: both are as they were
};

// The profile file must hold at least a profile's worth of bytes (a longer
// one is read as far as a profile goes and written back as a profile file).
// Only a file whose content the edit changed is written; the caption file is
// made anew when it is missing. Without a language section name the captions
// read empty and are not written. A failure is said in the debug output.
StoredProfileEditResult EditStoredProfile(const CString& profilePath, const CString& captionPath,
                                          const StoredProfileEdit& edit);
