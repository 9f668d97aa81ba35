#include "support/test_support.h"

#include <windows.h>

std::vector<unsigned char> ReadBinaryFile(const std::wstring& path)
{
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    unsigned char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    CloseHandle(file);
    return bytes;
}

void WriteBinaryFile(const std::wstring& path, const void* data, size_t size)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
}

void WriteUtf16File(const std::wstring& path, const std::wstring& text)
{
    std::vector<unsigned char> bytes = {0xFF, 0xFE};
    for (wchar_t ch : text) {
        bytes.push_back(static_cast<unsigned char>(ch & 0xFF));
        bytes.push_back(static_cast<unsigned char>((ch >> 8) & 0xFF));
    }
    WriteBinaryFile(path, bytes.data(), bytes.size());
}

std::wstring ReadUtf16File(const std::wstring& path, bool* hasByteOrderMark)
{
    const std::vector<unsigned char> bytes = ReadBinaryFile(path);
    const bool mark = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    if (hasByteOrderMark)
        *hasByteOrderMark = mark;
    std::wstring text;
    for (size_t i = mark ? 2 : 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
    return text;
}

std::vector<std::wstring> IniFileLines(const std::wstring& path)
{
    std::vector<std::wstring> lines;
    std::wstring line;
    for (wchar_t ch : ReadUtf16File(path) + L"\n") {
        if (ch == L'\r')
            continue;
        if (ch != L'\n') {
            line += ch;
            continue;
        }
        if (line.find_first_not_of(L" \t") != std::wstring::npos)
            lines.push_back(line);
        line.clear();
    }
    return lines;
}
