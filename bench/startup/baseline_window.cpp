// The start-up benchmark's baseline: the least a Win32 program does to show
// a window. It makes one top-level window the size of the program's main
// window, titled kBaselineTitle, shows it, paints it in one colour, and
// waits for it to be closed. Started as the program is, its time to its
// first paint is what the process start and one window cost here.

#include "baseline_window.h"

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        ::FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"RV417StartupBaseline";
    if (!::RegisterClassExW(&windowClass))
        return 1;
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, kBaselineTitle, WS_POPUP, 100, 100, kBaselineWidth,
                                    kBaselineHeight, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ::ShowWindow(window, SW_SHOW);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
