#include "storage/profile_store.h"

#include "classlib/debug_output.h"
#include "model/device_records.h"
#include "model/macro_encoding.h"
#include "model/settings_record.h"
#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/macro_file_encoding.h"
#include "storage/profile_file.h"
#include "storage/profile_list.h"
#include "storage/win32_handle.h"
#include "text/text_table.h"

uint8_t g_nCurProfile = 0;
uint8_t g_FirstRunFlag = 0;
uint8_t g_bRestoreDefaults = 0;

namespace {

constexpr const wchar_t* kSkinsSection = L"Skins";
constexpr const wchar_t* kPointSection = L"Point";

// True for a file that holds the flag byte and a whole record. A longer one
// (a copy tool may have added a line end) is a profile all the same: only
// its first bytes are read.
bool HoldsAProfile(const CString& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(path, GetFileExInfoStandard, &data) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (data.nFileSizeHigh != 0 || data.nFileSizeLow >= kProfileFileSize);
}

// The factory defaults over an empty record, where no file gives a record:
// nothing of the record shown before stays but the profile number and the
// user's macros, which the defaults leave as they are.
void UseFactoryDefaults()
{
    SettingsRecord record{};
    record.ProfileIndex = g_Settings.ProfileIndex;
    record.MacroSlot = g_Settings.MacroSlot;
    g_Settings = record;
    SetDefaultSettings();
}

}  // namespace

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

CString CProfileStore::ProfileFileOf(int n) const
{
    return NumberedDataFile(L"config%d.bin", n);
}

CString CProfileStore::CaptionFileOf(int n) const
{
    return NumberedDataFile(L"str%d.ini", n);
}

void CProfileStore::SetListPaths()
{
    m_strRecordIniPath = DataFile(L"record.ini");
    m_strRecordIni = m_strRecordIniPath;
    m_strStrIni = DataFile(L"str.ini");
}

void CProfileStore::SetProfilePaths(int n)
{
    m_strConfigPath = ProfileFileOf(n);
    m_strStrIniPath = CaptionFileOf(n);
}

void CProfileStore::LoadCurrentProfile()
{
    RefreshModulePath();
    SetListPaths();

    if (g_bRestoreDefaults == 1) {
        m_strConfigPath = DataFile(L"config.bin");
        m_strStrIniPath = DataFile(L"str.ini");
        // The restore sets the defaults over whatever this gives.
        ReadProfileFile(L"Config file is not exist.\n");
    } else {
        const ProfileList list = ReadProfileList(m_strStrIni);
        if (list.itemCount == 0 || list.itemCount > kProfileCount) {
            // Loading nothing would leave a record that was never read for
            // the next Save to write: the first profile is taken instead.
            DebugTrace(L"Profile list is invalid: profile 0 is used.\n");
            g_nCurProfile = 0;
        } else if (const int found = FindProfileByName(list.items, list.current); found >= 0) {
            // A negative count has no items: the current profile stays.
            g_nCurProfile = static_cast<uint8_t>(found);
        }
        SetProfilePaths(g_nCurProfile);
        ReadProfileOrFactory(L"Config file is not exist.\n");
    }
    LoadMacrosFromIni();
}

void CProfileStore::LoadProfile(int n)
{
    RefreshModulePath();
    SetListPaths();
    SetProfilePaths(n);
    ReadProfileOrFactory(L"Config file is not exist.");
}

void CProfileStore::ReadProfileOrFactory(const wchar_t* missingText)
{
    // What the user then sees and saves is the factory profile, never the
    // part of a file or the record of the profile shown before.
    if (!HoldsAProfile(m_strConfigPath)) {
        DebugTrace(L"Profile file %s is missing or not %d bytes: the factory profile config.bin is used.\n",
                   m_strConfigPath.GetString(), static_cast<int>(kProfileFileSize));
    } else if (ReadProfileFile(missingText)) {
        return;
    } else {
        DebugTrace(L"Profile file %s cannot be read: the factory profile config.bin is used.\n",
                   m_strConfigPath.GetString());
    }

    m_strConfigPath = DataFile(L"config.bin");
    if (!PathExists(m_strConfigPath))
        DebugTrace(missingText);
    else if (!HoldsAProfile(m_strConfigPath))
        DebugTrace(L"Factory profile %s is shorter than %d bytes.\n", m_strConfigPath.GetString(),
                   static_cast<int>(kProfileFileSize));
    else if (ReadProfileFile(missingText))
        return;
    // A record that was never loaded (all zeros at start-up) would reach
    // the mouse with the next Save.
    DebugTrace(L"No profile file gives a record: the factory defaults are used.\n");
    UseFactoryDefaults();
}

bool CProfileStore::ReadProfileFile(const wchar_t* missingText)
{
    if (!PathExists(m_strConfigPath)) {
        DebugTrace(missingText);
        return false;
    }
    UniqueHandle file(OpenProfileFileForReading(m_strConfigPath));
    if (!file) {
        DebugTrace(L"Error Code is: %d \n", static_cast<int>(GetLastError()));
        return false;
    }
    uint8_t flag = 0;
    if (ReadUpTo(file.get(), &flag, 1) == 1)
        g_FirstRunFlag = flag;
    const DWORD recordBytes = ReadUpTo(file.get(), RecordBytes(g_Settings).data(), kSettingsRecordSize);
    DebugTrace(L"Program First Run Flag:%d\nRead Size is: %d", g_FirstRunFlag, static_cast<int>(recordBytes));
    return true;
}

bool CProfileStore::SaveCurrentProfile(DWORD* error)
{
    RefreshModulePath();
    SetProfilePaths(g_nCurProfile);

    DWORD failure = ERROR_SUCCESS;
    if (!error)
        error = &failure;
    if (!PathExists(m_strConfigPath)) {
        DebugTrace(L"Config file is not exist.\n");
        *error = ERROR_FILE_NOT_FOUND;
        return false;
    }

    if (!WriteProfileFile(m_strConfigPath, g_Settings, error)) {
        DebugTrace(L"Error Code is: %d \n", static_cast<int>(*error));
        return false;
    }
    DebugTrace(L"Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1, static_cast<int>(kSettingsRecordSize),
               static_cast<int>(kSettingsRecordSize));
    return true;
}

bool CProfileStore::SaveProfileAndCaptions(DWORD* error)
{
    if (!SaveCurrentProfile(error))
        return false;
    WriteStrIni();
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
