#include "storage/profile_exchange.h"

#include "classlib/debug_output.h"
#include "classlib/file_dialog.h"
#include "model/settings_record.h"
#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/profile_file.h"
#include "storage/profile_store.h"
#include "storage/win32_handle.h"

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
// file (true); the record is left as it is otherwise (false).
bool ReadProfileFileWhole(const CString& path)
{
    UniqueHandle file(OpenProfileFileForReading(path));
    if (!file) {
        ReportSystemError(GetLastError());
        return false;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart != static_cast<LONGLONG>(kProfileFileSize))
        return false;
    ProfileFile content{};
    const DWORD total = ReadUpTo(file.get(), reinterpret_cast<uint8_t*>(&content), kProfileFileSize);
    // A file that shrank while being read is not taken in part.
    if (total != kProfileFileSize)
        return false;
    g_FirstRunFlag = content.FirstRunFlag;
    g_Settings = content.Settings;
    return true;
}

}  // namespace

bool ImportProfile(CProfileStore& store, CWnd* parent)
{
    CFileDialog dialog(TRUE, nullptr, store.m_strConfigPath, kProfileFileDialogFlags, kProfileFileDialogFilter, parent);
    if (dialog.DoModal() != IDOK)
        return false;
    const CString name = dialog.GetFileName();
    const CString path = dialog.GetPathName();
    if (!HasProfileExtension(name))
        return false;

    store.RefreshModulePath();
    store.m_strConfigPath = DataFilePath(store.m_strModulePath, name);
    if (!PathExists(path)) {
        DebugTrace(L"Config file is not exist.\n");
        return false;
    }
    // The captions beside a file that gave no record belong to no record
    // the window shows: they stay unread, and the captions stay the record's.
    if (!ReadProfileFileWhole(path))
        return false;

    store.m_strStrIniPath = DataFilePath(store.m_strModulePath, CaptionFileName(name));
    store.ReadStrIniFrom(CaptionFileBeside(path, name));
    return true;
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

    DWORD error = ERROR_SUCCESS;
    if (!WriteProfileFile(path, g_Settings, &error)) {
        ReportSystemError(error);
        return;
    }
    DebugTrace(L"Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1, static_cast<int>(kSettingsRecordSize),
               static_cast<int>(kSettingsRecordSize));
}
