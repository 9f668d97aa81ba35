#pragma once
// Where the pointer stands on the screen now (GetCursorPos), through one
// replaceable function, so that a test can say where the pointer is without
// moving the real one: moving it makes the system send pointer moves of its
// own to the windows under it.

#include "classlib/scoped_install.h"

#include <windows.h>

using PointerPositionFunction = BOOL(WINAPI*)(LPPOINT screen);

// The pointer's position in screen coordinates; false when it is not known.
bool CurrentPointerPosition(POINT& screen);

// Installs `function` (nullptr restores GetCursorPos); returns the previous one.
PointerPositionFunction SetPointerPositionFunction(PointerPositionFunction function);

// Installs a function for the lifetime of the object, then puts back the previous.
using ScopedPointerPosition = ScopedInstall<PointerPositionFunction, &SetPointerPositionFunction>;
