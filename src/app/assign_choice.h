#pragma once
// What a choice of the button-assignment menu does to the settings record:
// the button's function type, the one parameter field of that type, and
// the box's new caption. Plain functions over a record; the main window's
// menu calls them.

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <windows.h>

#include <optional>

// Applies menu command `id` to button `button` (0..6) of `settings` and
// returns the caption of the new function, in the texts of the running
// language and the catalogues of `languageCode`. The choices that need a
// dialog first (single key, macro), ids outside the menu and buttons
// outside 0..6 change nothing and return nothing.
std::optional<CString> ApplyMenuChoice(SettingsRecord& settings, int button, UINT id, const CString& languageCode);

// Whether button `button` is the only Click button: its menu then stays
// shut, so that one button always clicks.
bool IsLastClickButton(const SettingsRecord& settings, int button);
