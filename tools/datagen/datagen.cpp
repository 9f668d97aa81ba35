// Writes the default data files into the current folder:
//   rv417_datagen <language code>
#include "default_data.h"

#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    const CString language = argc > 1 ? argv[1] : L"EN";
    CString folder;
    GetCurrentDirectoryW(MAX_PATH, folder.GetBuffer(MAX_PATH));
    folder.ReleaseBuffer();
    if (folder.IsEmpty() || folder[folder.GetLength() - 1] != L'\\')
        folder += L'\\';
    if (!WriteDefaultData(folder, language)) {
        std::fwprintf(stderr, L"datagen: could not write the data files into %ls\n", folder.GetString());
        return 1;
    }
    return 0;
}
