#pragma once
// The program's .ini files, read and written only through the Windows
// profile-string functions. Files that the program creates are UTF-16LE with
// a byte-order mark: the profile functions then keep names in any script,
// where a file they create themselves would hold only the system code page.

#include "classlib/cstring.h"

#include <unordered_map>
#include <unordered_set>

// Every value is read into a buffer of this many characters.
constexpr int kIniValueChars = 1024;

// PathFileExistsW of `path`.
bool PathExists(const CString& path);

// The value of `key` in `section`; the empty string when the file, the
// section or the key is missing.
CString ReadIniValue(const CString& path, const wchar_t* section, const wchar_t* key);

// The leading decimal number of a value (0 when missing or not a number).
int ReadIniNumber(const CString& path, const wchar_t* section, const wchar_t* key);

// Writes one value. A file that does not exist yet is created first, empty
// and in UTF-16LE with a byte-order mark. False when the write failed.
bool WriteIniValue(const CString& path, const wchar_t* section, const wchar_t* key, const wchar_t* value);

// Removes a whole section (a missing file stays missing).
void DeleteIniSection(const CString& path, const wchar_t* section);

// Creates `path` as an empty UTF-16LE file with a byte-order mark unless it
// exists; true when the file exists afterwards.
bool CreateUnicodeIni(const CString& path);

// The names of a file's sections, or of one section's keys, as the profile
// functions list them. Lookups ignore letter case, as the functions do, so a
// caller can skip reading keys that are not there: a file that claims
// thousands of lines it does not have costs one listing, not thousands of
// reads.
class IniNames {
public:
    bool Contains(const wchar_t* name) const;

private:
    friend IniNames ReadIniSectionNames(const CString& path);
    friend IniNames ReadIniKeyNames(const CString& path, const wchar_t* section);
    std::unordered_set<std::wstring> m_lowered;
};

IniNames ReadIniSectionNames(const CString& path);
IniNames ReadIniKeyNames(const CString& path, const wchar_t* section);

// The keys and values of one section, read with a single profile call, so a
// caller can look up as many keys as it likes without a call per key. Values
// read as ReadIniValue reads them: blanks around them and one pair of
// enclosing quotes removed, at most kIniValueChars - 1 characters. Keys are
// looked up without regard to letter case; of keys listed twice the first
// counts.
class IniSection {
public:
    bool Contains(const wchar_t* key) const;
    // The value of `key`; the empty string when it is missing.
    CString Value(const wchar_t* key) const;
    // The leading decimal number of the value (0 when missing or not a number).
    int Number(const wchar_t* key) const;
    // The largest n >= 0 for which the key `prefix` + n (n in decimal, as
    // "%d" writes it) is present; -1 when there is none.
    int LastNumberedKey(const wchar_t* prefix) const;

private:
    friend IniSection ReadIniSection(const CString& path, const wchar_t* section);
    std::unordered_map<std::wstring, std::wstring> m_values;  // keys lowered
};

// A missing file or section reads as an empty section.
IniSection ReadIniSection(const CString& path, const wchar_t* section);
