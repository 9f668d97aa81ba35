#pragma once
// Where the main window puts things: the rows of the assignment boxes, the
// side column with its two foldable panels, the areas that are repainted,
// and the window font's character set. Plain values and functions, used by
// the window's skin, painting and commands.

#include "classlib/cstring.h"

#include <windows.h>

// The mouse picture and the side column (client pixels).
inline constexpr RECT kMousePictureArea{262, 2, 734, 500};
inline constexpr RECT kSideColumn{20, 107, 262, 707};

// The sensitivity sliders' range.
inline constexpr int kSliderMin = 1;
inline constexpr int kSliderMax = 11;

// The assignment box of screen row `row` (0..6): the fourth and fifth rows
// hold boxes 4 and 3, every other row r holds box r.
int AssignBoxInRow(int row);
// The rectangle of screen row `row`.
RECT AssignBoxRect(int row);

// The side column below the button-assignment item: the macro manager
// item, the X/Y-axis item and the two sliders, which move down by the
// button-assignment panel's height `panelHeight` while that panel is open.
struct SideColumnLayout {
    RECT macroItem;
    RECT axisItem;
    RECT sliderX;
    RECT sliderY;
    // The top of the X/Y-axis panel picture.
    int axisPanelTop;
};
SideColumnLayout SideColumnFor(bool buttonPanelOpen, int panelHeight);

// The window font's character set for a language code: ANSI for "CHT",
// the default set for every other code.
BYTE MainFontCharSet(const CString& languageCode);
