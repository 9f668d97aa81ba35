#pragma once
// How the macro manager changed the list of macros in record.ini between its
// opening and its closing, and what that means for the buttons of a profile.
//
// A button plays a macro by its position in the list (MacroIndex, the device
// slot the macro is encoded into) and shows it by name in its caption
// ("Macro:<name>"). The manager writes every delete and rename to record.ini
// at once, so once it has closed, by OK or by Cancel, every position may name
// another macro; each profile's buttons are therefore moved after their
// macros, whatever profile they belong to.

#include "classlib/cstring.h"
#include "model/settings_record.h"

#include <span>
#include <vector>

struct MacroListChange {
    // The list as the manager opened it.
    std::vector<CString> namesBefore;
    // For each macro of namesBefore: its position in the list now, or -1 when
    // it was deleted. Renames keep a macro where it is.
    std::vector<int> positionNow;
    // The list as it stands now.
    std::vector<CString> namesNow;
};

// Whether a macro of the opened list now stands elsewhere, is gone or has
// another name: only then may a button's number or caption be out of date.
// Macros added behind the list move nothing.
bool MovesOrRenamesMacros(const MacroListChange& change);

// The caption texts of a macro button ("Macro", text 515) and of a
// deactivated one ("Deactivated", text 516) in the program's language.
struct MacroButtonTexts {
    CString macro;
    CString deactivated;
};

// The caption of a button that plays macro `name`: "<macro>:<name>".
CString MacroButtonCaption(const MacroButtonTexts& texts, const CString& name);

// Moves the buttons of one profile (its record and the seven captions) after
// their macros. For each button that plays a macro (type 11), the macro it
// plays is the one of the opened list that its caption names; a caption that
// names no macro of that list (another language's, or edited by hand) leaves
// the button on the macro its number gives. That macro:
// - still within the device's twelve slots: MacroIndex becomes its position
//   now and the caption names it by its name now (a rename shows);
// - deleted, or moved past the twelfth slot: the button becomes Deactivated
//   (type 13) with that caption, so that it plays no other macro in its place.
// A button whose macro is not in the opened list at all is left as it is.
// Other buttons, and every other byte of the record, are not touched.
void FollowMacroListChange(const MacroListChange& change, const MacroButtonTexts& texts, SettingsRecord& record,
                           std::span<CString, kButtonCount> captions);
