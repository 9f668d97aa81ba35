#pragma once
// The one line by which a benchmark reports a figure; scripts/bench gathers
// these lines from every benchmark into its table:
//
//   BENCH <name> <figure> <unit> <target>
//
// <name> and <unit> are single words; <figure> is a decimal number; <target>
// is "<=N" (the figure must not exceed N), ">=N" (it must reach N), or "-"
// for a figure shown without a target. Anything else a benchmark prints is
// its own and is kept in its log. A benchmark exits with 0 when it measured,
// whatever its figures; a non-zero exit means it could not measure or what
// it measured went wrong, and scripts/bench reports it as failed.

#include <cstdio>

// A figure that must stay at or under `limit`.
inline void ReportAtMost(const char* name, double figure, const char* unit, double limit)
{
    std::printf("BENCH %s %.6g %s <=%.6g\n", name, figure, unit, limit);
}

// A figure that must reach `limit`.
inline void ReportAtLeast(const char* name, double figure, const char* unit, double limit)
{
    std::printf("BENCH %s %.6g %s >=%.6g\n", name, figure, unit, limit);
}

// A figure shown for information, without a target.
inline void ReportFigure(const char* name, double figure, const char* unit)
{
    std::printf("BENCH %s %.6g %s -\n", name, figure, unit);
}
