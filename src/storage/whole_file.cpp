#include "storage/whole_file.h"

#include "storage/profile_file.h"
#include "storage/win32_handle.h"

#include <windows.h>

namespace {

// Deletes `path`; a file that is not there counts as deleted.
bool RemoveFile(const CString& path)
{
    return DeleteFileW(path) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

std::optional<FileContent> ReadWholeFile(const CString& path)
{
    UniqueHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return FileContent{};
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    // The data files are small; anything huge is not one of them.
    constexpr LONGLONG kLargest = 16 * 1024 * 1024;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargest)
        return std::nullopt;
    FileContent content{true, std::vector<uint8_t>(static_cast<size_t>(size.QuadPart))};
    const DWORD wanted = static_cast<DWORD>(content.bytes.size());
    if (ReadUpTo(file.get(), content.bytes.data(), wanted) != wanted)
        return std::nullopt;
    return content;
}

bool PutFileContent(const CString& path, const FileContent& content)
{
    if (!content.exists)
        return RemoveFile(path);
    return WriteFileReplacing(path, content.bytes);
}
