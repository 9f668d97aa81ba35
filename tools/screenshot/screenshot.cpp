// rv417-screenshot: waits until a visible top-level window with the given
// title is on the screen, waits a little longer, and writes the whole
// screen as a PNG. scripts/run uses it to show what the program looks like
// when there is no display to look at.
//
//   rv417-screenshot <out.png> [<title> [<delay ms> [<timeout ms>]]]
//
// Without a title it takes the screen at once (after the delay). Exit code
// 0 when written, 1 when the window did not appear in time, 2 on any other
// failure.

#include <windows.h>

#include <gdiplus.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

bool FindPngEncoder(CLSID& encoder)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

bool WaitForVisibleWindow(const std::wstring& title, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    do {
        HWND window = FindWindowW(nullptr, title.c_str());
        if (window && IsWindowVisible(window))
            return true;
        Sleep(50);
    } while (GetTickCount64() < deadline);
    return false;
}

bool WriteScreen(const wchar_t* path)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    bool written = false;
    CLSID encoder{};
    if (FindPngEncoder(encoder)) {
        Gdiplus::Bitmap image(bitmap, nullptr);
        written = image.Save(path, &encoder, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: rv417-screenshot <out.png> [<title> [<delay ms> [<timeout ms>]]]\n");
        return 2;
    }
    const std::wstring title = argc > 2 ? argv[2] : L"";
    const DWORD delay = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 0;
    const DWORD timeout = argc > 4 ? static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10)) : 60000;

    if (!title.empty() && !WaitForVisibleWindow(title, timeout)) {
        std::fwprintf(stderr, L"rv417-screenshot: no window \"%ls\" within %lu ms\n", title.c_str(), timeout);
        return 1;
    }
    Sleep(delay);

    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 2;
    const bool written = WriteScreen(argv[1]);
    Gdiplus::GdiplusShutdown(token);
    return written ? 0 : 2;
}
