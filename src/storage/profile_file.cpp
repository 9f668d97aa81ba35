#include "storage/profile_file.h"

#include "storage/win32_handle.h"

namespace {

// Writes the whole of `content` to `file` from its start, then cuts the file
// off behind it.
bool WriteWhole(HANDLE file, std::span<const uint8_t> content)
{
    const DWORD size = static_cast<DWORD>(content.size());
    DWORD count = 0;
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    if (size != 0 && !WriteFile(file, content.data(), size, &count, nullptr))
        return false;
    if (count != size) {
        // A short write that the system still reports as done leaves no error code.
        SetLastError(ERROR_WRITE_FAULT);
        return false;
    }
    return SetEndOfFile(file) && FlushFileBuffers(file);
}

// Whether `path` may be deleted now: no other program holds it open without
// sharing its deletion. ReplaceFileW needs that, and where it is refused it
// may leave a stray temporary file of its own in the folder (seen under Wine).
bool MayBeDeleted(const CString& path)
{
    UniqueHandle file(CreateFileW(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

// Writes a temporary file beside `path`, which then takes its place in one
// step: through ReplaceFileW when `path` exists, so that the file keeps its
// security, owner and attributes, else by moving the temporary file there.
// The temporary file is gone afterwards either way.
bool WriteBesideAndSwap(const CString& path, std::span<const uint8_t> content)
{
    const CString temporary = path + L".tmp";
    {
        UniqueHandle file(
            CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        if (!WriteWhole(file.get(), content)) {
            const DWORD error = GetLastError();
            file.reset();
            DeleteFileW(temporary);
            SetLastError(error);
            return false;
        }
    }
    const bool swapped =
        GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES
            ? MayBeDeleted(path) &&
                  ReplaceFileW(path, temporary, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE
            : MoveFileExW(temporary, path, MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!swapped) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary);
        SetLastError(error);
    }
    return swapped;
}

// Overwrites `path` where it is, creating it when it is missing. Shares
// reading and writing, so that a program that holds the file open that way
// does not stop the write.
bool WriteInPlace(const CString& path, std::span<const uint8_t> content, DWORD& error)
{
    UniqueHandle file(CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    const bool written = file && WriteWhole(file.get(), content);
    error = written ? ERROR_SUCCESS : GetLastError();
    return written;
}

}  // namespace

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

HANDLE OpenProfileFileForReading(const CString& path)
{
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteFileReplacing(const CString& path, std::span<const uint8_t> content, DWORD* error)
{
    // The swap is refused where another program holds the file open without
    // sharing its deletion, or where no new file may be made in the folder;
    // a plain write may still be allowed there.
    DWORD lastError = ERROR_SUCCESS;
    const bool written = WriteBesideAndSwap(path, content) || WriteInPlace(path, content, lastError);
    if (error)
        *error = lastError;
    return written;
}

bool WriteProfileFile(const CString& path, const SettingsRecord& settings, DWORD* error)
{
    const ProfileFile content{kProfileFileFlag, settings};
    return WriteFileReplacing(path, std::span(reinterpret_cast<const uint8_t*>(&content), kProfileFileSize), error);
}
