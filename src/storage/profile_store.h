#pragma once
// The six profiles and the factory profile in their files beside the program:
// finding the current profile, loading and saving its settings record, its
// button captions, and the macros re-encoded from record.ini.
//
// CProfileStore holds the paths and captions the main window works with; the
// main window owns one and calls these operations on the UI thread.

#include "classlib/cstring.h"

#include <windows.h>

#include <array>
#include <cstdint>

constexpr int kProfileCount = 6;
// "Item1" .. "Item12" of a caption file; the first seven are the captions of
// the button assignment boxes.
constexpr int kCaptionCount = 12;
constexpr int kAssignBoxCount = 7;

// The per-language section of the captions: text 0 ("Setting-EN", ...). It
// is empty when the language has no texts: the captions are then neither read
// nor written, since the profile functions would take an empty section name
// for the lines above the first section.
const CString& CaptionSection();
// The key of caption `index` (0-based): "Item1" ...
CString CaptionKey(int index);

// The current profile, 0..5.
extern uint8_t g_nCurProfile;
// The flag byte of the profile file read last.
extern uint8_t g_FirstRunFlag;
// 1 while the factory settings are being restored: the load then takes the
// factory files config.bin and str.ini.
extern uint8_t g_bRestoreDefaults;

class CProfileStore {
public:
    // Gives the program's module path; tests point it into a folder of their own.
    using ModulePathSource = CString (*)();
    explicit CProfileStore(ModulePathSource modulePathSource = nullptr);

    // Finds the current profile in str.ini's list (the last item named
    // exactly "CurProfileName") and loads its record into g_Settings; then
    // re-encodes the macros of record.ini into the record's macro slots. An
    // invalid list ("ItemCount" missing, 0 or above 6) makes profile 0 the
    // current profile. A profile file is read as its first 1,805 bytes; one
    // that is missing, shorter or cannot be read gives the factory profile
    // (config.bin) instead, and where that gives no record either, the
    // factory defaults (see ReadProfileOrFactory).
    void LoadCurrentProfile();
    // Writes g_Settings into the current profile's file (WriteProfileFile).
    // A missing profile file is never created. True when the file was
    // written; false when it is missing or could not be written, which is
    // reported as a debug text with the system error code, which `error`
    // (when given) receives too (ERROR_FILE_NOT_FOUND for a missing file).
    bool SaveCurrentProfile(DWORD* error = nullptr);
    // SaveCurrentProfile, then WriteStrIni only when the profile file was
    // written, so that the captions on disk always belong to the record on
    // disk. The result is SaveCurrentProfile's.
    bool SaveProfileAndCaptions(DWORD* error = nullptr);
    // Loads profile n into g_Settings, macro slots as stored in its file, and
    // points the caption file at str<n>.ini. g_nCurProfile is not changed.
    // A profile file that gives no record is replaced as in LoadCurrentProfile.
    void LoadProfile(int n);

    // The twelve captions and the skin and pointer strings of the caption file.
    // Without a language section name (a language without texts) the
    // captions are not read and come out empty, as missing keys do.
    void ReadStrIni();
    void ReadStrIniFrom(const CString& path);
    // "Item1" .. "Item7" = the captions of the seven assignment boxes
    // (m_strItem[0..6]), in the language's section of the caption file.
    // Without a language section name nothing is written.
    void WriteStrIni();
    void WriteStrIniTo(const CString& path);

    // Encodes record.ini (m_strRecordIniPath) into the macro slots of g_Settings.
    void LoadMacrosFromIni();

    // Reads the program's module path into m_strModulePath.
    void RefreshModulePath();
    // The files of profile n (config<n>.bin and str<n>.ini) in the folder of
    // m_strModulePath.
    CString ProfileFileOf(int n) const;
    CString CaptionFileOf(int n) const;

    CString m_strModulePath;     // the program's full path
    CString m_strConfigPath;     // the profile file in use
    CString m_strStrIniPath;     // the caption file in use
    CString m_strRecordIniPath;  // record.ini, for LoadMacrosFromIni
    std::array<CString, kCaptionCount> m_strItem;
    // The application's paths of record.ini and str.ini, for the macro
    // windows and the profile list window.
    CString m_strRecordIni;
    CString m_strStrIni;

    // Read from the caption file with the captions; nothing uses them.
    CString m_strRColor, m_strGColor, m_strBColor, m_strSkinPath;
    CString m_strSensitivityX, m_strSensitivityY, m_strSensitivity, m_strMouseSpeed;

private:
    CString DataFile(const wchar_t* name) const;
    CString NumberedDataFile(const wchar_t* format, int n) const;
    // Points the macro store and profile list paths at the program folder.
    void SetListPaths();
    // Points the profile file and caption file paths at profile `n`.
    void SetProfilePaths(int n);
    // Reads the profile file m_strConfigPath when it holds a whole record;
    // otherwise points m_strConfigPath at config.bin and reads that when it
    // holds one; otherwise g_Settings takes the factory defaults, keeping
    // only its ProfileIndex and macro slots. Each step is said in the debug
    // output.
    void ReadProfileOrFactory(const wchar_t* missingText);
    // Reads the flag byte and up to a record's worth of bytes of
    // m_strConfigPath into g_Settings; false when the file is missing or
    // cannot be opened, the record then left as it is.
    bool ReadProfileFile(const wchar_t* missingText);

    ModulePathSource m_modulePathSource;
};
