#pragma once
// Helpers shared by the tests.

#include <string>

// A fresh, empty folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, ending in a backslash.
    const std::wstring& path() const { return m_path; }
    std::wstring file(const std::wstring& name) const { return m_path + name; }

private:
    std::wstring m_path;
};
