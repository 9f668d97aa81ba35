#pragma once
// Putting skin images on the screen. Nothing is cached here: every call
// decodes its file again, so a window repaints from whatever lies on disk
// (skin/png_cache.h keeps decoded pictures for windows that repaint often).

#include "classlib/gdi.h"
#include "classlib/image.h"

// Draws the PNG file at `path` unscaled with its top-left corner at (x, y).
// A picture with an alpha channel is blended per pixel; one without is
// copied opaque. Returns 1 when drawn, 0 when `dc` is null or the file does
// not load (nothing is drawn then).
int DrawPngWithAlpha(CDC* dc, const wchar_t* path, int x, int y);

// The two halves of DrawPngWithAlpha, for callers that keep decoded
// pictures: decodes the file into `image`, its colour premultiplied by its
// alpha where it has an alpha channel (false when the file does not load),
// and draws such an image unscaled at (x, y).
bool LoadPngForDrawing(const wchar_t* path, CImage& image);
void DrawPreparedPng(CDC& dc, const CImage& image, int x, int y);

// Decodes the picture file at `path` into `bitmap`, replacing what it held;
// false, with `bitmap` empty, when the file does not load.
bool LoadPictureBitmap(const wchar_t* path, CBitmap& bitmap);

// LoadPictureBitmap unless `bitmap` holds one already: for a bitmap a window
// first needs at its first paint. Returns whether `bitmap` holds one.
bool LoadPictureBitmapOnce(const wchar_t* path, CBitmap& bitmap);

// The width and height of the picture file at `path`; 0 x 0 when it does
// not load. A PNG file is measured by its header alone, without decoding
// it: one damaged past its header measures at the size its header gives.
SIZE MeasurePicture(const wchar_t* path);

// Makes `bitmap` (which must hold none) a 32-bit colour bitmap of width x
// height pixels, all black: the screen's own pixel format, so it draws and
// is drawn exactly like a bitmap compatible with the screen. Unlike one, it
// is selected into a memory context without asking the display for its
// format, which under Wine costs round trips to its server on every paint.
// An empty size gives what CreateCompatibleBitmap gives for it.
BOOL CreateDrawingBitmap(CBitmap& bitmap, CDC* reference, int width, int height);

// Makes `destination` a drawing bitmap (CreateDrawingBitmap) of
// (right - left) x (bottom - top) pixels holding the pixels of `source`
// from (left, top). A bitmap `destination` held before is deleted. Does
// nothing when `source` holds no bitmap.
void CopyBitmapRect(CDC* reference, CBitmap* destination, CBitmap* source, int left, int top, int right, int bottom);
