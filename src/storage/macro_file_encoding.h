#pragma once
// Reads the macros of record.ini, the macro store, into device macro records.

#include "classlib/cstring.h"
#include "model/macro_encoding.h"

#include <functional>

// One macro per device record: names past the twelfth are not encoded.
constexpr int kMaxEncodedMacros = kMacroSlotCount;

// The whole run over record.ini: for each listed macro k (at most twelve),
// the loop count and the events into `recordOf(k)`. A missing file or an
// empty list changes nothing.
void EncodeMacrosFromIni(const CString& recordIni, const MacroEncoding& encoding,
                         const std::function<MacroRecordSpan(int)>& recordOf);
