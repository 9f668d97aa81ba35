#pragma once
// What the main window does with the macro manager's result after OK: the
// twelve encoded macros go into the record's macro slots, and every button
// that plays a macro keeps playing the same macro, wherever the manager's
// edits have moved it.

#include "classlib/cstring.h"
#include "macro/macro_store.h"
#include "model/settings_record.h"

#include <array>
#include <span>

// Slot k takes the 128 bytes of record k and a zero tail.
void CopyMacroRecordsToSlots(SettingsRecord& settings, const std::array<MacroRecord, kMaxMacros>& records);

// For each of the seven buttons that plays a macro (type 11):
// `positionNow[m]` is where the macro that was at list position m when the
// manager opened stands now, or -1 when it was deleted; `namesNow` is the
// list as it stands now. A macro that stays in the device's twelve slots
// keeps its button: MacroIndex follows it and the caption becomes text 515
// + ":" + its name now (a rename shows). A deleted macro, or one moved past
// the twelve slots, leaves its button Deactivated (type 13, caption text
// 516), so the button plays no other macro in its place. A button whose
// index named no listed macro is left as it is. `captions` are the seven
// box captions.
void FollowMovedMacros(SettingsRecord& settings, std::span<CString, kButtonCount> captions,
                       std::span<const int> positionNow, std::span<const CString> namesNow);
