#pragma once
// A program folder for tests: a temporary folder that a profile store takes
// for the program's own, with helpers that write and read its data files.

#include "model/settings_record.h"
#include "storage/profile_file.h"
#include "storage/profile_store.h"
#include "support/test_support.h"
#include "text/text_table.h"

#include <cstring>
#include <string>
#include <vector>

inline std::wstring g_testModulePath;

inline CString TestModulePath()
{
    return g_testModulePath.c_str();
}

class ProfileFolder {
public:
    ProfileFolder()
    {
        g_TextTable.Load(L"EN");
        g_testModulePath = folder.file(L"RV417 TALVEN.exe");
        g_nCurProfile = 0;
        g_FirstRunFlag = 0;
        g_bRestoreDefaults = 0;
    }

    std::wstring Path(const std::wstring& name) const { return folder.file(name); }

    // A profile file's bytes: the flag byte, then the record.
    static std::vector<unsigned char> ProfileBytes(const SettingsRecord& record, uint8_t flag = kProfileFileFlag)
    {
        std::vector<unsigned char> bytes(kProfileFileSize);
        bytes[0] = flag;
        std::memcpy(bytes.data() + 1, &record, sizeof record);
        return bytes;
    }
    void WriteProfile(const std::wstring& path, const SettingsRecord& record, uint8_t flag = kProfileFileFlag) const
    {
        const std::vector<unsigned char> bytes = ProfileBytes(record, flag);
        WriteBinaryFile(path, bytes.data(), bytes.size());
    }

    // str.ini with a one-profile list naming profile 0 as current, and
    // captions "<prefix>1" .. "<prefix>12".
    void WriteFactoryCaptions(const std::wstring& prefix) const
    {
        WriteUtf16File(Path(L"str.ini"),
                       L"[Profile]\r\nCurProfileName=P\r\nItemCount=1\r\nItem0=P\r\n" + CaptionSection(prefix));
    }
    void WriteCaptions(const std::wstring& path, const std::wstring& prefix) const
    {
        WriteUtf16File(path, CaptionSection(prefix));
    }
    static std::wstring CaptionSection(const std::wstring& prefix)
    {
        std::wstring text = L"[" + g_TextTable.Get(0).str() + L"]\r\n";
        for (int i = 1; i <= 12; ++i)
            text += L"Item" + std::to_wstring(i) + L"=" + prefix + std::to_wstring(i) + L"\r\n";
        return text;
    }

    TempFolder folder;
    CProfileStore store{&TestModulePath};
};
