#pragma once
// CString: a wide-character string value over std::wstring with the
// operations the program's windows and files use.

#include <windows.h>

#include <cstdarg>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_str(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_str(text, static_cast<size_t>(length)) {}
    CString(wchar_t ch, int repeat = 1) : m_str(static_cast<size_t>(repeat), ch) {}
    CString(std::wstring text) : m_str(std::move(text)) {}
    CString(std::wstring_view text) : m_str(text) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }

    wchar_t GetAt(int index) const { return m_str.at(static_cast<size_t>(index)); }
    void SetAt(int index, wchar_t ch) { m_str.at(static_cast<size_t>(index)) = ch; }
    wchar_t operator[](int index) const { return GetAt(index); }

    // Index of the first occurrence at or after `start`, or -1.
    int Find(const wchar_t* sub, int start = 0) const;
    int Find(wchar_t ch, int start = 0) const;
    int ReverseFind(wchar_t ch) const;

    // Replaces every occurrence; returns how many were replaced.
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Replace(wchar_t oldCh, wchar_t newCh);
    int Remove(wchar_t ch);

    // Out-of-range counts are clamped, as the callers expect of them.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    int Compare(const wchar_t* other) const { return m_str.compare(other ? other : L""); }
    int CompareNoCase(const wchar_t* other) const;

    // printf-style with wide-string semantics: %s and %c take wide arguments.
    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormat(const wchar_t* format, ...);

    // A writable buffer of at least `minLength` characters plus the
    // terminator, for Win32 calls that fill a string; ReleaseBuffer trims the
    // string to `newLength`, or to the first terminator when it is -1.
    wchar_t* GetBuffer(int minLength = 0);
    void ReleaseBuffer(int newLength = -1);

    CString& operator=(const wchar_t* text)
    {
        m_str = text ? text : L"";
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_str += other.m_str;
        return *this;
    }
    CString& operator+=(const wchar_t* text)
    {
        if (text)
            m_str += text;
        return *this;
    }
    CString& operator+=(wchar_t ch)
    {
        m_str += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const wchar_t* b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const wchar_t* a, const CString& b)
    {
        CString r(a);
        r += b;
        return r;
    }
    friend CString operator+(const CString& a, wchar_t b)
    {
        CString r(a);
        r += b;
        return r;
    }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

private:
    std::wstring m_str;
};

// Formats printf-style into a std::wstring (the engine behind CString::Format).
std::wstring FormatWide(const wchar_t* format, va_list args);
