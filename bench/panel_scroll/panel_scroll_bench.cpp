// Times one scroll step of the settings panel: a line scroll message as the
// skinned bar or the wheel sends it, with every repaint it causes (the
// panel's background, the headers and pages moved into view, the skinned
// bar), all sections open. Also times a full repaint of the panel and the
// decoding and drawing of its background picture without the kept copy.
//
// Counted: the steps that moved the content by a line and were painted by
// the panel's own paint handler with nothing left to paint; the repaints
// the panel's handler made with nothing left to paint anywhere in it
// (bench/paint_count.h); the pictures drawn.
//
// Run: wine bench_panel_scroll.exe [program folder with Skins\] [iterations]
// Prints one BENCH line per figure (bench_report.h).

#include "bench_report.h"
#include "bench_timing.h"
#include "classlib/gdiplus_session.h"
#include "classlib/wnd.h"
#include "pages/dlg_advance.h"
#include "paint_count.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/skin_draw.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// One frame at 60 Hz.
constexpr double kTargetMs = 16.0;

void PaintEverythingNow(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

struct Runs {
    double medianMs = 0;
    WorkCount count;
};

// `iterations` rounds after one of warm-up (first use of the decoder, fonts
// and surfaces); `round(i, watch)` times its work with `watch` and tells
// whether the work was done.
template <class Round> Runs TimeRounds(int iterations, const char* work, Round round)
{
    Stopwatch warmUp;
    round(0, warmUp);
    Stopwatch watch;
    Runs runs{0, {0, iterations, work}};
    for (int i = 1; i <= iterations; ++i)
        if (round(i, watch))
            ++runs.count.done;
    runs.medianMs = watch.MedianMs();
    std::printf("  %s: median %.2f ms, mean %.2f ms\n", work, watch.MedianMs(), watch.MeanMs());
    return runs;
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
    SetAppDir(folder.c_str());
    ProgramLanguage() = L"EN";
    g_TextTable.Load(L"EN");

    // The panel where the main window puts it, wrapped, with every section open.
    CWnd host;
    host.CreateEx(0, nullptr, L"panel scroll", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 1000, 650, nullptr, nullptr);
    PaintCounted<CDlgadvance> panel;
    if (!panel.Create(IDD_PANEL, &host)) {
        std::fprintf(stderr, "the panel could not be made\n");
        return 1;
    }
    panel.MoveWindow(735, 32, 260, 561, TRUE);
    panel.AttachSkinScrollBar();
    panel.ShowWindow(SW_SHOW);
    panel.m_nContentWidth = 230;
    panel.m_nContentHeight = 563;
    panel.UpdateScrollRange();
    host.ShowWindow(SW_SHOW);
    panel.ToggleDpiSection(0);
    panel.ToggleLightingSection(0);
    panel.ToggleReportRateSection(0);
    panel.ToggleMouseSpeedSection(0);
    panel.ToggleDoubleClickSection(0);
    panel.ToggleWheelSpeedSection(0);
    panel.ToggleAngleSnapSection(0);
    // The windows reach the screen only once their first messages are handled.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    PaintEverythingNow(host.m_hWnd);

    std::printf("panel content %d rows, page %d, %d windows in view; %d rounds\n", panel.m_nContentHeight,
                panel.m_nPageHeight, WindowsInViewOf(panel.m_hWnd), iterations);
    // Down and up in turn: every step moves the content by one line.
    const Runs step = TimeRounds(iterations, "steps", [&](int i, Stopwatch& watch) {
        const int before = panel.m_nScrollPos;
        const long paints = panel.paints;
        watch.Time([&] {
            ::SendMessageW(panel.m_hWnd, WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
            PaintEverythingNow(host.m_hWnd);
            ReleaseTemporaryGdiWrappers();  // what the message loop does when idle
        });
        const bool moved = i % 2 ? panel.m_nScrollPos < before : panel.m_nScrollPos > before;
        return moved && panel.paints > paints && NothingLeftToPaint(host.m_hWnd);
    });
    ReportAtMost("panel.scroll_step", step.medianMs, "ms", kTargetMs, step.count);

    const Runs repaint = TimeRounds(iterations, "repaints", [&](int, Stopwatch& watch) {
        const long paints = panel.paints;
        watch.Time([&] {
            ::RedrawWindow(panel.m_hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            ReleaseTemporaryGdiWrappers();
        });
        return panel.paints == paints + 1 && NothingLeftToPaint(panel.m_hWnd);
    });
    ReportAtMost("panel.full_repaint", repaint.medianMs, "ms", kTargetMs, repaint.count);

    // What each paint of the panel would decode without the kept picture.
    const std::wstring background = folder + L"Skins\\BK_MainRight.png";
    CClientDC dc(panel.m_hWnd);
    const Runs decode = TimeRounds(iterations, "pictures", [&](int, Stopwatch& watch) {
        int drawn = 0;
        watch.Time([&] {
            drawn = DrawPngWithAlpha(&dc, background.c_str(), 0, 0);
            ReleaseTemporaryGdiWrappers();
        });
        return drawn == 1;
    });
    ReportFigure("panel.background_decode_draw", decode.medianMs, "ms", decode.count);

    panel.DestroyWindow();
    host.DestroyWindow();
    return 0;
}
