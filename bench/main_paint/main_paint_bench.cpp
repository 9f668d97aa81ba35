// Times one full paint of the main window as the window gets it: shown, the
// mouse present, its client area invalidated and then painted by its own
// paint handler (every picture of its thirteen steps composed on the
// background and copied to the screen), with both side panels open and the
// Front page shown. The window has no WS_CLIPCHILDREN, so invalidating it
// invalidates the children over it too (buttons, sliders, the settings
// panel and its pages), which paint after it: main.paint is that whole
// paint, as when the window is uncovered; main.paint_handler is the
// window's own handler alone, its children left valid. Each once with the
// decoded pictures kept between paints (as the program paints), once with
// every picture decoded from its file again (the kept ones let go before
// each paint, outside the time). Also times the opening of an assignment
// box's menu until it is shown and painted.
//
// Counted: the paints the window's own procedure handled that left nothing
// to paint in the window or below it (bench/paint_count.h), and the menus
// shown and painted.
//
// The window is built as the start-up builds it (skin, buttons, panels,
// page) without the rest of the start-up: no splash, no read thread. The
// emulated mouse stands in for the mouse, found as the start-up finds it:
// without the mouse the window hides itself at its first non-client paints
// and no paint reaches its handler.
//
// Run: wine bench_main_paint.exe [program folder with Skins\] [iterations]
// Prints one BENCH line per figure (bench_report.h).

#include "app/main_window.h"
#include "app/program_module_path.h"
#include "app/tray_calls.h"
#include "bench_report.h"
#include "bench_timing.h"
#include "classlib/gdiplus_session.h"
#include "device/emulated/emulated_mouse.h"
#include "device/hid_link.h"
#include "paint_count.h"
#include "resource.h"
#include "skin/png_cache.h"
#include "text/function_catalogues.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// One frame at 60 Hz.
constexpr double kTargetMs = 16.0;

// The main window with the look the start-up gives it, and nothing else;
// its paints counted. It finds the mouse as the start-up does.
class PaintedMainWindow : public PaintCounted<CMouseConfigurationDlg> {
public:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        g_bDeviceOpen = FindDevice() ? TRUE : FALSE;
        InitSkin();
        InitButtons();
        InitPanels();
        SwitchPage(1);
        return TRUE;
    }
};

// How much of the window a paint takes in: the whole window as it paints
// when it is uncovered (its client area invalidated: the window has no
// WS_CLIPCHILDREN, so its children over it are invalidated and painted
// too), or its own handler alone (the children left valid).
enum class Extent { WholeWindow, HandlerAlone };

// One paint as the window gets it: invalidated, then painted by its
// handler. True when the handler ran once and left nothing to paint.
bool PaintOnce(PaintedMainWindow& window, Extent extent, Stopwatch& watch)
{
    const long before = window.paints;
    watch.Time([&] {
        if (extent == Extent::WholeWindow)
            ::InvalidateRect(window.m_hWnd, nullptr, FALSE);
        else
            ::RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
        ::UpdateWindow(window.m_hWnd);
        ReleaseTemporaryGdiWrappers();  // what the message loop does when idle
    });
    return window.paints == before + 1 && NothingLeftToPaint(window.m_hWnd);
}

// The paints of one extent, with the decoded pictures kept and with every
// picture decoded again.
struct PaintRuns {
    Stopwatch kept;
    Stopwatch decoding;
    WorkCount keptCount;
    WorkCount decodingCount;
};

// `iterations` rounds after one of warm-up (first use of the decoder, fonts
// and surfaces). Each round paints each extent once with the pictures kept
// and once after letting them go (outside the time), so that the machine's
// load weighs on all four alike.
std::array<PaintRuns, 2> TimePaints(PaintedMainWindow& window, int iterations)
{
    std::array<PaintRuns, 2> runs;
    for (PaintRuns& extent : runs)
        extent.keptCount = extent.decodingCount = WorkCount{0, iterations, "paints"};
    for (int i = 0; i <= iterations; ++i) {
        Stopwatch warmUp;
        for (const Extent extent : {Extent::WholeWindow, Extent::HandlerAlone}) {
            PaintRuns& of = runs[static_cast<size_t>(extent)];
            const bool kept = PaintOnce(window, extent, i == 0 ? warmUp : of.kept);
            ClearPngCache();
            const bool decoded = PaintOnce(window, extent, i == 0 ? warmUp : of.decoding);
            if (i == 0)
                continue;
            of.keptCount.done += kept ? 1 : 0;
            of.decodingCount.done += decoded ? 1 : 0;
        }
    }
    return runs;
}

void PrintSpans(const char* what, const Stopwatch& watch)
{
    std::printf("  %s: median %.2f ms, mean %.2f ms\n", what, watch.MedianMs(), watch.MeanMs());
}

// The time from the box's command to its menu shown and painted: the menu
// loop's first message marks it running, its window is painted there and
// then, and the queued Esc presses close it. A menu counts when its window
// was on the screen and left nothing to paint.
double g_menuStart = 0.0;
Stopwatch g_menuShown;
bool g_menuSeen = false;
long g_menusShown = 0;

LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && !g_menuSeen) {
        g_menuSeen = true;
        const HWND menu = ::FindWindowW(L"#32768", nullptr);
        if (menu)
            ::RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        g_menuShown.Add(NowMs() - g_menuStart);
        if (menu && ::IsWindowVisible(menu) && NothingLeftToPaint(menu))
            ++g_menusShown;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

struct MenuRuns {
    Stopwatch shown;
    WorkCount count;
};

MenuRuns TimeMenuOpen(CMouseConfigurationDlg& window, int iterations)
{
    const HHOOK hook = ::SetWindowsHookExW(WH_MSGFILTER, &MenuFilter, nullptr, ::GetCurrentThreadId());
    const auto open = [&] {
        for (int k = 0; k < 3; ++k)
            window.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        g_menuSeen = false;
        g_menuStart = NowMs();
        window.ShowAssignMenu(1);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    };
    open();  // warm-up
    g_menuShown = Stopwatch();
    g_menusShown = 0;
    for (int i = 0; i < iterations; ++i)
        open();
    ::UnhookWindowsHookEx(hook);
    return {g_menuShown, {g_menusShown, iterations, "menus"}};
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring folder = argc > 1 ? argv[1] : RV417_BIN_DIR_W;
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    const int iterations = argc > 2 ? std::max(1, _wtoi(argv[2])) : 100;
    if (!EnsureGdiplusStarted())
        return 1;
    // The window takes its folder from the program's path.
    const ScopedProgramModulePath program((folder + L"RV417 TALVEN.exe").c_str());
    ProgramLanguage() = L"EN";
    g_TextTable.Load(L"EN");
    CopyDpiActionsFromTextTable();

    EmulatedMouse mouse;
    ScopedHidBackend useMouse(mouse);

    // The window's destruction ends the program's process; here the
    // benchmark goes on to its own end.
    const ScopedTrayCalls tray(TrayCalls{RealTrayCalls().shellNotifyIcon, [](int) {}});
    PaintedMainWindow window;
    if (!window.Create(IDD_MAIN)) {
        std::fprintf(stderr, "the main window could not be made\n");
        return 1;
    }
    if (window.m_nWindowWidth == 0) {
        std::fprintf(stderr, "no skin in %ls\n", folder.c_str());
        return 1;
    }
    if (!g_bDeviceOpen) {
        std::fprintf(stderr, "the emulated mouse was not found\n");
        return 1;
    }
    window.SetButtonPanelState(0);
    window.SetSecondPanelState(0);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

    // What invalidating the window's client area leaves to paint.
    ::InvalidateRect(window.m_hWnd, nullptr, FALSE);
    const int waiting = WindowsInViewOf(window.m_hWnd, true);
    ::UpdateWindow(window.m_hWnd);
    std::printf(
        "main window %d x %d, %s, both side panels open; %d windows in view, %d of them to paint once the "
        "window's client area is invalidated; %d rounds\n",
        window.m_nWindowWidth, window.m_nWindowHeight, ::IsWindowVisible(window.m_hWnd) ? "shown" : "hidden",
        WindowsInViewOf(window.m_hWnd), waiting, iterations);
    const std::array<PaintRuns, 2> paints = TimePaints(window, iterations);
    const PaintRuns& whole = paints[static_cast<size_t>(Extent::WholeWindow)];
    const PaintRuns& alone = paints[static_cast<size_t>(Extent::HandlerAlone)];
    PrintSpans("whole window, pictures kept", whole.kept);
    PrintSpans("whole window, decoding every picture", whole.decoding);
    PrintSpans("its handler alone, pictures kept", alone.kept);
    PrintSpans("its handler alone, decoding every picture", alone.decoding);
    ReportAtMost("main.paint", whole.kept.MedianMs(), "ms", kTargetMs, whole.keptCount);
    ReportFigure("main.paint_decoding_every_picture", whole.decoding.MedianMs(), "ms", whole.decodingCount);
    ReportFigure("main.paint_handler", alone.kept.MedianMs(), "ms", alone.keptCount);
    ReportFigure("main.paint_handler_decoding_every_picture", alone.decoding.MedianMs(), "ms", alone.decodingCount);

    std::printf("assignment menu of box 2, shown and painted, then closed with Esc; %d rounds\n", iterations);
    const MenuRuns menu = TimeMenuOpen(window, iterations);
    PrintSpans("menu shown and painted", menu.shown);
    ReportAtMost("menu.open", menu.shown.MedianMs(), "ms", kTargetMs, menu.count);

    window.DestroyWindow();
    CloseDeviceHandles();
    return 0;
}
