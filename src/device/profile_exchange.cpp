#include "device/profile_exchange.h"

#include "classlib/debug_output.h"
#include "classlib/file_dialog.h"
#include "device/data_paths.h"
#include "device/ini_file.h"
#include "device/profile_file.h"
#include "device/profile_store.h"
#include "device/settings_record.h"
#include "device/win32_handle.h"

namespace {

constexpr const wchar_t* kProfileExtension = L".bin";
constexpr const wchar_t* kCaptionExtension = L".ini";

bool HasProfileExtension(const CString& name)
{
    return name.Find(kProfileExtension) >= 0;
}

// The caption file's name for a profile file's name: every ".bin" becomes ".ini".
CString CaptionFileName(const CString& name)
{
    CString captions = name;
    captions.Replace(kProfileExtension, kCaptionExtension);
    return captions;
}

// The caption file beside the profile file `path` whose name is `name`. Only
// the name changes, so that the pair stays in one folder whatever the
// folder is called.
CString CaptionFileBeside(const CString& path, const CString& name)
{
    return path.Left(path.GetLength() - name.GetLength()) + CaptionFileName(name);
}

void ReportSystemError(DWORD error)
{
    DebugTrace(L"Error Code is: %d \n", static_cast<int>(error));
}

// Reads `path` into g_FirstRunFlag and g_Settings when it is a whole profile
// file; the record is left as it is otherwise.
void ReadProfileFileWhole(const CString& path)
{
    UniqueHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ReportSystemError(GetLastError());
        return;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart != static_cast<LONGLONG>(kProfileFileSize))
        return;
    ProfileFile content{};
    DWORD total = 0;
    auto* bytes = reinterpret_cast<uint8_t*>(&content);
    while (total < kProfileFileSize) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes + total, kProfileFileSize - total, &got, nullptr) || got == 0)
            break;
        total += got;
    }
    // A file that shrank while being read is not taken in part.
    if (total != kProfileFileSize)
        return;
    g_FirstRunFlag = content.FirstRunFlag;
    g_Settings = content.Settings;
}

// Writes the flag byte and g_Settings to a file beside `path`, which then
// replaces `path` in one step. The system error code when it failed.
DWORD WriteProfileFileReplacing(const CString& path)
{
    const ProfileFile content{kProfileFileFlag, g_Settings};
    const CString temporary = path + L".tmp";
    bool written = false;
    {
        UniqueHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
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
    return error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error;
}

}  // namespace

void ImportProfile(CProfileStore& store, CWnd* parent)
{
    CFileDialog dialog(TRUE, nullptr, store.m_strConfigPath, kProfileFileDialogFlags, kProfileFileDialogFilter,
                       parent);
    if (dialog.DoModal() != IDOK)
        return;
    const CString name = dialog.GetFileName();
    const CString path = dialog.GetPathName();
    if (!HasProfileExtension(name))
        return;

    store.RefreshModulePath();
    store.m_strConfigPath = DataFilePath(store.m_strModulePath, name);
    if (!PathExists(path)) {
        DebugTrace(L"Config file is not exist.\n");
        return;
    }
    ReadProfileFileWhole(path);

    store.m_strStrIniPath = DataFilePath(store.m_strModulePath, CaptionFileName(name));
    store.ReadStrIniFrom(CaptionFileBeside(path, name));
}

void ExportProfile(CProfileStore& store, CWnd* parent)
{
    CFileDialog dialog(FALSE, nullptr, store.m_strConfigPath, kProfileFileDialogFlags, kProfileFileDialogFilter,
                       parent);
    if (dialog.DoModal() != IDOK)
        return;
    CString name = dialog.GetFileName();
    CString path = dialog.GetPathName();
    if (!HasProfileExtension(name)) {
        name += kProfileExtension;
        path += kProfileExtension;
    }

    store.RefreshModulePath();
    store.m_strStrIniPath = DataFilePath(store.m_strModulePath, CaptionFileName(name));
    store.WriteStrIniTo(CaptionFileBeside(path, name));
    store.m_strConfigPath = DataFilePath(store.m_strModulePath, name);

    const DWORD error = WriteProfileFileReplacing(path);
    if (error != ERROR_SUCCESS) {
        ReportSystemError(error);
        return;
    }
    DebugTrace(L"Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1, static_cast<int>(kSettingsRecordSize),
               static_cast<int>(kSettingsRecordSize));
}
