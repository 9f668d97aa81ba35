#pragma once
// Decoded skin pictures kept from one paint to the next. Every use first
// looks at the file's size and last-write time: a picture replaced on disk
// is decoded again and shows at its next paint, as if every paint decoded
// its file. For the user-interface thread only.

#include "classlib/gdi.h"

// Draws the PNG file at `path` exactly as DrawPngWithAlpha does, decoding it
// only when it was not kept yet or its file has changed since. Returns 1 when
// drawn, 0 when `dc` is null or the file does not load (nothing is drawn and
// nothing kept then).
int DrawCachedPngWithAlpha(CDC* dc, const wchar_t* path, int x, int y);

// Lets go of every kept picture.
void ClearPngCache();
