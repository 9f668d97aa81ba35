#pragma once
// The one line by which a benchmark reports a figure; scripts/bench gathers
// these lines from every benchmark into its table:
//
//   BENCH <name> <figure> <unit> <target> <done>/<asked> <work>
//
// <name>, <unit> and <work> are single words; <figure> is a decimal number,
// or "unmeasured"; <target> is "<=N" (the figure must not exceed N), ">=N"
// (it must reach N), or "-" for a figure shown without a target.
//
// Every figure comes with the work its timed loop counted: `done` units of
// `work` (paints handled by a window's own paint handler, menus shown,
// transfers the emulated mouse received whole) out of the `asked` units the
// loop was written to do. A figure whose count is not what the loop asked
// for timed something else than what it names (an empty call, or more work
// than it divides by), so its line says "unmeasured" instead of the figure
// and scripts/bench fails on it. Anything else a benchmark prints is its own
// and is kept in its log. A benchmark exits with 0 when it ran, whatever its
// figures; a non-zero exit means it could not run, and scripts/bench reports
// it as failed.

#include <cstdio>
#include <string>

// The work a figure's loop did: `done` of the `asked` units of `work`, a
// plural noun of one word ("paints", "menus", "uploads").
struct WorkCount {
    long done = 0;
    long asked = 0;
    const char* work = "";
};

// A figure measured what it names only when its loop asked for some work
// and did exactly that much.
inline bool Measured(const WorkCount& count)
{
    return count.asked > 0 && count.done == count.asked;
}

// The BENCH line of a figure, without its line end.
inline std::string BenchLine(const char* name, double figure, const char* unit, const std::string& target,
                             const WorkCount& count)
{
    char shown[32] = "unmeasured";
    if (Measured(count))
        std::snprintf(shown, sizeof shown, "%.6g", figure);
    char line[512];
    std::snprintf(line, sizeof line, "BENCH %s %s %s %s %ld/%ld %s", name, shown, unit, target.c_str(), count.done,
                  count.asked, count.work);
    return line;
}

inline std::string AtMostTarget(double limit)
{
    char target[32];
    std::snprintf(target, sizeof target, "<=%.6g", limit);
    return target;
}

inline std::string AtLeastTarget(double limit)
{
    char target[32];
    std::snprintf(target, sizeof target, ">=%.6g", limit);
    return target;
}

// A figure that must stay at or under `limit`.
inline void ReportAtMost(const char* name, double figure, const char* unit, double limit, const WorkCount& count)
{
    std::printf("%s\n", BenchLine(name, figure, unit, AtMostTarget(limit), count).c_str());
}

// A figure that must reach `limit`.
inline void ReportAtLeast(const char* name, double figure, const char* unit, double limit, const WorkCount& count)
{
    std::printf("%s\n", BenchLine(name, figure, unit, AtLeastTarget(limit), count).c_str());
}

// A figure shown for information, without a target.
inline void ReportFigure(const char* name, double figure, const char* unit, const WorkCount& count)
{
    std::printf("%s\n", BenchLine(name, figure, unit, "-", count).c_str());
}
