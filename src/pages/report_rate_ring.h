#pragma once
// The ring of the USB report rate page: four quarters, one per rate. The
// record keeps the report interval in milliseconds as a code: 1, 2, 4 or 8
// for 1000, 500, 250 or 125 reports per second.

#include <windows.h>

#include <cstdint>
#include <optional>

// The ring picture's place on the page; the ring is centred at (121, 66) and
// clickable from radius 35 to radius 64, both included.
constexpr RECT kReportRateRingRect{57, 5, 185, 128};
constexpr int kReportRateInnerRadius = 35;
constexpr int kReportRateOuterRadius = 64;

// The code a click at `point` picks: upper right 1, lower right 2, lower left
// 4, upper left 8. Nothing off the ring or on either axis line.
std::optional<uint8_t> ReportRateCodeAt(POINT point);

// The code the page shows and keeps for a record's code: 1, 2, 4 and 8 as
// they are, anything else (0, or a damaged file's 3 or 255) as 2.
uint8_t ShownReportRateCode(uint8_t code);

// Reports per second of a shown code (1000 / code).
int ReportsPerSecond(uint8_t shownCode);
