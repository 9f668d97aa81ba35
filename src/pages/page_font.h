#pragma once
// The text font of the settings pages: 13 pixels high, "黑体" for the
// Chinese languages and "Arial" for every other.

#include "classlib/gdi.h"

// Creates the page font into `font` (which must hold none) for the program's
// language. FALSE when the font could not be made.
BOOL CreatePageFont(CFont& font);
