#pragma once
// CFileDialog: the open and save file dialogs over GetOpenFileNameW and
// GetSaveFileNameW. The constructor fills m_ofn, which DoModal passes on
// unchanged; the filter is given in "text|pattern|text|pattern||" form and
// converted to the NUL-separated list the dialog expects.

#include "classlib/cstring.h"

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

class CWnd;

class CFileDialog {
public:
    // `parent` owns the dialog; when null, the window active on this thread
    // at DoModal does, so the dialog stays modal to what the user sees.
    explicit CFileDialog(BOOL openFileDialog, LPCWSTR defaultExt = nullptr, LPCWSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCWSTR filter = nullptr,
                         CWnd* parent = nullptr);
    // m_ofn points into this object.
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when a file was chosen, otherwise IDCANCEL.
    INT_PTR DoModal();

    // The chosen file: full path, name with extension, extension without
    // the dot (empty when the name has none).
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;

    OPENFILENAMEW m_ofn{};

private:
    INT_PTR Run();

    bool m_open;
    std::wstring m_defaultExt;
    std::wstring m_filter;
    std::vector<wchar_t> m_file;
};

// "text|pattern|...||" to "text\0pattern\0...\0\0": every bar becomes a NUL
// and the list always ends in two NULs.
std::wstring ConvertFileDialogFilter(LPCWSTR filter);
