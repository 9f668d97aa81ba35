#pragma once
// The arithmetic of the image sliders: how much of the fill image a
// position shows, and which position a mouse point picks. All divisions
// truncate toward zero.

#include <windows.h>

// The number of pixels (columns of a horizontal slider, rows of a vertical
// one) that the fill image covers at `position`, for a slider `length`
// pixels long. The fill grows by length / (maximum - minimum - 1) per step,
// so it reaches the whole length one step below the maximum; anything
// beyond the slider is cut at its edge, and nothing is shown below the
// minimum.
int MarkerFillLength(int length, int position, int minimum, int maximum);

// The rows a vertical slider's fill covers: MarkerFillLength, but from the
// minimum up never fewer than `thumb` rows (nor more than the slider), so
// that the fill's top edge, its thumb, shows at the lowest positions as
// well: the fill alone stays empty up to two steps above the minimum,
// which would show a stage of 50 DPI as no stage at all. Below the minimum
// (an owner's own value) nothing shows.
int MarkerFillWithThumb(int length, int thumb, int position, int minimum, int maximum);

// The position picked by a point at `x` on a horizontal slider spanning
// `left` to `right` (same coordinates): points left of the slider count as
// its left edge; the result is clamped to minimum..maximum.
int MarkerPositionFromX(int x, int left, int right, int minimum, int maximum);

// The same for a vertical slider spanning `top` to `bottom`, the minimum at
// the bottom: points below the slider count as its bottom edge.
int MarkerPositionFromY(int y, int top, int bottom, int minimum, int maximum);

// The position SetPos stores: `value` when it lies in minimum..maximum,
// otherwise the minimum (not the nearer end).
int MarkerPositionForValue(int value, int minimum, int maximum);

// Where a picture of size `picture`, copied into the rectangle `part` from
// its point `from` (not negative), lands: `covered` is the part it fills,
// `right` and `below` the strips of `part` beyond its right and bottom
// edges (empty where it reaches).
struct PictureReach {
    RECT covered;
    RECT right;
    RECT below;
};
PictureReach ReachOfPicture(RECT part, POINT from, SIZE picture);
