#pragma once
// The user-interface texts in the one language chosen at start-up, each
// named by a fixed text id from 0 to 601.

#include "classlib/cstring.h"

#include <array>
#include <span>

class CTextTable {
public:
    static constexpr int kTextIdCount = 602;

    CTextTable() = default;

    // Fills the texts of the language "CHS", "CHT", "EN" or "DE" (compared
    // whole and case-sensitively); text 0 becomes "Setting-" plus the code.
    // Any other code assigns nothing. Nothing is cleared first.
    void Load(CString code);

    // The text of an id; the empty string for an id without a text or
    // outside 0..601.
    const CString& Get(int id) const;
    const CString& operator[](int id) const { return Get(id); }

    // The ids that carry a text in every language, in ascending order.
    static std::span<const int> TextIds();
    static bool IsTextId(int id);

private:
    std::array<CString, kTextIdCount> m_texts;
};

extern CTextTable g_TextTable;
