#pragma once
// The texts of the macro assignment and key capture dialogs by language
// code (compared whole and case-sensitively). These dialogs carry their own
// texts rather than the text table's.

#include "classlib/cstring.h"

#include <array>

struct MacroPickTexts {
    CString ok;
    CString cancel;
    std::array<CString, 3> modes;  // repeat modes 0, 1, 2
    CString prompt;
};

// "CHS", "CHT", "EN" or "DE"; every other code leaves all six empty.
MacroPickTexts MacroPickTextsFor(const CString& languageCode);

struct KeyCaptureTexts {
    CString ok;
    CString cancel;
    CString prompt;
};

// "CHS", "CHT" or "DE"; every other code gets the English texts.
KeyCaptureTexts KeyCaptureTextsFor(const CString& languageCode);
