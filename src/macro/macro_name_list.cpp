#include "macro/macro_name_list.h"

#include "model/record_ini.h"
#include "storage/ini_file.h"

#include <algorithm>

std::vector<CString> ReadListedMacroNames(const CString& recordIni, int limit)
{
    std::vector<CString> names;
    if (!PathExists(recordIni))
        return names;
    const int count = std::min(ReadIniNumber(recordIni, kMacroListSection, kMacroCountKey), limit);
    for (int i = 0; i < count; ++i)
        names.push_back(ReadIniValue(recordIni, kMacroListSection, MacroListKey(i)));
    return names;
}
