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

void FollowMovedMacros(SettingsRecord& settings, std::span<CString, kButtonCount> captions,
                       std::span<const int> positionNow, std::span<const CString> namesNow)
{
    const auto macro = static_cast<uint8_t>(ButtonFunctionType::Macro);
    for (size_t i = 0; i < captions.size(); ++i) {
        if (settings.ButtonFunction[i] != macro)
            continue;
        const size_t opened = settings.MacroIndex[i];
        if (opened >= positionNow.size())
            continue;
        const int now = positionNow[opened];
        if (now < 0 || now >= kMacroSlotCount || static_cast<size_t>(now) >= namesNow.size()) {
            settings.ButtonFunction[i] = static_cast<uint8_t>(ButtonFunctionType::Deactivated);
            captions[i] = g_TextTable.Get(kDeactivatedText);
            continue;
        }
        settings.MacroIndex[i] = static_cast<uint8_t>(now);
        captions[i] = g_TextTable.Get(kMacroCaptionText) + L":" + namesNow[static_cast<size_t>(now)];
    }
}
