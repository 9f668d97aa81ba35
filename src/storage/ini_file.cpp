#include "storage/ini_file.h"

#include "model/leading_decimal.h"
#include "storage/win32_handle.h"

#include <shlwapi.h>

#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::wstring Lowered(const wchar_t* text)
{
    std::wstring lowered = text ? text : L"";
    if (!lowered.empty())
        CharLowerBuffW(lowered.data(), static_cast<DWORD>(lowered.size()));
    return lowered;
}

// The double-null-terminated list GetPrivateProfileStringW gives for a null
// section (section names) or a null key (key names), read whole.
std::vector<std::wstring> ReadNameList(const CString& path, const wchar_t* section)
{
    constexpr DWORD kLargestList = 16 * 1024 * 1024;
    std::vector<wchar_t> buffer;
    for (DWORD size = 4096;; size *= 2) {
        buffer.assign(size + 2, L'\0');  // always ends in two terminators
        const DWORD length = GetPrivateProfileStringW(section, nullptr, L"", buffer.data(), size, path);
        // A list that did not fit comes back as size - 2 characters.
        if (length + 2 < size || size >= kLargestList)
            break;
    }
    std::vector<std::wstring> names;
    for (const wchar_t* name = buffer.data(); *name; name += wcslen(name) + 1)
        names.emplace_back(name);
    return names;
}

// The section's "key=value" lines as GetPrivateProfileSectionW gives them,
// read whole.
std::vector<std::wstring> ReadSectionLines(const CString& path, const wchar_t* section)
{
    constexpr DWORD kLargestSection = 16 * 1024 * 1024;
    std::vector<wchar_t> buffer;
    for (DWORD size = 4096;; size *= 2) {
        buffer.assign(size + 2, L'\0');  // always ends in two terminators
        const DWORD length = GetPrivateProfileSectionW(section, buffer.data(), size, path);
        // A section that did not fit comes back as size - 2 characters.
        if (length + 2 < size || size >= kLargestSection)
            break;
    }
    std::vector<std::wstring> lines;
    for (const wchar_t* line = buffer.data(); *line; line += wcslen(line) + 1)
        lines.emplace_back(line);
    return lines;
}

std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && std::iswspace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A value as GetPrivateProfileStringW hands it out.
std::wstring ProfileValue(std::wstring_view raw)
{
    std::wstring_view value = Trimmed(raw);
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::wstring(value.substr(0, kIniValueChars - 1));
}

}  // namespace

bool PathExists(const CString& path)
{
    return PathFileExistsW(path) != FALSE;
}

CString ReadIniValue(const CString& path, const wchar_t* section, const wchar_t* key)
{
    CString value;
    GetPrivateProfileStringW(section, key, L"", value.GetBuffer(kIniValueChars), kIniValueChars, path);
    value.ReleaseBuffer();
    return value;
}

int ReadIniNumber(const CString& path, const wchar_t* section, const wchar_t* key)
{
    return LeadingDecimal(ReadIniValue(path, section, key));
}

bool WriteIniValue(const CString& path, const wchar_t* section, const wchar_t* key, const wchar_t* value)
{
    CreateUnicodeIni(path);
    return WritePrivateProfileStringW(section, key, value, path) != FALSE;
}

void DeleteIniSection(const CString& path, const wchar_t* section)
{
    WritePrivateProfileStringW(section, nullptr, nullptr, path);
}

bool CreateUnicodeIni(const CString& path)
{
    if (PathExists(path))
        return true;
    // CREATE_NEW: a file that appears meanwhile is left as it is.
    UniqueHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return PathExists(path);
    }
    static constexpr BYTE kByteOrderMark[] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(file.get(), kByteOrderMark, sizeof kByteOrderMark, &written, nullptr);
    return true;
}

bool IniNames::Contains(const wchar_t* name) const
{
    return m_lowered.contains(Lowered(name));
}

IniNames ReadIniSectionNames(const CString& path)
{
    IniNames names;
    for (const std::wstring& name : ReadNameList(path, nullptr))
        names.m_lowered.insert(Lowered(name.c_str()));
    return names;
}

IniNames ReadIniKeyNames(const CString& path, const wchar_t* section)
{
    IniNames names;
    for (const std::wstring& name : ReadNameList(path, section))
        names.m_lowered.insert(Lowered(name.c_str()));
    return names;
}

bool IniSection::Contains(const wchar_t* key) const
{
    return m_values.contains(Lowered(key));
}

CString IniSection::Value(const wchar_t* key) const
{
    const auto found = m_values.find(Lowered(key));
    return found == m_values.end() ? CString() : CString(found->second);
}

int IniSection::Number(const wchar_t* key) const
{
    return LeadingDecimal(Value(key));
}

int IniSection::LastNumberedKey(const wchar_t* prefix) const
{
    const std::wstring loweredPrefix = Lowered(prefix);
    int last = -1;
    for (const auto& [key, value] : m_values) {
        if (!key.starts_with(loweredPrefix))
            continue;
        const std::wstring digits = key.substr(loweredPrefix.size());
        const int n = LeadingDecimal(digits.c_str());
        // Only the form "%d" writes: "Item07" or "Item+7" is another key.
        if (n >= 0 && std::to_wstring(n) == digits && n > last)
            last = n;
    }
    return last;
}

IniSection ReadIniSection(const CString& path, const wchar_t* section)
{
    IniSection result;
    for (const std::wstring& line : ReadSectionLines(path, section)) {
        const size_t equals = line.find(L'=');
        const std::wstring_view whole(line);
        const std::wstring key(Trimmed(whole.substr(0, equals)));
        const std::wstring value =
            equals == std::wstring::npos ? std::wstring() : ProfileValue(whole.substr(equals + 1));
        result.m_values.try_emplace(Lowered(key.c_str()), value);
    }
    return result;
}
