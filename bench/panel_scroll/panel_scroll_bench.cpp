// Times one scroll step of the settings panel: a line scroll message as the
// skinned bar or the wheel sends it, with every repaint it causes (the
// panel's background, the headers and pages moved into view, the skinned
// bar), all sections open. Also times a full repaint of the panel and the
// decoding and drawing of its background picture, which every paint does.
//
// Run: wine bench_panel_scroll.exe [program folder with Skins\] [iterations]
// Prints one BENCH line per figure (bench_report.h).

#include "bench_report.h"
#include "classlib/gdiplus_session.h"
#include "classlib/wnd.h"
#include "pages/dlg_advance.h"
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

double NowMs()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void PaintEverythingNow(HWND window)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

template <class Step> double MeanMs(int iterations, Step step)
{
    step(0);  // warm-up: first use of the decoder, fonts and surfaces
    const double start = NowMs();
    for (int i = 1; i <= iterations; ++i) {
        step(i);
        ReleaseTemporaryGdiWrappers();  // what the message loop does when idle
    }
    return (NowMs() - start) / iterations;
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
    CDlgadvance panel;
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

    std::printf("panel content %d rows, page %d; mean of %d\n", panel.m_nContentHeight, panel.m_nPageHeight,
                iterations);
    // Down and up in turn: every step moves the content by one line.
    const double step = MeanMs(iterations, [&](int i) {
        ::SendMessageW(panel.m_hWnd, WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        PaintEverythingNow(host.m_hWnd);
    });
    ReportAtMost("panel.scroll_step", step, "ms", kTargetMs);

    const double repaint = MeanMs(iterations, [&](int) {
        ::RedrawWindow(panel.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    ReportAtMost("panel.full_repaint", repaint, "ms", kTargetMs);

    // What each paint of the panel decodes: its background picture.
    const std::wstring background = folder + L"Skins\\BK_MainRight.png";
    CClientDC dc(panel.m_hWnd);
    ReportFigure("panel.background_decode_draw",
                 MeanMs(iterations, [&](int) { DrawPngWithAlpha(&dc, background.c_str(), 0, 0); }), "ms");

    panel.DestroyWindow();
    host.DestroyWindow();
    return 0;
}
