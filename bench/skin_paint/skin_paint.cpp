// Times the paints of the skinned controls under the current platform:
// a PNG drawn with DrawPngWithAlpha (decoded on every call), a captioned
// CBitmapBtn, a CDMarker and a CDMarkerV, and the button's set-up from its
// PNG files (decode, cut, first paint). Prints microseconds per operation,
// each also as a figure for scripts/bench (no targets yet). Counted: the
// pictures drawn, and the paints made by the control's own paint handler
// (the button's DrawItem, the slider's WM_PAINT) that left nothing to paint.
//
// Run: wine skin_paint.exe [iterations]

#include "bench_report.h"
#include "bench_timing.h"
#include "classlib/gdiplus_session.h"
#include "classlib/image.h"
#include "paint_count.h"
#include "skin/bitmap_btn.h"
#include "skin/marker.h"
#include "skin/skin_draw.h"
#include "support/png_file.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A picture of the size the program's skins have, with a gradient so the
// encoder cannot shrink it to nothing; `alpha` varies the transparency.
void WritePicture(const std::wstring& path, int width, int height, bool alpha)
{
    WritePngFile(
        path, width, height,
        [alpha](int x, int y) {
            return Rgba{static_cast<BYTE>(x * 3), static_cast<BYTE>(y * 5), 90,
                        alpha ? static_cast<BYTE>((x * 7 + y) & 0xFF) : BYTE{255}};
        },
        alpha);
}

bool LoadPicture(const std::wstring& path, CBitmap& bitmap)
{
    CImage image;
    if (FAILED(image.Load(path.c_str())))
        return false;
    bitmap.DeleteObject();
    return bitmap.Attach(image.Detach());
}

// The skinned button with the draws of its own handler counted.
class CountedButton : public CBitmapBtn {
public:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override
    {
        CBitmapBtn::DrawItem(drawItem);
        ++draws;
    }
    long draws = 0;
};

// Times `iterations` rounds after one of warm-up (first use of fonts,
// decoder, surfaces); `round(watch)` times its work with `watch` and tells
// whether it was done. `id` names the figure, `name` the line for people.
template <class Round>
void Time(const std::string& id, const std::string& name, int iterations, const char* work, Round round)
{
    Stopwatch warmUp;
    round(warmUp);
    Stopwatch watch;
    WorkCount count{0, iterations, work};
    for (int i = 0; i < iterations; ++i)
        if (round(watch))
            ++count.done;
    const double perCall = watch.MedianMs() * 1000.0;
    std::printf("%-44s %10.1f us (mean %.1f us)  %ld/%d %s\n", name.c_str(), perCall, watch.MeanMs() * 1000.0,
                count.done, iterations, work);
    ReportFigure(id.c_str(), perCall, "us", count);
}

// Repaints `window` now, as its owner's Invalidate and the message loop do,
// timed; `paints` is the counter of its handler's paints.
bool PaintNow(HWND window, const long& paints, Stopwatch& watch)
{
    const long before = paints;
    watch.Time([&] {
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        ReleaseTemporaryGdiWrappers();  // what the message loop does when idle
    });
    return paints == before + 1 && NothingLeftToPaint(window);
}

// Draws a picture file as DrawPngWithAlpha does, decoding it on every call.
bool DrawFile(CDC& dc, const std::wstring& path, int x, int y, Stopwatch& watch)
{
    int drawn = 0;
    watch.Time([&] {
        drawn = DrawPngWithAlpha(&dc, path.c_str(), x, y);
        ReleaseTemporaryGdiWrappers();
    });
    return drawn == 1;
}

// Times a slider's paint, then decode + cut + paint, from its two pictures.
template <class Slider>
void TimeSlider(const std::string& id, const std::string& name, PaintCounted<Slider>& slider, CRect cut,
                const std::wstring& track, const std::wstring& fill, int iterations)
{
    CBitmap trackBitmap, fillBitmap;
    LoadPicture(track, trackBitmap);
    LoadPicture(fill, fillBitmap);
    slider.SetBitmaps(cut, &trackBitmap, &fillBitmap);
    Time(id + "_paint", name + " paint", iterations, "paints",
         [&](Stopwatch& watch) { return PaintNow(slider.m_hWnd, slider.paints, watch); });
    Time(id + "_setup", name + " decode + cut + paint", iterations, "set-ups", [&](Stopwatch& watch) {
        CBitmap t, f;
        bool loaded = false;
        const long before = slider.paints;
        watch.Time([&] {
            loaded = LoadPicture(track, t) && LoadPicture(fill, f);
            slider.SetBitmaps(cut, &t, &f);
            ::RedrawWindow(slider.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
            ReleaseTemporaryGdiWrappers();
        });
        return loaded && slider.paints == before + 1 && NothingLeftToPaint(slider.m_hWnd);
    });
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const int iterations = argc > 1 ? std::max(1, _wtoi(argv[1])) : 300;
    if (!EnsureGdiplusStarted())
        return 1;

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring dir = std::wstring(temp) + L"rv417-skin-paint-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring dial = dir + L"dial.png";         // a dial level picture, 32-bit
    const std::wstring background = dir + L"panel.png";  // a panel background, 24-bit
    const std::wstring item = dir + L"item.png";         // a section header face
    const std::wstring track = dir + L"track.png";
    const std::wstring fill = dir + L"fill.png";
    const std::wstring stageTrack = dir + L"stage0.png";
    const std::wstring stageFill = dir + L"stage82.png";
    WritePicture(dial, 142, 83, true);
    WritePicture(background, 247, 563, false);
    WritePicture(item, 242, 20, false);
    WritePicture(track, 208, 14, false);
    WritePicture(fill, 208, 14, false);
    WritePicture(stageTrack, 7, 169, false);
    WritePicture(stageFill, 7, 169, false);

    CWnd parent;
    parent.CreateEx(0, nullptr, L"skin paint", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50, 600, 620, nullptr,
                    nullptr);

    std::printf("per operation, median of %d\n", iterations);
    {
        CClientDC dc(parent.m_hWnd);
        Time("skin.png_142x83_alpha", "DrawPngWithAlpha 142x83 32-bit", iterations, "pictures",
             [&](Stopwatch& watch) { return DrawFile(dc, dial, 10, 10, watch); });
        Time("skin.png_247x563_opaque", "DrawPngWithAlpha 247x563 24-bit", iterations, "pictures",
             [&](Stopwatch& watch) { return DrawFile(dc, background, 0, 0, watch); });
    }

    CBitmap itemBitmap;
    LoadPicture(item, itemBitmap);
    CountedButton button;
    button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(20, 107, 262, 127), &parent, 0);
    button.LoadBitmaps(CRect(0, 0, 242, 20), &itemBitmap, &itemBitmap, &itemBitmap, &itemBitmap);
    button.m_nFontHeight = 13;
    button.m_strFontFace = L"Arial";
    button.SetCaption(L"Button Assignment");
    Time("skin.button_paint_captioned", "CBitmapBtn 242x20 paint, captioned", iterations, "paints",
         [&](Stopwatch& watch) { return PaintNow(button.m_hWnd, button.draws, watch); });
    button.SetCaption(L"");
    Time("skin.button_paint_image", "CBitmapBtn 242x20 paint, image only", iterations, "paints",
         [&](Stopwatch& watch) { return PaintNow(button.m_hWnd, button.draws, watch); });
    button.SetCaption(L"Button Assignment");
    Time("skin.button_setup", "CBitmapBtn decode + cut 4 states + paint", iterations, "set-ups", [&](Stopwatch& watch) {
        CBitmap face;
        bool loaded = false;
        const long before = button.draws;
        watch.Time([&] {
            loaded = LoadPicture(item, face);
            button.LoadBitmaps(CRect(0, 0, 242, 20), &face, &face, &face, &face);
            ::RedrawWindow(button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
            ReleaseTemporaryGdiWrappers();
        });
        return loaded && button.draws == before + 1 && NothingLeftToPaint(button.m_hWnd);
    });

    PaintCounted<CDMarker> slider;
    slider.Create(37, 235, 245, 244, &parent, 2025);
    slider.m_nMin = 1;
    slider.m_nMax = 11;
    slider.m_nPos = 6;
    TimeSlider("skin.slider", "CDMarker 208x9", slider, CRect(0, 0, 208, 14), track, fill, iterations);

    PaintCounted<CDMarkerV> stage;
    stage.Create(300, 3, 307, 173, &parent, 2027);
    stage.m_nMin = 1;
    stage.m_nMax = 216;
    stage.m_nPos = 100;
    TimeSlider("skin.vslider", "CDMarkerV 7x170", stage, CRect(0, 0, 7, 169), stageTrack, stageFill, iterations);

    for (const std::wstring* file : {&dial, &background, &item, &track, &fill, &stageTrack, &stageFill})
        DeleteFileW(file->c_str());
    RemoveDirectoryW(dir.c_str());
    return 0;
}
