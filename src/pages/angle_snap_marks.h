#pragma once
// The two marks of the angle snapping page, 10 x 10 pixels each. A point
// belongs to a mark as for PtInRect: left and top edges inside, right and
// bottom edges outside.

#include <windows.h>

#include <cstdint>
#include <optional>

constexpr RECT kAngleSnapOnMark{25, 30, 35, 40};
constexpr RECT kAngleSnapOffMark{140, 30, 150, 40};

// The AngleSnapping value a click at `point` sets: 1 on the "on" mark, 0 on
// the "off" mark, nothing elsewhere (the labels included).
std::optional<uint8_t> AngleSnappingAt(POINT point);
