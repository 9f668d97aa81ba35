// Times one full paint of the main window: every picture of its thirteen
// steps composed on the background and copied to the screen, with both side
// panels open and the Front page shown. Once with the decoded pictures kept
// between paints (as the window paints), once with every picture decoded
// from its file again on each paint. Also times the opening of an
// assignment box's menu until it is shown and painted.
//
// The window is built as the start-up builds it (skin, buttons, panels,
// page) without the rest of the start-up: no splash, no mouse.
//
// Run: wine bench_main_paint.exe [program folder with Skins\] [iterations]
// Prints one BENCH line per figure (bench_report.h).

#include "app/main_window.h"
#include "app/tray_calls.h"
#include "app/program_module_path.h"
#include "bench_report.h"
#include "classlib/gdiplus_session.h"
#include "resource.h"
#include "skin/png_cache.h"
#include "text/function_catalogues.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// One frame at 60 Hz.
constexpr double kTargetMs = 16.0;

double NowMs()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <class Step> double MeanMs(int iterations, Step step)
{
    step();  // warm-up: first use of the decoder, fonts and surfaces
    const double start = NowMs();
    for (int i = 0; i < iterations; ++i) {
        step();
        ReleaseTemporaryGdiWrappers();  // what the message loop does when idle
    }
    return (NowMs() - start) / iterations;
}

// The main window with the look the start-up gives it, and nothing else.
class PaintedMainWindow : public CMouseConfigurationDlg {
public:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        InitSkin();
        InitButtons();
        InitPanels();
        SwitchPage(1);
        return TRUE;
    }
};

// The time from the box's command to its menu shown and painted: the menu
// loop's first message marks it running, its window is painted there and
// then, and the queued Esc presses close it.
double g_menuStart = 0.0;
double g_menuShownTotal = 0.0;
bool g_menuSeen = false;

LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && !g_menuSeen) {
        g_menuSeen = true;
        if (const HWND menu = ::FindWindowW(L"#32768", nullptr))
            ::RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        g_menuShownTotal += NowMs() - g_menuStart;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

double MenuOpenMs(CMouseConfigurationDlg& window, int iterations)
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
    g_menuShownTotal = 0.0;
    for (int i = 0; i < iterations; ++i)
        open();
    ::UnhookWindowsHookEx(hook);
    return g_menuShownTotal / iterations;
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
    window.SetButtonPanelState(0);
    window.SetSecondPanelState(0);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);

    std::printf("main window %d x %d, both side panels open; mean of %d\n", window.m_nWindowWidth,
                window.m_nWindowHeight, iterations);
    const auto paint = [&] { ::RedrawWindow(window.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    ReportAtMost("main.paint", MeanMs(iterations, paint), "ms", kTargetMs);
    ReportFigure("main.paint_decoding_every_picture",
                 MeanMs(iterations,
                        [&] {
                            ClearPngCache();
                            paint();
                        }),
                 "ms");

    std::printf("assignment menu of box 2, shown and painted, then closed with Esc; mean of %d\n", iterations);
    ReportAtMost("menu.open", MenuOpenMs(window, iterations), "ms", kTargetMs);

    window.DestroyWindow();
    return 0;
}
