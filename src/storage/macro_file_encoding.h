#pragma once
// Reads the macros of record.ini, the macro store, into device macro records.

#include "classlib/cstring.h"
#include "model/macro_encoding.h"
#include "storage/ini_file.h"

#include <functional>
#include <vector>

// One macro per device record: names past the twelfth are not encoded.
constexpr int kMaxEncodedMacros = kMacroSlotCount;

// The whole run over record.ini: for each listed macro k (at most twelve),
// the loop count and the events into `recordOf(k)`. A missing file or an
// empty list changes nothing.
void EncodeMacrosFromIni(const CString& recordIni, const MacroEncoding& encoding,
                         const std::function<MacroRecordSpan(int)>& recordOf);

// Macro `position` of the list alone into `record`, as the whole run would
// encode it; the other macros' records are not touched. False, with `record`
// unchanged, when the list holds no macro at `position` that fits a record.
bool EncodeMacroFromIni(const CString& recordIni, const MacroEncoding& encoding, int position, MacroRecordSpan record);

// The number of event lines of a macro's section: its "ItemCount", believed
// only up to the last "Item%d" key present (and never beyond kMaxMacroLines),
// so a count far above the lines the file holds costs nothing.
int MacroLineCount(const IniSection& section);

// The macro names of record.ini's list in order. The "MacroCount" is believed
// only up to the last numbered key present (and never beyond `limit` names);
// an entry without a name is not a macro and is left out.
std::vector<CString> ReadMacroNames(const CString& recordIni, int limit);
