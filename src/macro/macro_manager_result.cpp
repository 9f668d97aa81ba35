#include "macro/macro_manager_result.h"

#include "model/device_records.h"
#include "text/text_table.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMacroCaptionText = 515;
constexpr int kDeactivatedText = 516;

static_assert(kMaxMacros == kMacroSlotCount);
static_assert(sizeof(MacroRecord) == kDeviceRecordSize && kDeviceRecordSize < kMacroSlotSize);

}  // namespace

void CopyMacroRecordsToSlots(SettingsRecord& settings, const std::array<MacroRecord, kMaxMacros>& records)
{
    for (size_t k = 0; k < records.size(); ++k) {
        auto& slot = settings.MacroSlot[k];
        std::memcpy(slot.data(), &records[k], kDeviceRecordSize);
        std::fill(slot.begin() + kDeviceRecordSize, slot.end(), uint8_t{0});
    }
}

MacroButtonTexts CurrentMacroButtonTexts()
{
    return MacroButtonTexts{g_TextTable.Get(kMacroCaptionText), g_TextTable.Get(kDeactivatedText)};
}
