#include "skin/pointer_position.h"

namespace {

PointerPositionFunction g_pointerPosition = &::GetCursorPos;

}  // namespace

bool CurrentPointerPosition(POINT& screen)
{
    return g_pointerPosition(&screen) != FALSE;
}

PointerPositionFunction SetPointerPositionFunction(PointerPositionFunction function)
{
    const PointerPositionFunction previous = g_pointerPosition;
    g_pointerPosition = function ? function : &::GetCursorPos;
    return previous;
}
