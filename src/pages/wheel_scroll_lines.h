#pragma once
// The system's wheel setting that the settings panel scrolls by: the lines
// per notch, or WHEEL_PAGESCROLL. Read from Windows unless a test installs a
// value of its own, so that a test changes no setting of the system.

#include "classlib/scoped_install.h"

#include <windows.h>

#include <optional>

// SPI_GETWHEELSCROLLLINES, or the installed value.
UINT WheelScrollLines();

// Installs `lines` as the answer (nullopt reads Windows again); returns the
// previous installation.
std::optional<UINT> SetWheelScrollLines(std::optional<UINT> lines);

// Installs a value for the lifetime of the object, then puts back the previous.
using ScopedWheelScrollLines = ScopedInstall<std::optional<UINT>, &SetWheelScrollLines>;
