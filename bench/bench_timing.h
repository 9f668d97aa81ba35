#pragma once
// The benchmarks' clock: milliseconds of the performance counter, and a
// stopwatch that keeps each span it times, so that a loop can check each
// round's work outside its figure. Figures are the median span: on a
// machine shared with other work, a round that another process interrupts
// moves the mean by its whole delay and the median hardly at all.

#include <windows.h>

#include <algorithm>
#include <numeric>
#include <vector>

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
        Add(NowMs() - start);
    }
    // A span timed elsewhere.
    void Add(double spanMs) { m_spans.push_back(spanMs); }

    // The middle span (the upper of the two middle ones); 0 without spans.
    double MedianMs() const
    {
        if (m_spans.empty())
            return 0.0;
        std::vector<double> sorted = m_spans;
        std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2), sorted.end());
        return sorted[sorted.size() / 2];
    }
    double MeanMs() const
    {
        return m_spans.empty()
                   ? 0.0
                   : std::accumulate(m_spans.begin(), m_spans.end(), 0.0) / static_cast<double>(m_spans.size());
    }

private:
    std::vector<double> m_spans;
};
