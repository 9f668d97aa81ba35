#pragma once
// Helpers shared by the tests.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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

// Copies the files and folders below `from` into `to` (both paths ending in
// a backslash; `to` is made when missing). Only files whose name `include`
// accepts are copied (all when it is empty). False when a copy failed.
bool CopyFolderTree(const std::wstring& from, const std::wstring& to,
                    const std::function<bool(const std::wstring& name)>& include = {});

// Text files as the program's .ini files hold them: UTF-16LE with a
// byte-order mark.
void WriteUtf16File(const std::wstring& path, const std::wstring& text);
// The text of a UTF-16LE file after its byte-order mark; empty when the
// file is missing. `hasByteOrderMark` (when given) tells whether it had one.
std::wstring ReadUtf16File(const std::wstring& path, bool* hasByteOrderMark = nullptr);
// The non-blank lines of a file as above, line breaks removed.
std::vector<std::wstring> IniFileLines(const std::wstring& path);

// Raw bytes of a file (empty when missing) and a file of the given bytes.
std::vector<unsigned char> ReadBinaryFile(const std::wstring& path);
void WriteBinaryFile(const std::wstring& path, const void* data, size_t size);

// Dispatches every message already waiting on this thread's queue (no
// pre-translation), so what a test posted has been handled when it returns.
void PumpPending();

// Makes `window` the foreground and active window and pumps what that
// brings; true when it is still the active window afterwards. Under Wine the
// display's own focus events for windows made and destroyed just before may
// arrive late and take the activation away, so it is asked for again.
bool MakeActive(HWND window);
