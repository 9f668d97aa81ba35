#include "classlib/cstring.h"

#include <algorithm>
#include <cwctype>
#include <cstdio>

namespace {

bool IsBlank(wchar_t ch)
{
    return std::iswspace(static_cast<wint_t>(ch)) != 0;
}

}  // namespace

std::wstring FormatWide(const wchar_t* format, va_list args)
{
    if (!format)
        return {};
    // The runtime's own _vsnwprintf keeps the Windows meaning of %s in a wide
    // format (a wide string), which every format text of the program relies on.
    va_list probe;
    va_copy(probe, args);
    const int length = _vscwprintf(format, probe);
    va_end(probe);
    if (length <= 0)
        return {};
    std::wstring out(static_cast<size_t>(length) + 1, L'\0');
    _vsnwprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(length));
    return out;
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    const size_t at = m_str.find(sub, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const size_t at = m_str.find(ch, static_cast<size_t>(start));
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const
{
    const size_t at = m_str.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    const std::wstring_view from(oldText ? oldText : L"");
    const std::wstring_view to(newText ? newText : L"");
    if (from.empty())
        return 0;
    int count = 0;
    std::wstring out;
    size_t pos = 0;
    for (size_t hit; (hit = m_str.find(from, pos)) != std::wstring::npos; pos = hit + from.size()) {
        out.append(m_str, pos, hit - pos);
        out.append(to);
        ++count;
    }
    if (count) {
        out.append(m_str, pos);
        m_str = std::move(out);
    }
    return count;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int count = 0;
    for (wchar_t& ch : m_str)
        if (ch == oldCh) {
            ch = newCh;
            ++count;
        }
    return count;
}

int CString::Remove(wchar_t ch)
{
    const auto before = m_str.size();
    std::erase(m_str, ch);
    return static_cast<int>(before - m_str.size());
}

CString CString::Left(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const
{
    count = std::clamp(count, 0, GetLength());
    return CString(m_str.substr(m_str.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString& CString::MakeUpper()
{
    CharUpperBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower()
{
    CharLowerBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::TrimLeft()
{
    const auto first = std::find_if_not(m_str.begin(), m_str.end(), IsBlank);
    m_str.erase(m_str.begin(), first);
    return *this;
}

CString& CString::TrimRight()
{
    const auto last = std::find_if_not(m_str.rbegin(), m_str.rend(), IsBlank);
    m_str.erase(last.base(), m_str.end());
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

int CString::CompareNoCase(const wchar_t* other) const
{
    return lstrcmpiW(m_str.c_str(), other ? other : L"");
}

void CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    m_str = FormatWide(format, args);
}

void CString::AppendFormat(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    m_str += FormatWide(format, args);
    va_end(args);
}

wchar_t* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_str.resize(static_cast<size_t>(minLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(wcsnlen(m_str.c_str(), m_str.size()));
    m_str.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}
