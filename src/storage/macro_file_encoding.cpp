#include "storage/macro_file_encoding.h"

#include "classlib/debug_output.h"
#include "model/record_ini.h"

#include <algorithm>
#include <array>

int MacroLineCount(const IniSection& section)
{
    return std::min({section.Number(kLineCountKey), section.LastNumberedKey(kLineKeyPrefix) + 1, kMaxMacroLines});
}

std::vector<CString> ReadMacroNames(const CString& recordIni, int limit)
{
    std::vector<CString> names;
    const IniSection list = ReadIniSection(recordIni, kMacroListSection);
    const int entries = std::min(list.Number(kMacroCountKey), list.LastNumberedKey(L"") + 1);
    for (int i = 0; i < entries && static_cast<int>(names.size()) < limit; ++i) {
        CString name = list.Value(MacroListKey(i));
        if (!name.IsEmpty())
            names.push_back(std::move(name));
    }
    return names;
}

void EncodeMacrosFromIni(const CString& recordIni, const MacroEncoding& encoding,
                         const std::function<MacroRecordSpan(int)>& recordOf)
{
    if (!PathExists(recordIni))
        return;
    const std::vector<CString> names = ReadMacroNames(recordIni, kMaxEncodedMacros);
    for (size_t k = 0; k < names.size(); ++k) {
        const CString& name = names[k];
        DebugTrace(L"%s", name.GetString());

        const MacroRecordSpan record = recordOf(static_cast<int>(k));
        const IniSection section = ReadIniSection(recordIni, name);
        SetMacroLoopCount(record, NormalizedLoopCount(section.Number(kLoopTimesKey)));

        const int storedCount = section.Number(kLineCountKey);
        if (storedCount == 0) {
            std::fill(record.begin(), record.end(), uint8_t{0});
            continue;
        }
        if (storedCount < 0)
            continue;  // the record's events stay as they are
        // Encoding itself stops once the record is full.
        EncodeMacroEvents(
            record, MacroLineCount(section), [&](int j) { return section.Value(MacroLineKey(j)); }, encoding);
    }
}

bool EncodeMacroFromIni(const CString& recordIni, const MacroEncoding& encoding, int position, MacroRecordSpan record)
{
    // The run writes every listed macro; those other than `position` go
    // into a record of no use.
    std::array<uint8_t, kDeviceRecordSize> elsewhere{};
    bool encoded = false;
    EncodeMacrosFromIni(recordIni, encoding, [&](int k) {
        if (k != position)
            return MacroRecordSpan(elsewhere);
        encoded = true;
        return record;
    });
    return encoded;
}
