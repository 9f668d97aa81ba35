#include "storage/profile_store.h"

#include "classlib/debug_output.h"
#include "model/device_records.h"
#include "model/macro_encoding.h"
#include "model/settings_record.h"
#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/macro_file_encoding.h"
#include "storage/profile_file.h"
#include "storage/win32_handle.h"
#include "text/text_table.h"

uint8_t g_nCurProfile = 0;
uint8_t g_FirstRunFlag = 0;
uint8_t g_bRestoreDefaults = 0;

namespace {

constexpr const wchar_t* kProfileListSection = L"Profile";
constexpr const wchar_t* kSkinsSection = L"Skins";
constexpr const wchar_t* kPointSection = L"Point";

// The per-language section of the captions: text 0 ("Setting-EN", ...). It
// is empty when the language has no texts: the captions are then neither read
// nor written, since the profile functions would take an empty section name
// for the lines above the first section.
const CString& CaptionSection()
{
    return g_TextTable.Get(0);
}

CString CaptionKey(int index)
{
    CString key;
    key.Format(L"Item%d", index + 1);
    return key;
}

}  // namespace

CProfileStore::CProfileStore(ModulePathSource modulePathSource)
    : m_modulePathSource(modulePathSource ? modulePathSource : &ReadModulePath)
{}

void CProfileStore::RefreshModulePath()
{
    m_strModulePath = m_modulePathSource();
}

CString CProfileStore::DataFile(const wchar_t* name) const
{
    return DataFilePath(m_strModulePath, name);
}

CString CProfileStore::NumberedDataFile(const wchar_t* format, int n) const
{
    CString name;
    name.Format(format, n);
    return DataFile(name);
}

void CProfileStore::SetListPaths()
{
    m_strRecordIniPath = DataFile(L"record.ini");
    m_strRecordIni = m_strRecordIniPath;
    m_strStrIni = DataFile(L"str.ini");
}

void CProfileStore::SetProfilePaths(int n)
{
    m_strConfigPath = NumberedDataFile(L"config%d.bin", n);
    m_strStrIniPath = NumberedDataFile(L"str%d.ini", n);
}

void CProfileStore::LoadCurrentProfile()
{
    RefreshModulePath();
    SetListPaths();

    if (g_bRestoreDefaults == 1) {
        m_strConfigPath = DataFile(L"config.bin");
        m_strStrIniPath = DataFile(L"str.ini");
    } else {
        const CString current = ReadIniValue(m_strStrIni, kProfileListSection, L"CurProfileName");
        const int count = ReadIniNumber(m_strStrIni, kProfileListSection, L"ItemCount");
        if (count == 0 || count > kProfileCount)
            return;
        // A negative count skips the search and keeps the current profile.
        for (int i = 0; i < count; ++i) {
            CString key;
            key.Format(L"Item%d", i);
            if (ReadIniValue(m_strStrIni, kProfileListSection, key) == current)
                g_nCurProfile = static_cast<uint8_t>(i);
        }
        SetProfilePaths(g_nCurProfile);
    }

    ReadProfileFile(L"Config file is not exist.\n");
    LoadMacrosFromIni();
}

void CProfileStore::LoadProfile(int n)
{
    RefreshModulePath();
    SetListPaths();
    SetProfilePaths(n);
    ReadProfileFile(L"Config file is not exist.");
}

void CProfileStore::ReadProfileFile(const wchar_t* missingText)
{
    if (!PathExists(m_strConfigPath)) {
        DebugTrace(missingText);
        return;
    }
    UniqueHandle file(OpenProfileFileForReading(m_strConfigPath));
    if (!file) {
        DebugTrace(L"Error Code is: %d \n", static_cast<int>(GetLastError()));
        return;
    }
    uint8_t flag = 0;
    if (ReadUpTo(file.get(), &flag, 1) == 1)
        g_FirstRunFlag = flag;
    const DWORD recordBytes = ReadUpTo(file.get(), RecordBytes(g_Settings).data(), kSettingsRecordSize);
    DebugTrace(L"Program First Run Flag:%d\nRead Size is: %d", g_FirstRunFlag, static_cast<int>(recordBytes));
}

bool CProfileStore::SaveCurrentProfile()
{
    RefreshModulePath();
    SetProfilePaths(g_nCurProfile);

    if (!PathExists(m_strConfigPath)) {
        DebugTrace(L"Config file is not exist.\n");
        return false;
    }

    DWORD error = ERROR_SUCCESS;
    if (!WriteProfileFile(m_strConfigPath, g_Settings, &error)) {
        DebugTrace(L"Error Code is: %d \n", static_cast<int>(error));
        return false;
    }
    DebugTrace(L"Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1, static_cast<int>(kSettingsRecordSize),
               static_cast<int>(kSettingsRecordSize));
    return true;
}

void CProfileStore::ReadStrIni()
{
    ReadStrIniFrom(m_strStrIniPath);
}

void CProfileStore::ReadStrIniFrom(const CString& path)
{
    const CString& section = CaptionSection();
    for (int i = 0; i < kCaptionCount; ++i)
        m_strItem[static_cast<size_t>(i)] = section.IsEmpty() ? CString() : ReadIniValue(path, section, CaptionKey(i));
    m_strRColor = ReadIniValue(path, kSkinsSection, L"RColor");
    m_strGColor = ReadIniValue(path, kSkinsSection, L"GColor");
    m_strBColor = ReadIniValue(path, kSkinsSection, L"BColor");
    m_strSkinPath = ReadIniValue(path, kSkinsSection, L"Path");
    m_strSensitivityX = ReadIniValue(path, kPointSection, L"SensitivityX_Y");
    m_strSensitivityY = ReadIniValue(path, kPointSection, L"SensitivityY_Y");
    m_strSensitivity = ReadIniValue(path, kPointSection, L"Sensitivity_Y");
    m_strMouseSpeed = ReadIniValue(path, kPointSection, L"MouseSpeed_Y");
}

void CProfileStore::WriteStrIni()
{
    WriteStrIniTo(m_strStrIniPath);
}

void CProfileStore::WriteStrIniTo(const CString& path)
{
    const CString& section = CaptionSection();
    if (section.IsEmpty())
        return;
    for (int i = 0; i < kAssignBoxCount; ++i)
        WriteIniValue(path, section, CaptionKey(i), m_strItem[static_cast<size_t>(i)]);
}

void CProfileStore::LoadMacrosFromIni()
{
    EncodeMacrosFromIni(m_strRecordIniPath, kProfileMacroEncoding,
                        [](int k) { return MacroRecordBytes(g_Settings, k); });
}
