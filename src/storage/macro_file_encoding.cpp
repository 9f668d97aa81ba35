#include "storage/macro_file_encoding.h"

#include "classlib/debug_output.h"
#include "model/record_ini.h"
#include "storage/ini_file.h"

#include <algorithm>

void EncodeMacrosFromIni(const CString& recordIni, const MacroEncoding& encoding,
                         const std::function<MacroRecordSpan(int)>& recordOf)
{
    if (!PathExists(recordIni))
        return;
    const int macroCount = std::min(ReadIniNumber(recordIni, kMacroListSection, kMacroCountKey), kMaxEncodedMacros);
    for (int k = 0; k < macroCount; ++k) {
        const CString name = ReadIniValue(recordIni, kMacroListSection, MacroListKey(k));
        DebugTrace(L"%s", name.GetString());

        const MacroRecordSpan record = recordOf(k);
        SetMacroLoopCount(record, NormalizedLoopCount(ReadIniNumber(recordIni, name, kLoopTimesKey)));

        const int lineCount = ReadIniNumber(recordIni, name, kLineCountKey);
        if (lineCount == 0) {
            std::fill(record.begin(), record.end(), uint8_t{0});
            continue;
        }
        if (lineCount < 0)
            continue;  // the record's events stay as they are
        const IniNames lineKeys = ReadIniKeyNames(recordIni, name);
        EncodeMacroEvents(
            record, std::min(lineCount, kMaxMacroLines),
            [&](int j) {
                const CString key = MacroLineKey(j);
                return lineKeys.Contains(key) ? ReadIniValue(recordIni, name, key) : CString();
            },
            encoding);
    }
}
