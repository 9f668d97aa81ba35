#pragma once
// What the main window does with the macro manager's result: after OK the
// twelve encoded macros go into the record's macro slots; however the
// manager closed, the buttons of every profile follow their macros
// (model/macro_list_change.h), with the captions in the program's language.

#include "macro/macro_store.h"
#include "model/macro_list_change.h"
#include "model/settings_record.h"

#include <array>

// Slot k takes the 128 bytes of record k and a zero tail.
void CopyMacroRecordsToSlots(SettingsRecord& settings, const std::array<MacroRecord, kMaxMacros>& records);

// Text 515 ("Macro") and text 516 ("Deactivated") of the text table.
MacroButtonTexts CurrentMacroButtonTexts();
