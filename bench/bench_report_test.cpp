// The rule every benchmark's figure is judged by: its line carries the count
// of the work done, and a count that is not the one asked for puts
// "unmeasured" where the figure would be, which scripts/bench fails on.

#include "bench_report.h"

#include <gtest/gtest.h>

namespace {

TEST(BenchLine, CarriesTheFigureWithItsCountWhenTheLoopDidWhatItAskedFor)
{
    EXPECT_EQ(BenchLine("main.paint", 1.875, "ms", AtMostTarget(16), {100, 100, "paints"}),
              "BENCH main.paint 1.875 ms <=16 100/100 paints");
    EXPECT_EQ(BenchLine("upload.total", 3418.25, "ms", "-", {3, 3, "uploads"}),
              "BENCH upload.total 3418.25 ms - 3/3 uploads");
    EXPECT_EQ(BenchLine("rate", 99.5, "%", AtLeastTarget(90), {1, 1, "runs"}), "BENCH rate 99.5 % >=90 1/1 runs");
}

TEST(BenchLine, IsUnmeasuredWhenTheCountIsNotWhatTheLoopAskedFor)
{
    // An empty call timed: the handler never ran.
    EXPECT_EQ(BenchLine("main.paint", 0.0124, "ms", AtMostTarget(16), {0, 100, "paints"}),
              "BENCH main.paint unmeasured ms <=16 0/100 paints");
    // Some rounds did nothing.
    EXPECT_EQ(BenchLine("menu.open", 2.5, "ms", "-", {99, 100, "menus"}),
              "BENCH menu.open unmeasured ms - 99/100 menus");
    // More work than the figure is divided by.
    EXPECT_EQ(BenchLine("menu.open", 2.5, "ms", "-", {101, 100, "menus"}),
              "BENCH menu.open unmeasured ms - 101/100 menus");
    // A loop that asked for nothing measured nothing.
    EXPECT_EQ(BenchLine("empty", 0, "ms", "-", {0, 0, "rounds"}), "BENCH empty unmeasured ms - 0/0 rounds");
}

}  // namespace
