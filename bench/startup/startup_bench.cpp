// Start-up of "RV417 TALVEN.exe" under Wine with the emulated mouse, run as
// its own process from a private copy of build/bin, and the program's
// working set once it has started (target: under 40 MB).
//
// The start-up is the time from the process's start to the main window's
// first paint, less the time the splash was on the screen (it shows for
// three seconds by design; measured, since its timer may fire late):
// startup.after_splash_raw. Most of the time before the splash is Wine
// starting a process, which costs the program nothing of its own, so a
// baseline program (bench/startup/baseline_window.cpp: one window, shown and
// painted) is started the same way, in turns with the program, and its time
// to its first paint is startup.baseline_first_paint. What the program adds
// to that, startup.after_splash, is the raw figure less the baseline's
// (target: under 300 ms). Each figure is the median of five starts after
// one of each program that warms the caches. Each start's timeline is
// printed too. The baseline's working set is taken as the program's is, and
// the program's beyond it reported beside the raw figure. Counted: the
// starts followed to their end, the baseline's (its window painted, its
// working set read) and the program's after it (first window, splash shown
// and gone, main window painted, working set read); a start that fails is
// noted and left out, and the figures then print as unmeasured.

#include "baseline_window.h"
#include "bench_report.h"
#include "bench_timing.h"
#include "driver.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr double kTargetMs = 300.0;
constexpr double kTargetMegabytes = 40.0;
constexpr DWORD kMomentLimitMs = 30000;

// Milliseconds from the process's start to the moments of its start-up.
struct Timeline {
    double firstWindow = 0;  // its first top-level window exists (the main window, hidden)
    double splashShown = 0;  // the splash is on the screen
    double splashGone = 0;   // the splash has left the screen
    double painted = 0;      // the main window shows, titled, with nothing left to paint

    double SplashOnScreen() const { return splashGone - splashShown; }
    // The start-up less the splash's time on the screen.
    double AfterSplash() const { return painted - SplashOnScreen(); }
};

// Waits for `moment` of `program`, started at `started`, and notes in `at`
// when it came; false when it did not come within the limit.
bool Reached(const e2e::Program& program, double started, const std::function<bool()>& moment, double& at)
{
    const bool came = e2e::WaitUntil([&] { return moment() || !program.IsRunning(); }, kMomentLimitMs, 1) && moment();
    at = NowMs() - started;
    return came;
}

bool Painted(const e2e::Program& program, const wchar_t* title)
{
    HWND window = program.FindWindow({title, std::nullopt, true});
    return window && !GetUpdateRect(window, nullptr, FALSE);
}

bool FollowStartup(const e2e::Program& program, double started, Timeline& timeline)
{
    // The splash is told by its handle once found: asking the program's
    // windows for their titles waits while the program is busy starting.
    HWND splash = nullptr;
    return Reached(
               program, started, [&] { return !program.TopLevelWindows().empty(); }, timeline.firstWindow) &&
           Reached(
               program, started,
               [&] {
                   return (splash = program.FindWindow({L"", L"#32770", true})) != nullptr;
               },
               timeline.splashShown) &&
           Reached(
               program, started, [&] { return !IsWindowVisible(splash); }, timeline.splashGone) &&
           Reached(
               program, started, [&] { return Painted(program, L"RV417 TALVEN"); }, timeline.painted);
}

// The baseline's time from its start to its first paint, and its working
// set once it has settled, as the program's is taken.
struct BaselineRun {
    double painted = -1;  // negative when it did not start or paint
    double megabytes = 0;
};

BaselineRun RunBaseline()
{
    BaselineRun run;
    e2e::Program baseline;
    const double started = NowMs();
    if (!baseline.Start(RV417_BASELINE_EXE_W))
        return run;
    double painted = 0;
    if (!Reached(
            baseline, started, [&] { return Painted(baseline, kBaselineTitle); }, painted))
        return run;
    Sleep(1000);
    run.megabytes = static_cast<double>(baseline.WorkingSet()) / (1024.0 * 1024.0);
    run.painted = painted;
    if (HWND window = baseline.FindWindow({kBaselineTitle, std::nullopt, true}))
        PostMessageW(window, WM_CLOSE, 0, 0);
    baseline.WaitForExit(5000);
    return run;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintAll(const char* what, const std::vector<double>& values)
{
    std::printf("%s, ms:", what);
    for (double ms : values)
        std::printf(" %.1f", ms);
    std::printf("\n");
}

}  // namespace

int wmain()
{
    e2e::ProgramFolder folder(RV417_BIN_DIR_W L"\\");
    if (!folder.copied()) {
        std::fprintf(stderr, "cannot copy the installed folder\n");
        return 1;
    }

    std::vector<double> rawStartups;
    std::vector<double> baselines;
    std::vector<double> workingSets;
    std::vector<double> baselineWorkingSets;
    // The first start of each warms the file cache and Wine's own; it is not
    // counted. The two take turns, so that the machine's load weighs on both
    // alike.
    for (int run = 0; run <= kRuns; ++run) {
        const char* label = run == 0 ? "warm-up:" : "start:  ";
        const BaselineRun baselineRun = RunBaseline();
        const double baseline = baselineRun.painted;
        if (baseline < 0 || baselineRun.megabytes <= 0) {
            std::printf("%s the baseline's window was not painted\n", label);
            continue;
        }

        e2e::Program program;
        const double started = NowMs();
        if (!program.Start(folder.Executable())) {
            std::printf("%s cannot start the program\n", label);
            continue;
        }
        Timeline timeline;
        if (!FollowStartup(program, started, timeline)) {
            std::printf("%s the main window was not painted\n", label);
            continue;
        }
        // Once the start-up has settled.
        Sleep(1000);
        const double megabytes = static_cast<double>(program.WorkingSet()) / (1024.0 * 1024.0);
        program.Stop();
        std::printf(
            "%s baseline painted %.1f ms; first window %.1f ms, splash shown %.1f ms for %.1f ms, main "
            "window painted %.1f ms, %.1f MB\n",
            label, baseline, timeline.firstWindow, timeline.splashShown, timeline.SplashOnScreen(), timeline.painted,
            megabytes);
        if (run > 0 && megabytes > 0) {
            rawStartups.push_back(timeline.AfterSplash());
            baselines.push_back(baseline);
            workingSets.push_back(megabytes);
            baselineWorkingSets.push_back(baselineRun.megabytes);
        }
    }

    PrintAll("start-up less the splash's time on the screen", rawStartups);
    PrintAll("baseline's first paint", baselines);
    const double raw = Median(rawStartups);
    const double baseline = Median(baselines);
    const WorkCount starts{static_cast<long>(rawStartups.size()), kRuns, "starts"};
    ReportFigure("startup.after_splash_raw", raw, "ms", starts);
    ReportFigure("startup.baseline_first_paint", baseline, "ms", starts);
    ReportAtMost("startup.after_splash", raw - baseline, "ms", kTargetMs, starts);
    ReportAtMost("startup.working_set", Median(workingSets), "MB", kTargetMegabytes, starts);
    // What Wine gives any program with a window is not the program's to cut.
    ReportFigure("startup.working_set_baseline", Median(baselineWorkingSets), "MB", starts);
    ReportFigure("startup.working_set_beyond_baseline", Median(workingSets) - Median(baselineWorkingSets), "MB",
                 starts);
    return 0;
}
