#pragma once
// Where things lie in the macro assignment dialog (client pixels) and what a
// click there does.

#include "macro/painted_buttons.h"

#include <windows.h>

#include <array>

namespace macro_pick {

inline constexpr RECT kCloseBox{352, 6, 370, 24};
inline constexpr RECT kOkButton{250, 250, 308, 275};
inline constexpr RECT kCancelButton{314, 250, 372, 275};
inline constexpr PaintedButtonRects kButtons{kCloseBox, kOkButton, kCancelButton};

inline constexpr RECT kNameField{42, 128, 136, 144};
// The click area that opens and closes the list: the name field and the
// arrow cell that the background draws to its right.
inline constexpr RECT kDropDown{42, 128, 151, 144};
inline constexpr RECT kList{42, 146, 151, 286};
inline constexpr RECT kPrompt{12, 96, 181, 128};

inline constexpr int kRepeatModeCount = 3;
inline constexpr std::array<RECT, kRepeatModeCount> kModeMarks{{
    {220, 78, 236, 94},
    {220, 128, 236, 144},
    {220, 178, 236, 194},
}};
inline constexpr std::array<RECT, kRepeatModeCount> kModeTexts{{
    {237, 70, 390, 102},
    {237, 120, 390, 152},
    {237, 170, 390, 202},
}};

}  // namespace macro_pick

// What a left click at a point of the dialog does, in the dialog's order.
struct MacroDialogClick {
    // The click is outside the list and the drop-down box: an open list closes.
    bool closesList = false;
    // OK, Cancel or the close box (tried in that order), else None.
    PaintedButton button = PaintedButton::None;
    // In the drop-down box: the list opens or closes.
    bool togglesList = false;
    // In the mark box of repeat mode 0, 1 or 2 (only the marks react, not
    // the mode texts); -1 elsewhere.
    int repeatMode = -1;
};

MacroDialogClick ClassifyMacroDialogClick(POINT point);

// `box` moved so that it is `height` high with its centre kept: top and
// bottom move by the same amount (half a pixel towards the top when the
// difference is odd).
RECT CenteredToHeight(const RECT& box, int height);
