#pragma once
// The texts of the text table as data, one row per text id.

#include <span>

// Column order of a row.
enum TextLanguage : int { kTextEN, kTextCHS, kTextCHT, kTextDE, kTextLanguageCount };

struct TextRow {
    int id;
    const wchar_t* text[kTextLanguageCount];
};

// Every id that carries a text, each exactly once, with its four texts.
std::span<const TextRow> TextRows();
