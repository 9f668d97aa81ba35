#pragma once
// The test executables share one virtual display. Those that show, activate
// or read back real windows run one at a time (rv417_uses_desktop in
// cmake/rv417.cmake), and ctest tells them so with RV417_TEST_USES_DESKTOP=1;
// every other executable runs beside them. A top-level window that one of
// those others shows takes the foreground, the keyboard focus or the pixels
// from the test that holds the display, which then fails for no fault of its
// own. Every test executable outside that set therefore runs under a
// DesktopGuard, and showing such a window there fails the test that did it.

#include <windows.h>

// While it lives, every top-level window that this thread shows or activates
// is a test failure naming the window.
class DesktopGuard {
public:
    DesktopGuard();
    ~DesktopGuard();
    DesktopGuard(const DesktopGuard&) = delete;
    DesktopGuard& operator=(const DesktopGuard&) = delete;

private:
    HHOOK m_creation = nullptr;
    HHOOK m_calls = nullptr;
};

// True when ctest runs this process as one of the tests that hold the display.
bool TestHoldsTheDesktop();
