#include "default_data.h"

#include "model/device_records.h"
#include "model/record_ini.h"
#include "storage/ini_file.h"
#include "storage/profile_file.h"
#include "storage/profile_store.h"
#include "storage/win32_handle.h"
#include "text/language_code.h"
#include "text/text_table.h"

#include <optional>

namespace {

// The captions of the default button functions in box order: Click, Menu,
// Scroll, Fn, Snipe, DPI +, DPI -.
std::array<CString, kAssignBoxCount> DefaultCaptions(const CTextTable& texts)
{
    return {texts[498], texts[499], texts[500], L"Fn", texts[514], texts[41], texts[42]};
}

bool WriteBinaryFile(const CString& path, const void* data, DWORD size)
{
    UniqueHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), data, size, &written, nullptr) && written == size;
}

// An empty UTF-16LE file in place of whatever was there.
bool StartIniFile(const CString& path)
{
    DeleteFileW(path);
    return !PathExists(path) && CreateUnicodeIni(path);
}

// "Lan" of section "Skins", then each language's captions in its own section.
bool WriteCaptions(const CString& path, const CString& language)
{
    bool ok = WriteIniValue(path, L"Skins", L"Lan", language);
    for (const wchar_t* code : kShippedLanguages) {
        CTextTable texts;
        texts.Load(code);
        const auto captions = DefaultCaptions(texts);
        for (int i = 0; i < kAssignBoxCount; ++i) {
            CString key;
            key.Format(L"Item%d", i + 1);
            ok = WriteIniValue(path, texts[0], key, captions[static_cast<size_t>(i)]) && ok;
        }
    }
    return ok;
}

}  // namespace

SettingsRecord ShippedSettings()
{
    // The defaults are written into g_Settings; keep what it held.
    const SettingsRecord kept = g_Settings;
    g_Settings = SettingsRecord{};
    SetDefaultSettings();
    SettingsRecord record = g_Settings;
    g_Settings = kept;
    record.LiftOffDistance = kShippedLiftOffDistance;
    record.ExtraColor = kShippedExtraColor;
    return record;
}

CString ShippedProfileName(const CString& language)
{
    CString base;
    if (const std::optional<Language> known = LanguageOfCode(language)) {
        switch (*known) {
        case Language::CHS:
        case Language::EN:
            base = L"Profile";
            break;
        case Language::CHT:
            base = L"設定檔";
            break;
        case Language::DE:
            base = L"Profil";
            break;
        }
    }
    return base + L" 1";
}

bool WriteDefaultData(const CString& folder, const CString& language)
{
    bool ok = true;
    const ProfileFile profile{kProfileFileFlag, ShippedSettings()};
    for (int n = 0; n < kProfileCount; ++n) {
        CString name;
        name.Format(L"config%d.bin", n);
        ok = WriteBinaryFile(folder + name, &profile, kProfileFileSize) && ok;
    }
    ok = WriteBinaryFile(folder + L"config.bin", &profile, kProfileFileSize) && ok;

    for (int n = 0; n < kProfileCount; ++n) {
        CString name;
        name.Format(L"str%d.ini", n);
        ok = StartIniFile(folder + name) && WriteCaptions(folder + name, language) && ok;
    }

    // str.ini: the profile list, and the factory captions a restore reads.
    const CString listFile = folder + L"str.ini";
    const CString profileName = ShippedProfileName(language);
    ok = StartIniFile(listFile) && ok;
    ok = WriteIniValue(listFile, L"Profile", L"CurProfileName", profileName) && ok;
    ok = WriteIniValue(listFile, L"Profile", L"ItemCount", L"1") && ok;
    ok = WriteIniValue(listFile, L"Profile", L"Item0", profileName) && ok;
    ok = WriteCaptions(listFile, language) && ok;

    const CString macroFile = folder + L"record.ini";
    ok = StartIniFile(macroFile) && ok;
    ok = WriteIniValue(macroFile, kMacroListSection, kMacroCountKey, L"0") && ok;
    return ok;
}
