#include "model/macro_names.h"

#include "model/leading_decimal.h"
#include "model/record_ini.h"
#include "text/language_code.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

CString Trimmed(CString text)
{
    return text.Trim();
}

bool SameName(const CString& a, const CString& b)
{
    return Trimmed(a).CompareNoCase(Trimmed(b)) == 0;
}

bool IsListed(const std::vector<CString>& names, const CString& name)
{
    return std::any_of(names.begin(), names.end(), [&](const CString& listed) { return SameName(listed, name); });
}

bool IsControlCharacter(wchar_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

}  // namespace

CString MacroNameWord(const CString& languageCode)
{
    const std::optional<Language> language = LanguageOfCode(languageCode);
    if (!language)
        return CString();
    switch (*language) {
    case Language::CHS:
        return L"宏";
    case Language::CHT:
        return L"巨集";
    case Language::EN:
        return L"Macro";
    case Language::DE:
        return L"Makro";
    }
    return CString();
}

CString NextMacroName(const std::vector<CString>& names, const CString& word)
{
    long long number = static_cast<long long>(names.size()) + 1;
    if (!names.empty()) {
        const CString& last = names.back();
        const int underscore = last.Find(L'_');
        if (underscore >= 0)
            number = static_cast<long long>(LeadingDecimal(last.Mid(underscore + 1))) + 1;
    }
    for (;;) {
        const CString name = word + L"_" + CString(std::to_wstring(number));
        if (!IsListed(names, name))
            return name;
        ++number;
    }
}

bool IsAcceptableMacroName(const std::vector<CString>& names, int index, const CString& name)
{
    if (Trimmed(name).IsEmpty() || SameName(name, kMacroListSection))
        return false;
    for (int i = 0; i < name.GetLength(); ++i) {
        const wchar_t ch = name[i];
        if (ch == L'[' || ch == L']' || ch == L'=' || IsControlCharacter(ch))
            return false;
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (static_cast<int>(i) != index && SameName(names[i], name))
            return false;
    }
    return true;
}
