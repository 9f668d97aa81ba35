// The splash window on real windows: its picture, size and place, its
// three-second timer, and the keys and clicks it swallows.

#include "app/splash.h"

#include "classlib/message_pump.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/window_timers.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Timer seam that records each start.
class RecordedTimers : public WindowTimerSink {
public:
    RecordedTimers() { SetWindowTimerSink(this); }
    ~RecordedTimers() override { SetWindowTimerSink(nullptr); }
    RecordedTimers(const RecordedTimers&) = delete;
    RecordedTimers& operator=(const RecordedTimers&) = delete;

    void Start(HWND window, UINT_PTR id, UINT elapse) override
    {
        starts.push_back({window, id, elapse});
        if (fire)
            ::PostMessageW(window, WM_TIMER, id, 0);
    }
    void Stop(HWND, UINT_PTR) override { ++stops; }

    struct Start_ {
        HWND window;
        UINT_PTR id;
        UINT elapse;
    };
    std::vector<Start_> starts;
    int stops = 0;
    bool fire = false;
};

// A splash that keeps the messages offered to its pre-translation.
class WatchedSplash : public CDlgSplash {
public:
    BOOL PreTranslateMessage(MSG* msg) override
    {
        offered.push_back(msg->message);
        return CDlgSplash::PreTranslateMessage(msg);
    }
    bool Offered(UINT message) const { return std::find(offered.begin(), offered.end(), message) != offered.end(); }
    std::vector<UINT> offered;
};

// Handles what is queued, with pre-translation, as the program's loops do.
void PumpWithPreTranslation()
{
    int quitCode = 0;
    while (msgpump::MessageWaiting())
        if (!msgpump::PumpMessage(quitCode))
            break;
}

void SendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

void PressKey(WORD key)
{
    SendKey(key, false);
    SendKey(key, true);
}

void ClickAt(POINT screen, DWORD down, DWORD up)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].mi.dwFlags = up;
    ::SendInput(2, inputs, sizeof inputs[0]);
}

class Splash : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppDir(RV417_BIN_DIR_W L"\\");
        ASSERT_EQ(picture.Load(RV417_BIN_DIR_W L"\\Skins\\splash.png"), S_OK);
    }
    void TearDown() override { SetAppDir(L""); }

    COLORREF PicturePixel(int x, int y) const
    {
        const auto* row = static_cast<const uint8_t*>(picture.GetBits()) + y * picture.GetPitch();
        const uint8_t* pixel = row + x * (picture.GetBPP() / 8);
        return RGB(pixel[2], pixel[1], pixel[0]);
    }

    CImage picture;
    RecordedTimers timers;
};

}  // namespace

TEST(SplashKeys, SwallowsKeyAndMousePressesOnly)
{
    for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN,
                         WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN})
        EXPECT_TRUE(IsSwallowedBySplash(message)) << message;
    for (UINT message :
         {WM_KEYUP, WM_SYSKEYUP, WM_CHAR, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_TIMER, WM_PAINT, WM_COMMAND})
        EXPECT_FALSE(IsSwallowedBySplash(message)) << message;
}

// The picture fills the window, which is centred on the work area, and its
// three-second timer runs.
TEST_F(Splash, ShowsItsPictureCentredAndStartsItsTimer)
{
    CDlgSplash splash;
    ASSERT_TRUE(splash.Create(IDD_SPLASH));
    ASSERT_EQ(timers.starts.size(), 1u);
    EXPECT_EQ(timers.starts[0].window, splash.m_hWnd);
    EXPECT_EQ(timers.starts[0].id, IDT_SPLASH);
    EXPECT_EQ(timers.starts[0].elapse, 3000u);

    EXPECT_EQ(splash.m_nWidth, picture.GetWidth());
    EXPECT_EQ(splash.m_nHeight, picture.GetHeight());
    RECT rect{};
    splash.GetWindowRect(&rect);
    EXPECT_EQ(rect.right - rect.left, picture.GetWidth());
    EXPECT_EQ(rect.bottom - rect.top, picture.GetHeight());
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((rect.left + rect.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((rect.top + rect.bottom) / 2, (work.top + work.bottom) / 2, 1);

    splash.ShowWindow(SW_SHOW);
    splash.RedrawWindow();
    HDC dc = ::GetDC(splash.m_hWnd);
    for (const POINT p : {POINT{0, 0}, POINT{picture.GetWidth() / 2, picture.GetHeight() / 3},
                          POINT{picture.GetWidth() - 1, picture.GetHeight() - 1}})
        EXPECT_EQ(::GetPixel(dc, p.x, p.y), PicturePixel(p.x, p.y)) << p.x << "," << p.y;
    ::ReleaseDC(splash.m_hWnd, dc);
}

// Escape, Enter, Alt+F4 and clicks reach the splash and leave it open;
// timer 1 closes it.
TEST_F(Splash, KeysAndClicksDoNotCloseItButItsTimerDoes)
{
    WatchedSplash splash;
    ASSERT_TRUE(splash.Create(IDD_SPLASH));
    splash.ShowWindow(SW_SHOW);
    splash.SetForegroundWindow();
    PumpWithPreTranslation();

    PressKey(VK_ESCAPE);
    PressKey(VK_RETURN);
    SendKey(VK_MENU, false);
    PressKey(VK_F4);
    SendKey(VK_MENU, true);
    RECT rect{};
    splash.GetWindowRect(&rect);
    const POINT inside{rect.left + 10, rect.top + 10};
    ClickAt(inside, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    ClickAt(inside, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    PumpWithPreTranslation();

    EXPECT_TRUE(splash.Offered(WM_KEYDOWN));
    EXPECT_TRUE(splash.Offered(WM_SYSKEYDOWN));
    EXPECT_TRUE(splash.Offered(WM_LBUTTONDOWN));
    EXPECT_TRUE(splash.Offered(WM_RBUTTONDOWN));
    EXPECT_TRUE(splash.IsWindowVisible()) << "a key or a click closed the splash";

    splash.PostMessage(WM_TIMER, IDT_SPLASH);
    PumpWithPreTranslation();
    EXPECT_FALSE(splash.IsWindowVisible());
    EXPECT_EQ(timers.stops, 0) << "the timer ends with the window";
}

// Run modally, as the main window does, it ends with Cancel on its timer.
TEST_F(Splash, ModalRunEndsOnTimerOne)
{
    timers.fire = true;
    CDlgSplash splash;
    EXPECT_EQ(splash.DoModal(), IDCANCEL);
    EXPECT_EQ(splash.m_hWnd, nullptr);
}

// Without its picture the splash has no size, and still closes on time.
TEST_F(Splash, MissingPictureGivesAnEmptyWindowThatStillCloses)
{
    TempFolder empty;
    SetAppDir(empty.path().c_str());
    timers.fire = true;
    CDlgSplash splash;
    EXPECT_EQ(splash.DoModal(), IDCANCEL);
    EXPECT_EQ(splash.m_nWidth, 0);
    EXPECT_EQ(splash.m_nHeight, 0);
    ASSERT_EQ(timers.starts.size(), 1u);
    EXPECT_EQ(timers.starts[0].elapse, 3000u);
}
