// The smallest Win32 program with one window: registers a class, shows a
// 400 x 300 window titled "Minimal window" and runs the message loop until
// the window closes. The start-up benchmark measures its working set, built
// and started as the program is, as what any program with a window has
// under this Wine before doing anything of its own.

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"MinimalWindow";
    if (!::RegisterClassW(&windowClass))
        return 1;
    HWND window = ::CreateWindowW(L"MinimalWindow", L"Minimal window", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr,
                                  nullptr, instance, nullptr);
    if (!window)
        return 1;
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
