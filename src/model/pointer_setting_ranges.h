#pragma once
// The values the settings pages can give the Windows pointer settings of a
// record. A record read from a file may hold anything; only these values are
// ever handed on to Windows.

// PointerSpeed and DoubleClickSpeed: dial levels, 1 slow .. 11 fast.
constexpr int kMinSpeedLevel = 1;
constexpr int kMaxSpeedLevel = 11;
// WheelLines: lines per wheel notch.
constexpr int kMinWheelLines = 1;
constexpr int kMaxWheelLines = 100;

constexpr bool IsSpeedLevel(int value)
{
    return value >= kMinSpeedLevel && value <= kMaxSpeedLevel;
}

constexpr bool IsWheelLineCount(int value)
{
    return value >= kMinWheelLines && value <= kMaxWheelLines;
}
