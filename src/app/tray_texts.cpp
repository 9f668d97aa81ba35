#include "app/tray_texts.h"

#include "text/text_table.h"

#include <cwchar>

namespace {

constexpr int kFirstDpiStageText = 533;  // + stage 1..7: texts 534..540
constexpr int kMacroKeyText = 545;
constexpr int kDeviceLostText = 547;
constexpr int kDeviceFoundText = 548;
constexpr UINT kEventBalloonMs = 5000;
constexpr UINT kDeviceBalloonMs = 100;
constexpr int kDpiStageCountShown = 7;

bool Holds(const wchar_t* name, const wchar_t* form)
{
    return name && std::wcsstr(name, form) != nullptr;
}

}  // namespace

CString DpiText(uint8_t stageValue)
{
    CString text;
    text.Format(L"(%d DPI)", stageValue * 50);
    return text;
}

bool IsDpiStageBalloon(WPARAM code, LPARAM value)
{
    return code >= kEventDpiStageFirst && code <= kEventDpiStageLast && value >= 1 && value <= kDpiStageCountShown;
}

std::optional<Balloon> BalloonForEvent(WPARAM code, LPARAM value, const SettingsRecord& saved)
{
    if (IsDpiStageBalloon(code, value)) {
        const int stage = static_cast<int>(value);
        return Balloon{
            g_TextTable.Get(kFirstDpiStageText + stage) + DpiText(saved.DpiStage[static_cast<size_t>(stage - 1)]),
            L"Info", kEventBalloonMs};
    }
    if (code == kEventMacroKey && value != 0) {
        CString number;
        number.Format(L"%d", static_cast<int>(value));
        return Balloon{g_TextTable.Get(kMacroKeyText) + number, L"Info", kEventBalloonMs};
    }
    if (code == kEventDeviceFound)
        return Balloon{g_TextTable.Get(kDeviceFoundText), L"Info", kDeviceBalloonMs};
    if (code == kEventDeviceLost)
        return Balloon{g_TextTable.Get(kDeviceLostText), L"Warning", kDeviceBalloonMs};
    return std::nullopt;
}

void CopyBounded(std::span<wchar_t> field, const CString& text)
{
    if (field.empty())
        return;
    const size_t length = std::min(static_cast<size_t>(text.GetLength()), field.size() - 1);
    std::wmemcpy(field.data(), text.GetString(), length);
    field[length] = L'\0';
}

bool IsArrivalDeviceName(const wchar_t* name)
{
    return Holds(name, L"VID_04d9&PID_a10d") || Holds(name, L"VID_04D9&PID_A10D");
}

bool IsRemovalDeviceName(const wchar_t* name)
{
    return Holds(name, L"Vid_04d9&Pid_a10d") || Holds(name, L"VID_04D9&PID_A10D");
}
