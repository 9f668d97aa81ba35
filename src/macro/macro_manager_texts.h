#pragma once
// The macro manager's own texts in the four languages. The word new macro
// names start with is MacroNameWord (model/macro_names.h).

#include "classlib/cstring.h"

struct MacroManagerTexts {
    CString ok;
    CString cancel;
    CString title;
    CString nameListHeader;
    CString keyListHeader;
    CString optionsHeader;
    CString delayLabel;
    CString loopLabel;
    CString newButton;
    CString deleteText;  // the Delete button and the menu item
    CString recordIdle;
    CString recordActive;
    CString insertLeft;
    CString insertMiddle;
    CString insertRight;
    CString insertPause;
    CString limitCaption;
    CString limitMessage;
};

// The texts of a language code ("CHS", "CHT", "EN", "DE"); all empty for any
// other code.
MacroManagerTexts MacroManagerTextsFor(const CString& languageCode);
