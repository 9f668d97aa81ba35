#include "support/test_support.h"

#include <windows.h>

bool CopyFolderTree(const std::wstring& from, const std::wstring& to,
                    const std::function<bool(const std::wstring& name)>& include)
{
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            copied = CopyFolderTree(from + name + L"\\", to + name + L"\\", include) && copied;
        else if (!include || include(name))
            copied = CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE) && copied;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return copied;
}
