#include "macro/painted_buttons.h"

PaintedButton PaintedButtonAt(const PaintedButtonRects& rects, POINT point)
{
    if (::PtInRect(&rects.ok, point))
        return PaintedButton::Ok;
    if (::PtInRect(&rects.cancel, point))
        return PaintedButton::Cancel;
    if (::PtInRect(&rects.close, point))
        return PaintedButton::Close;
    return PaintedButton::None;
}

bool MarkHovered(HoverFlags& flags, PaintedButton button)
{
    switch (button) {
    case PaintedButton::Close:
        flags.close = 1;
        return true;
    case PaintedButton::Ok:
        flags.ok = 1;
        flags.cancel = 0;
        return true;
    case PaintedButton::Cancel:
        flags.cancel = 1;
        flags.ok = 0;
        return true;
    case PaintedButton::None:
        break;
    }
    return false;
}

bool ClearHovered(HoverFlags& flags)
{
    if (!flags.Any())
        return false;
    flags = HoverFlags{};
    return true;
}
