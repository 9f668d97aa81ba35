#pragma once
// The names of the functions the button-assignment menu offers: DPI actions,
// multimedia functions, edit shortcuts and Windows functions. A name's
// position is the function's index. The DPI actions are one array that
// start-up fills from the text table; the other catalogues exist once per
// language and never change.

#include "classlib/cstring.h"
#include "text/key_names.h"

#include <array>

constexpr int kDpiActionCount = 3;
constexpr int kMediaNameCount = kMultimediaCount;
constexpr int kShortcutNameCount = kShortcutCount;
constexpr int kWindowsFuncNameCount = 7;

// Which array of a per-language catalogue applies.
enum CatalogueLanguage : int { kCatalogueEN, kCatalogueCHS, kCatalogueCHT, kCatalogueDE, kCatalogueLanguageCount };

// "CHS", "CHT" and "DE" (whole and case-sensitive) choose their own arrays;
// "EN" and every other code, the empty one included, choose English.
CatalogueLanguage CatalogueLanguageOf(const CString& code);

using DpiActionNames = std::array<CString, kDpiActionCount>;
using MediaNames = std::array<CString, kMediaNameCount>;
using ShortcutNames = std::array<CString, kShortcutNameCount>;
using WindowsFuncNames = std::array<CString, kWindowsFuncNameCount>;

// Next stage, previous stage, cycle. Holds "DPI +", "DPI -", "DPI Loop"
// until start-up copies texts 41 to 43 into it.
extern DpiActionNames g_strDpiActions;

// Indexed by CatalogueLanguage, then by the function's index.
extern const std::array<MediaNames, kCatalogueLanguageCount> g_strMediaNames;
extern const std::array<ShortcutNames, kCatalogueLanguageCount> g_strShortcutNames;
extern const std::array<WindowsFuncNames, kCatalogueLanguageCount> g_strWindowsFuncNames;

// The catalogue of the language code, by the choice above.
const MediaNames& MediaNamesFor(const CString& code);
const ShortcutNames& ShortcutNamesFor(const CString& code);
const WindowsFuncNames& WindowsFuncNamesFor(const CString& code);

// Gives the DPI actions the texts 41, 42 and 43 of g_TextTable.
void CopyDpiActionsFromTextTable();
