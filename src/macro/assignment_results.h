#pragma once
// What the main window does with the result of the key capture dialog and
// of the macro assignment dialog for one mouse button: the record fields it
// writes, the button's function type and the box's new caption.

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <windows.h>

#include <cstdint>
#include <optional>

// The name the key capture dialog starts with for `button`: the name of its
// stored key, or empty when it has none (SingleKey 0) or `button` is not
// 0..6.
CString PresetKeyName(const SettingsRecord& settings, int button);

// After the key capture dialog ended with `result`: on IDOK with a key that
// has a keyboard usage, button `button` becomes that single key (SingleKey,
// type 10) and the new caption, text 512 + "-" + name, is returned. Any
// other result, a name without a usage ("N/A", "Select", empty) or a button
// outside 0..6 changes nothing and returns nothing.
std::optional<CString> ApplySingleKeyResult(SettingsRecord& settings, int button, INT_PTR result,
                                            const CString& keyName);

// After the macro assignment dialog ended with `result`: on IDOK with a
// macro chosen (position 0 or more), button `button` runs that macro
// (MacroIndex = the position's low byte, MacroRepeatMode, type 11) and the
// new caption, text 515 + ":" + name, is returned. Otherwise nothing
// changes and nothing is returned.
std::optional<CString> ApplyMacroResult(SettingsRecord& settings, int button, INT_PTR result, int selMacro,
                                        uint8_t repeatMode, const CString& macroName);
