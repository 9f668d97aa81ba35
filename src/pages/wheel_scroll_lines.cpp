#include "pages/wheel_scroll_lines.h"

#include <utility>

namespace {

std::optional<UINT> g_installedLines;

}  // namespace

UINT WheelScrollLines()
{
    if (g_installedLines)
        return *g_installedLines;
    UINT lines = 3;  // the system's default, should the setting not be readable
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines;
}

std::optional<UINT> SetWheelScrollLines(std::optional<UINT> lines)
{
    return std::exchange(g_installedLines, lines);
}
