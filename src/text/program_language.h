#pragma once
// The language code the program runs in: "CHS", "CHT", "EN", "DE", or any
// other text (then the language texts stay empty). The application object
// keeps it as its m_strLanguage, read from the current profile at start-up;
// every window reads it here to choose its texts and font faces.

#include "classlib/cstring.h"

CString& ProgramLanguage();
