#include "storage/new_profile.h"

#include "classlib/debug_output.h"
#include "model/device_records.h"
#include "model/macro_encoding.h"
#include "storage/data_paths.h"
#include "storage/ini_file.h"
#include "storage/macro_file_encoding.h"
#include "storage/profile_file.h"
#include "storage/whole_file.h"
#include "storage/win32_handle.h"

#include <utility>

SettingsRecord NewProfileRecord(const CString& modulePath)
{
    SettingsRecord record{};
    const CString factory = DataFilePath(modulePath, L"config.bin");
    if (UniqueHandle file(OpenProfileFileForReading(factory)); file) {
        uint8_t flag = 0;
        if (ReadUpTo(file.get(), &flag, 1) == 1)
            ReadUpTo(file.get(), RecordBytes(record).data(), kSettingsRecordSize);
    } else {
        DebugTrace(L"Factory profile %s cannot be read: a new profile takes the defaults alone.\n",
                   factory.GetString());
    }

    // The defaults are written into g_Settings, which keeps what it holds.
    const SettingsRecord shown = std::exchange(g_Settings, record);
    SetDefaultSettings();
    record = std::exchange(g_Settings, shown);

    EncodeMacrosFromIni(DataFilePath(modulePath, L"record.ini"), kProfileMacroEncoding,
                        [&record](int k) { return MacroRecordBytes(record, k); });
    return record;
}

std::optional<std::vector<uint8_t>> NewProfileCaptions(const CString& modulePath, const CString& language)
{
    const std::optional<FileContent> factory = ReadWholeFile(DataFilePath(modulePath, L"str.ini"));
    if (!factory || !factory->exists)
        return std::nullopt;

    // The list goes and the language comes in through the profile functions,
    // on a scratch copy beside str.ini, which goes afterwards.
    const CString scratch = DataFilePath(modulePath, L"str.ini.new");
    std::optional<FileContent> captions;
    if (WriteFileReplacing(scratch, factory->bytes)) {
        DeleteIniSection(scratch, L"Profile");
        if (language.IsEmpty() || WriteIniValue(scratch, L"Skins", L"Lan", language))
            captions = ReadWholeFile(scratch);
    }
    DeleteFileW(scratch);
    if (!captions || !captions->exists)
        return std::nullopt;
    return std::move(captions->bytes);
}
