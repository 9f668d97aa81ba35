#pragma once
// Names of macros: how a new macro is named, and which names record.ini can
// hold without harm to other macros.

#include "classlib/cstring.h"

#include <vector>

// The word new macro names start with: "Macro", "宏", "巨集" or "Makro" for
// the language codes "EN", "CHS", "CHT" and "DE"; empty for any other code.
CString MacroNameWord(const CString& languageCode);

// The name for a new macro appended to `names`: the word, an underscore and
// one more than the number after the first underscore of the last name (the
// list's count + 1 when the list is empty or the last name has no
// underscore). A number whose name is already listed, in any letter case, is
// passed over for the next free one.
CString NextMacroName(const std::vector<CString>& names, const CString& word);

// Whether macro `index` of `names` may be called `name`. Refused: a name that
// is empty or blank, "MacroName" (the list's own section), a name another
// macro already has, and names with "[", "]", "=" or a control character.
// The profile functions trim blanks and ignore letter case, so names are
// compared that way.
bool IsAcceptableMacroName(const std::vector<CString>& names, int index, const CString& name);
