#include "storage/profile_file.h"

#include "storage/win32_handle.h"

DWORD ReadUpTo(HANDLE file, uint8_t* buffer, DWORD size)
{
    DWORD total = 0;
    while (total < size) {
        DWORD got = 0;
        if (!ReadFile(file, buffer + total, size - total, &got, nullptr) || got == 0)
            break;
        total += got;
    }
    return total;
}

DWORD WriteProfileFileReplacing(const CString& path, const SettingsRecord& settings)
{
    const ProfileFile content{kProfileFileFlag, settings};
    const CString temporary = path + L".tmp";
    bool written = false;
    {
        UniqueHandle file(
            CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD count = 0;
        written = file && WriteFile(file.get(), &content, kProfileFileSize, &count, nullptr) &&
                  count == kProfileFileSize && FlushFileBuffers(file.get());
    }
    if (written)
        written = MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (written)
        return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    DeleteFileW(temporary);
    // A short write that the system still reports as done leaves no error code.
    return error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error;
}
