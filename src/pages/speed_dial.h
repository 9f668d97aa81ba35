#pragma once
// The half-ring dial of the pointer-speed and double-click pages: which level
// a click picks. Levels run from 1 at the left (slow) end to 11 at the right
// (fast) end, one level per 18 degrees of the upper half ring.

#include <windows.h>

#include <cstdint>
#include <optional>

// Where the dial picture lies on its page; its ring is centred 71 pixels right
// of and below the top-left corner, at (121, 91).
constexpr RECT kSpeedDialRect{50, 20, 192, 103};
constexpr int kSpeedDialRadius = 71;
constexpr int kSpeedDialInnerRadius = 43;

struct SpeedDialClick {
    // Below the centre line: the click is ignored altogether (no change, no
    // redraw, no default processing).
    bool ignored = false;
    // On the ring: the click's angle in degrees, counter-clockwise from the
    // right, with the last 5 degrees before the left end counted as 185.
    std::optional<double> angle;
    // The record field after the click: the level picked on the ring, and in
    // every case pulled into 1..11.
    uint8_t level = 0;
};

// A left click at `point` (page client coordinates) on a dial whose record
// field holds `current`.
SpeedDialClick ClickSpeedDial(POINT point, uint8_t current);
