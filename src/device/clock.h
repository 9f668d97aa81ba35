#pragma once
// The one clock of the program: every protocol pause and every tick count
// goes through it, so tests can replace it with a virtual clock that advances
// instantly and records each pause.

#include "classlib/scoped_install.h"

#include <windows.h>

#include <mutex>
#include <vector>

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(DWORD milliseconds) = 0;
    virtual DWORD GetTickCount() = 0;
};

// The operating system's clock: a real pause and the real tick count.
class SystemClock final : public Clock {
public:
    void Sleep(DWORD milliseconds) override;
    DWORD GetTickCount() override;
};

// A clock that stands still until paused: each pause advances it at once by
// the pause's length and is recorded. Safe to use from several threads.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(DWORD startTick = 1000) : m_now(startTick) {}

    void Sleep(DWORD milliseconds) override;
    DWORD GetTickCount() override;

    // Moves the clock on without recording a pause.
    void Advance(DWORD milliseconds);
    // Every pause so far, in order.
    std::vector<DWORD> Pauses() const;
    void ClearPauses();

private:
    mutable std::mutex m_mutex;
    DWORD m_now;
    std::vector<DWORD> m_pauses;
};

// Pauses the calling thread on the installed clock.
void ClockSleep(DWORD milliseconds);
// The installed clock's tick count in milliseconds.
DWORD ClockTickCount();

// Installs `clock` (nullptr restores the system clock); returns the previous
// one. The caller keeps `clock` alive while it is installed.
Clock* SetClock(Clock* clock);

// Installs a clock for the lifetime of the object, then puts back the previous.
using ScopedClock = ScopedInstallObject<Clock, &SetClock>;
