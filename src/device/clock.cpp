#include "device/clock.h"

#include <atomic>

namespace {

SystemClock g_systemClock;
std::atomic<Clock*> g_clock{&g_systemClock};

}  // namespace

// The system's own pause ends late by up to its timer's granularity, and by
// the 42 pauses of a full upload that adds up. A pause that paces the mouse
// must last at least its length and need not last longer: the system pauses
// for all but the last milliseconds, then the thread yields until the length
// is reached.
void SystemClock::Sleep(DWORD milliseconds)
{
    constexpr DWORD kYieldingMs = 2;
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    const LONGLONG end = now.QuadPart + static_cast<LONGLONG>(milliseconds) * frequency.QuadPart / 1000;
    if (milliseconds > kYieldingMs)
        ::Sleep(milliseconds - kYieldingMs);
    for (;;) {
        QueryPerformanceCounter(&now);
        if (now.QuadPart >= end)
            return;
        SwitchToThread();
    }
}

DWORD SystemClock::GetTickCount()
{
    return ::GetTickCount();
}

void VirtualClock::Sleep(DWORD milliseconds)
{
    std::lock_guard lock(m_mutex);
    m_now += milliseconds;
    m_pauses.push_back(milliseconds);
}

DWORD VirtualClock::GetTickCount()
{
    std::lock_guard lock(m_mutex);
    return m_now;
}

void VirtualClock::Advance(DWORD milliseconds)
{
    std::lock_guard lock(m_mutex);
    m_now += milliseconds;
}

std::vector<DWORD> VirtualClock::Pauses() const
{
    std::lock_guard lock(m_mutex);
    return m_pauses;
}

void VirtualClock::ClearPauses()
{
    std::lock_guard lock(m_mutex);
    m_pauses.clear();
}

void ClockSleep(DWORD milliseconds)
{
    g_clock.load()->Sleep(milliseconds);
}

DWORD ClockTickCount()
{
    return g_clock.load()->GetTickCount();
}

Clock* SetClock(Clock* clock)
{
    Clock* previous = g_clock.exchange(clock ? clock : &g_systemClock);
    return previous;
}
