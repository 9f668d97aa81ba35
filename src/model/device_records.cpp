#include "model/device_records.h"

#include <algorithm>

const ProfileBlock kProfileBlockTemplate = {
    0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 0x00
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 0x10
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 0x20
    0x1E, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 0x30
    0x0F, 0x05, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0x03, 0x02, 0x01, 0x64, 0x64, 0x01, 0xC0, 0xF0, 0x03,  // 0x40
    0x01, 0x01, 0x04, 0x00, 0x0B, 0x17, 0x2F, 0x47, 0x6B, 0x8F, 0x6B, 0x8F, 0x00, 0x00, 0x00, 0x00,  // 0x50
    0x00, 0x00, 0x01, 0x00, 0xFF, 0x13, 0x02, 0x01, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x50,  // 0x60
    0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,  // 0x70
};

namespace {

constexpr uint8_t kDpiLowRangeLimit = 144;  // stage values above it use the high range
constexpr uint8_t kDpiHighRangeShift = 72;
constexpr uint8_t kSensitivityStep = 20;

uint8_t U8(int value)
{
    return static_cast<uint8_t>(value);
}

// Mode and the two parameters of one lighting zone; the template's bytes
// stay where a case writes nothing.
struct ZoneBytes {
    uint8_t& Mode;
    uint8_t& Param;
    uint8_t& Param2;
};

void PatchZoneA(const SettingsRecord& s, ZoneBytes zone)
{
    const uint8_t effect = s.ZoneAEffect;
    const auto& value = s.ZoneAEffectValue;
    const bool standardAtLevelOne = effect == 1 && value[0] == 1;
    zone.Mode = standardAtLevelOne ? 0 : effect;
    switch (effect) {
    case 0:
        zone.Param = 0;
        break;
    case 1:
        if (!standardAtLevelOne) {
            zone.Param = U8(6 - value[0]);
            zone.Param2 = 3;
        }
        break;
    case 2:
        zone.Param = value[1];
        zone.Param2 = 3;
        break;
    case 3:
        zone.Param = value[2];
        break;
    }
}

void PatchZoneB(const SettingsRecord& s, ZoneBytes zone)
{
    const uint8_t effect = s.ZoneBEffect;
    const auto& value = s.ZoneBEffectValue;
    zone.Mode = U8(effect | (s.LightingLinkMode == 1 ? 0x10 : 0x00));
    switch (effect) {
    case 0:
        zone.Param = 0;
        break;
    case 1:
        zone.Param = U8(6 - value[0]);
        zone.Param2 = 3;
        break;
    case 2:
        zone.Param = value[1];
        zone.Param2 = 2;
        break;
    case 3:
        zone.Param = value[2];
        break;
    }
}

constexpr ButtonCode kNoCode{0x00, 0x00, 0x00, 0x00};

ButtonCode WindowsFunctionCode(uint8_t function)
{
    static constexpr std::array<ButtonCode, 7> codes{{
        {0x03, 0x00, 0x94, 0x01},
        {0x03, 0x00, 0x23, 0x02},
        {0x03, 0x00, 0x21, 0x02},
        {0x00, 0x04, 0x2C, 0x1B},
        {0x00, 0x04, 0x2C, 0x11},
        {0x00, 0x00, 0xE3, 0x07},
        {0x00, 0x00, 0xE3, 0x15},
    }};
    return function < codes.size() ? codes[function] : kNoCode;
}

struct FixedSlot {
    int Slot;
    ButtonCode Code;
};
constexpr std::array<FixedSlot, 9> kFixedSlots{{
    {7, {0x08, 0x00, 0x04, 0x00}},
    {14, {0x01, 0x00, 0xF7, 0x00}},
    {15, {0x01, 0x00, 0xF8, 0x00}},
    {17, {0x0B, 0x07, 0xF1, 0x00}},
    {18, {0x0B, 0x09, 0x00, 0x00}},
    {19, {0x0B, 0x08, 0x01, 0x00}},
    {20, {0x0B, 0x08, 0x02, 0x00}},
    {30, {0x0B, 0x06, 0x02, 0x00}},
    {31, {0x0B, 0x06, 0x01, 0x00}},
}};

}  // namespace

ProfileBlock BuildProfileBlock(const SettingsRecord& s)
{
    namespace at = ProfileBlockOffset;
    ProfileBlock b = kProfileBlockTemplate;

    b[0x02] = 1;
    b[at::AngleSnap] = s.AngleSnapping != 0 ? 0x08 : 0x00;
    b[0x31] = 0x41;
    b[0x40] = 0x0F;
    b[0x46] = 7;
    PatchZoneA(s, {b[at::ZoneAMode], b[at::ZoneAParam], b[at::ZoneAParam2]});
    b[at::SensX] = U8(kSensitivityStep * s.SensitivityX);
    b[at::SensY] = U8(kSensitivityStep * s.SensitivityY);
    b[at::LiftOff] = s.LiftOffDistance;
    b[at::Slider2045] = U8(s.LightingSlider2045 - 1);

    uint8_t enableMask = 0;
    for (int i = 0; i < kDpiStageCount; ++i) {
        const uint8_t stage = s.DpiStage[i];
        const bool high = stage > kDpiLowRangeLimit;
        b[at::DpiValue + i] = high ? U8(stage - kDpiHighRangeShift) : U8(stage - 1);
        b[at::DpiHighRange + i] = high ? 1 : 0;
        if (s.DpiStageEnabled[i] != 0)
            enableMask = U8(enableMask | (1 << i));
        std::copy(s.DpiStageColor[i].begin(), s.DpiStageColor[i].end(), b.begin() + at::StageColor + 3 * i);
    }
    b[at::DpiEnableMask] = enableMask;

    PatchZoneB(s, {b[at::ZoneBMode], b[at::ZoneBParam], b[at::ZoneBParam2]});
    std::copy(s.ExtraColor.begin(), s.ExtraColor.end(), b.begin() + at::ExtraColor);
    return b;
}

ButtonCodePair ButtonCodesOf(const SettingsRecord& s, int button)
{
    const auto same = [](ButtonCode code) { return ButtonCodePair{code, code}; };
    const size_t i = static_cast<size_t>(button);
    switch (static_cast<ButtonFunctionType>(s.ButtonFunction.at(i))) {
    case ButtonFunctionType::Click:
        return same({0x01, 0x00, 0xF0, 0x00});
    case ButtonFunctionType::Menu:
        return {{0x01, 0x00, 0xF1, 0x00}, {0x0B, 0x07, 0xF1, 0x00}};
    case ButtonFunctionType::Scroll:
        return {{0x01, 0x00, 0xF2, 0x00}, {0x0B, 0x09, 0x00, 0x00}};
    case ButtonFunctionType::Forward:
        return {{0x01, 0x00, 0xF4, 0x00}, {0x0B, 0x08, 0x01, 0x00}};
    case ButtonFunctionType::Back:
        return {{0x01, 0x00, 0xF3, 0x00}, {0x0B, 0x08, 0x02, 0x00}};
    case ButtonFunctionType::DoubleClick:
        return same({0x0A, 0xF0, 0x1E, 0x02});
    case ButtonFunctionType::DpiFunction: {
        const bool anyStageOn =
            std::any_of(s.DpiStageEnabled.begin(), s.DpiStageEnabled.end(), [](uint8_t on) { return on != 0; });
        return same(anyStageOn ? ButtonCode{0x07, 0x00, s.DpiFunction[i], 0x00} : kNoCode);
    }
    case ButtonFunctionType::Multimedia: {
        const uint8_t usage = s.MediaUsage[i];
        return same({0x03, 0x00, usage, U8(usage == 0x83 ? 1 : 0)});
    }
    case ButtonFunctionType::Shortcut:
        return same({0x00, 0x00, 0xE0, s.ShortcutUsage[i]});
    case ButtonFunctionType::WindowsFunction:
        return same(WindowsFunctionCode(s.SystemFunction[i]));
    case ButtonFunctionType::SingleKey:
        return same({0x00, 0x00, s.SingleKey[i], 0x00});
    case ButtonFunctionType::Macro:
        return same({0x09, s.MacroRepeatMode[i], U8(s.MacroIndex[i] + 1), 0x00});
    case ButtonFunctionType::TiltLeft:
        return same({0x01, 0x00, 0xF5, 0x00});
    case ButtonFunctionType::TiltRight:
        return same({0x01, 0x00, 0xF6, 0x00});
    case ButtonFunctionType::Fn:
        return same({0x0B, 0x05, 0x00, 0x00});
    case ButtonFunctionType::Snipe:
        return same({0x0B, 0x00, 0x05, 0x05});
    case ButtonFunctionType::None12:
    case ButtonFunctionType::Deactivated:
    case ButtonFunctionType::None14:
        break;
    }
    return same(kNoCode);
}

int ButtonSlotOf(int button)
{
    switch (button) {
    case 3:
        return 4;
    case 4:
        return 3;
    default:
        return button;
    }
}

ButtonTable BuildButtonTable(const SettingsRecord& settings)
{
    ButtonTable table{};
    for (int button = 0; button < kButtonCount; ++button) {
        const int slot = ButtonSlotOf(button);
        const ButtonCodePair codes = ButtonCodesOf(settings, button);
        table[static_cast<size_t>(slot)] = codes.Primary;
        table[static_cast<size_t>(16 + slot)] = codes.Secondary;
    }
    for (const FixedSlot& fixed : kFixedSlots)
        table[static_cast<size_t>(fixed.Slot)] = fixed.Code;
    return table;
}
