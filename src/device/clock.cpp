#include "device/clock.h"

#include <atomic>

namespace {

SystemClock g_systemClock;
std::atomic<Clock*> g_clock{&g_systemClock};

}  // namespace

void SystemClock::Sleep(DWORD milliseconds)
{
    ::Sleep(milliseconds);
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
