#include "support/test_support.h"

#include <windows.h>

#include <atomic>
#include <string>

namespace {

void RemoveTree(const std::wstring& dir)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = dir + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full + L"\\");
            else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(dir.c_str());
}

}  // namespace

TempFolder::TempFolder()
{
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (;;) {
        m_path = std::wstring(base) + L"rv417-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(counter++) + L"\\";
        if (CreateDirectoryW(m_path.c_str(), nullptr))
            break;
    }
}

TempFolder::~TempFolder()
{
    RemoveTree(m_path);
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool MakeActive(HWND window)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        ::SetForegroundWindow(window);
        ::SetActiveWindow(window);
        PumpPending();
        if (::GetActiveWindow() == window)
            return true;
    }
    return false;
}
