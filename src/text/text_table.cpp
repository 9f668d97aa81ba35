#include "text/text_table.h"

#include "text/language_code.h"
#include "text/text_table_rows.h"

#include <algorithm>
#include <optional>
#include <vector>

CTextTable g_TextTable;

namespace {

// A row's columns follow the order of the language codes.
static_assert(kTextEN == static_cast<int>(Language::EN) && kTextCHS == static_cast<int>(Language::CHS) &&
              kTextCHT == static_cast<int>(Language::CHT) && kTextDE == static_cast<int>(Language::DE));

const std::vector<int>& SortedTextIds()
{
    static const std::vector<int> ids = [] {
        std::vector<int> all;
        for (const TextRow& row : TextRows())
            all.push_back(row.id);
        std::sort(all.begin(), all.end());
        return all;
    }();
    return ids;
}

}  // namespace

void CTextTable::Load(CString code)
{
    const std::optional<Language> language = LanguageOfCode(code);
    if (!language)
        return;
    const auto column = static_cast<size_t>(*language);
    for (const TextRow& row : TextRows()) {
        if (row.id >= 0 && row.id < kTextIdCount)
            m_texts[static_cast<size_t>(row.id)] = row.text[column];
    }
}

const CString& CTextTable::Get(int id) const
{
    static const CString empty;
    if (id < 0 || id >= kTextIdCount)
        return empty;
    return m_texts[static_cast<size_t>(id)];
}

std::span<const int> CTextTable::TextIds()
{
    return SortedTextIds();
}

bool CTextTable::IsTextId(int id)
{
    return std::binary_search(SortedTextIds().begin(), SortedTextIds().end(), id);
}
