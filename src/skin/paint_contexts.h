#pragma once
// Memory device contexts kept from one paint to the next, one set per
// thread. Making a context (and a bitmap to compose in) for every paint and
// deleting it afterwards costs more than most of the drawing done with it:
// the memory of a fresh bitmap is mapped in page by page as it is first
// drawn on. The settings panel repaints some fifty windows at a time.
//
// Uses may nest but must not interleave: each one restores what it selected
// (ScopedSelectObject) before the next use of the same context.

#include "classlib/gdi.h"

// A memory context compatible with the screen to copy pictures from: the
// caller selects its bitmap, draws from it and lets the selection go.
CDC& PictureSourceContext();

// A memory context compatible with the screen holding a bitmap of at least
// width x height pixels, to compose a picture in before copying it to the
// window at once. Its pixels are what earlier uses left; the font, colours
// and background mode are the caller's to set. Null when none could be made.
CDC* CompositionContext(int width, int height);
