#include "macro/macro_dialog_layout.h"

MacroDialogClick ClassifyMacroDialogClick(POINT point)
{
    MacroDialogClick click;
    const bool inDropDown = ::PtInRect(&macro_pick::kDropDown, point) != FALSE;
    click.closesList = !inDropDown && !::PtInRect(&macro_pick::kList, point);
    click.button = PaintedButtonAt(macro_pick::kButtons, point);
    if (click.button != PaintedButton::None)
        return click;
    if (inDropDown) {
        click.togglesList = true;
        return click;
    }
    for (int mode = 0; mode < macro_pick::kRepeatModeCount; ++mode) {
        if (::PtInRect(&macro_pick::kModeMarks[static_cast<size_t>(mode)], point)) {
            click.repeatMode = mode;
            break;
        }
    }
    return click;
}

RECT CenteredToHeight(const RECT& box, int height)
{
    const int shift = (box.bottom - box.top - height) / 2;
    RECT moved = box;
    moved.top += shift;
    moved.bottom = moved.top + height;
    return moved;
}
