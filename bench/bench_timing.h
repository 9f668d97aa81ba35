#pragma once
// The benchmarks' clock: milliseconds of the performance counter, and a
// stopwatch that adds up only the spans it times, so that a loop can check
// each round's work outside the figure.

#include <windows.h>

inline double NowMs()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / frequency;
}

class Stopwatch {
public:
    template <class Work> void Time(Work work)
    {
        const double start = NowMs();
        work();
        m_totalMs += NowMs() - start;
    }
    double TotalMs() const { return m_totalMs; }
    // The mean of `rounds` timed spans; 0 when there were none.
    double MeanMs(long rounds) const { return rounds > 0 ? m_totalMs / static_cast<double>(rounds) : 0.0; }

private:
    double m_totalMs = 0.0;
};
