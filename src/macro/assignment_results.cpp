#include "macro/assignment_results.h"

#include "model/device_records.h"
#include "text/key_names.h"
#include "text/text_table.h"

namespace {

constexpr int kSingleKeyCaptionText = 512;
constexpr int kMacroCaptionText = 515;

bool IsButtonIndex(int button)
{
    return button >= 0 && button < kButtonCount;
}

size_t At(int button)
{
    return static_cast<size_t>(button);
}

}  // namespace

CString PresetKeyName(const SettingsRecord& settings, int button)
{
    if (!IsButtonIndex(button) || settings.SingleKey[At(button)] == 0)
        return CString();
    return HidUsageToKeyName(settings.SingleKey[At(button)]);
}

std::optional<CString> ApplySingleKeyResult(SettingsRecord& settings, int button, INT_PTR result,
                                            const CString& keyName)
{
    if (result != IDOK || !IsButtonIndex(button))
        return std::nullopt;
    const uint8_t usage = KeyNameToHidUsage(keyName);
    if (usage == 0)
        return std::nullopt;
    settings.SingleKey[At(button)] = usage;
    settings.ButtonFunction[At(button)] = static_cast<uint8_t>(ButtonFunctionType::SingleKey);
    return g_TextTable[kSingleKeyCaptionText] + L"-" + keyName;
}

std::optional<CString> ApplyMacroResult(SettingsRecord& settings, int button, INT_PTR result, int selMacro,
                                        uint8_t repeatMode, const CString& macroName)
{
    if (result != IDOK || selMacro < 0 || !IsButtonIndex(button))
        return std::nullopt;
    settings.MacroIndex[At(button)] = static_cast<uint8_t>(selMacro & 0xFF);
    settings.MacroRepeatMode[At(button)] = repeatMode;
    settings.ButtonFunction[At(button)] = static_cast<uint8_t>(ButtonFunctionType::Macro);
    return g_TextTable[kMacroCaptionText] + L":" + macroName;
}
