// The window that holds the keyboard for the icon's menu while the main
// window is hidden: shown at the menu's point and made the foreground
// window, it asks again for the focus on a few timer ticks, and never takes
// it back from a window the user has gone to.

#include "app/tray_menu_holder.h"

#include "skin/window_timers.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

// Timer seam that counts starts and stops; the test sends the ticks.
class CountedTimers : public WindowTimerSink {
public:
    CountedTimers() { SetWindowTimerSink(this); }
    ~CountedTimers() override { SetWindowTimerSink(nullptr); }
    CountedTimers(const CountedTimers&) = delete;
    CountedTimers& operator=(const CountedTimers&) = delete;

    void Start(HWND, UINT_PTR, UINT elapse) override
    {
        ++starts;
        lastElapse = elapse;
    }
    void Stop(HWND, UINT_PTR) override { ++stops; }

    int starts = 0;
    int stops = 0;
    UINT lastElapse = 0;
};

class TrayMenuHolder : public ::testing::Test {
protected:
    void Tick() { holder.SendMessage(WM_TIMER, CTrayMenuHolder::kTimerId, 0); }

    CountedTimers timers;
    CTrayMenuHolder holder;
};

}  // namespace

TEST_F(TrayMenuHolder, OpensAsTheForegroundPixelAtThePoint)
{
    ASSERT_TRUE(holder.Open({300, 200}));
    EXPECT_TRUE(holder.IsWindowVisible());
    CRect rect;
    holder.GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(300, 200, 301, 201));
    EXPECT_TRUE(holder.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(holder.GetExStyle() & WS_EX_TOOLWINDOW) << "no button on the taskbar";
    EXPECT_EQ(::GetForegroundWindow(), holder.m_hWnd);
    EXPECT_EQ(::GetFocus(), holder.m_hWnd);
    EXPECT_EQ(timers.starts, 1);
    EXPECT_EQ(timers.lastElapse, CTrayMenuHolder::kTimerMilliseconds);
}

TEST_F(TrayMenuHolder, AsksForTheFocusAFewTimesThenStops)
{
    ASSERT_TRUE(holder.Open({300, 200}));
    for (int n = 0; n < CTrayMenuHolder::kFocusRequests; ++n) {
        Tick();
        EXPECT_EQ(::GetFocus(), holder.m_hWnd) << n;
        EXPECT_EQ(timers.stops, 0) << n;
    }
    Tick();
    EXPECT_EQ(timers.stops, 1);
    EXPECT_EQ(::GetFocus(), holder.m_hWnd);
}

TEST_F(TrayMenuHolder, LeavesTheFocusWithAWindowTheUserWentTo)
{
    ASSERT_TRUE(holder.Open({300, 200}));
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, L"other", WS_POPUP | WS_VISIBLE, 400, 300, 50, 50, nullptr, nullptr));
    MakeActive(other.m_hWnd);
    ASSERT_EQ(::GetForegroundWindow(), other.m_hWnd);
    Tick();
    EXPECT_EQ(timers.stops, 1);
    EXPECT_EQ(::GetForegroundWindow(), other.m_hWnd);
    EXPECT_EQ(::GetFocus(), other.m_hWnd);
}

TEST_F(TrayMenuHolder, GoesWithItsObject)
{
    HWND window = nullptr;
    {
        CTrayMenuHolder scoped;
        ASSERT_TRUE(scoped.Open({300, 200}));
        window = scoped.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(window));
}
