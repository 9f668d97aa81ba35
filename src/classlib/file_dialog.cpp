#include "classlib/file_dialog.h"

#include "classlib/common_dialogs.h"
#include "classlib/scripted_dialogs.h"
#include "classlib/wnd.h"

#include <algorithm>

namespace {

// Room for long paths; grown further when the initial name needs it.
constexpr size_t kMinimumFileBuffer = 4096;

size_t NameStart(const std::wstring& path)
{
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

}  // namespace

std::wstring ConvertFileDialogFilter(LPCWSTR filter)
{
    std::wstring list = filter ? filter : L"";
    std::replace(list.begin(), list.end(), L'|', L'\0');
    while (list.size() < 2 || list[list.size() - 1] != L'\0' || list[list.size() - 2] != L'\0')
        list.push_back(L'\0');
    return list;
}

CFileDialog::CFileDialog(BOOL openFileDialog, LPCWSTR defaultExt, LPCWSTR fileName, DWORD flags, LPCWSTR filter,
                         CWnd* parent)
    : m_open(openFileDialog != FALSE), m_defaultExt(defaultExt ? defaultExt : L"")
{
    const std::wstring initial = fileName ? fileName : L"";
    m_file.assign(std::max(kMinimumFileBuffer, initial.size() + 1), L'\0');
    std::copy(initial.begin(), initial.end(), m_file.begin());
    if (filter && *filter)
        m_filter = ConvertFileDialogFilter(filter);

    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.nFilterIndex = m_filter.empty() ? 0 : 1;
    m_ofn.lpstrFile = m_file.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_file.size());
    m_ofn.lpstrDefExt = defaultExt ? m_defaultExt.c_str() : nullptr;
    // Explorer style: without a hook or template Windows shows its current
    // file dialog for this structure.
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
}

INT_PTR CFileDialog::DoModal()
{
    const HWND given = m_ofn.hwndOwner;
    if (!given)
        m_ofn.hwndOwner = ::GetActiveWindow();
    const INT_PTR result = Run();
    m_ofn.hwndOwner = given;
    return result;
}

INT_PTR CFileDialog::Run()
{
    if (auto scripted = ScriptedDialogs::TakeFileDialogAnswer(m_open, m_ofn)) {
        const auto& path = *scripted;
        // A path that does not fit fails as the real dialog does.
        if (!path || path->size() >= m_ofn.nMaxFile)
            return IDCANCEL;
        std::fill(m_file.begin(), m_file.end(), L'\0');
        std::copy(path->begin(), path->end(), m_file.begin());
        return IDOK;
    }
    const BOOL chosen = m_open ? RunOpenFileDialog(m_ofn) : RunSaveFileDialog(m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_file.data());
}

CString CFileDialog::GetFileName() const
{
    const std::wstring path = m_file.data();
    return CString(path.substr(NameStart(path)));
}

CString CFileDialog::GetFileExt() const
{
    const std::wstring path = m_file.data();
    const size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || dot < NameStart(path))
        return CString();
    return CString(path.substr(dot + 1));
}
