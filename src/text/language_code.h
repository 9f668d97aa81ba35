#pragma once
// The four language codes the program knows: "EN", "CHS", "CHT" and "DE".

#include "classlib/cstring.h"

#include <optional>

// In the column order of the per-language tables.
enum class Language : int { EN, CHS, CHT, DE };

// The language of a code, compared whole and case-sensitively; none for any
// other code, the empty one included. Each caller decides what an unknown
// code means.
std::optional<Language> LanguageOfCode(const CString& code);
