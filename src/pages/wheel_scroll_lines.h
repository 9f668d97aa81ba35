#pragma once
// The system's wheel setting that the settings panel scrolls by: the lines
// per notch, or WHEEL_PAGESCROLL. Read from Windows unless a test installs a
// value of its own, so that a test changes no setting of the system.

#include <windows.h>

#include <optional>

// SPI_GETWHEELSCROLLLINES, or the installed value.
UINT WheelScrollLines();

// Installs `lines` as the answer (nullopt reads Windows again); returns the
// previous installation.
std::optional<UINT> SetWheelScrollLines(std::optional<UINT> lines);

// Installs a value for the lifetime of the object, then puts back the previous.
class ScopedWheelScrollLines {
public:
    explicit ScopedWheelScrollLines(UINT lines) : m_previous(SetWheelScrollLines(lines)) {}
    ~ScopedWheelScrollLines() { SetWheelScrollLines(m_previous); }
    ScopedWheelScrollLines(const ScopedWheelScrollLines&) = delete;
    ScopedWheelScrollLines& operator=(const ScopedWheelScrollLines&) = delete;

private:
    std::optional<UINT> m_previous;
};
