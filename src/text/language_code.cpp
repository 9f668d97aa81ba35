#include "text/language_code.h"

std::optional<Language> LanguageOfCode(const CString& code)
{
    if (code == L"CHS")
        return Language::CHS;
    if (code == L"CHT")
        return Language::CHT;
    if (code == L"EN")
        return Language::EN;
    if (code == L"DE")
        return Language::DE;
    return std::nullopt;
}
