#pragma once
// A file opened the way another program holding it would: reading shared
// only, so that it can be read but neither replaced nor written (nor
// deleted) until the object goes.

#include <windows.h>

#include <string>
#include <utility>

class FileHeldOpen {
public:
    explicit FileHeldOpen(const std::wstring& path)
        : m_handle(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr))
    {}
    ~FileHeldOpen() { Release(); }
    FileHeldOpen(const FileHeldOpen&) = delete;
    FileHeldOpen& operator=(const FileHeldOpen&) = delete;
    bool held() const { return m_handle != INVALID_HANDLE_VALUE; }
    // Lets the file go before the object does.
    void Release()
    {
        if (held())
            ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE));
    }

private:
    HANDLE m_handle;
};
