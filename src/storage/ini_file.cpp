#include "storage/ini_file.h"

#include "model/leading_decimal.h"
#include "storage/win32_handle.h"

#include <shlwapi.h>

#include <string>
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
