#include "pages/lighting_rules.h"

#include "resource.h"
#include "skin/marker_geometry.h"

#include <cstdint>

namespace lighting {

namespace {

constexpr int kLinked = 1;
constexpr int kIndependent = 3;
constexpr int kFingerTapping = 4;

void SetSlider(SliderView& slider, int value)
{
    slider.position = MarkerPositionForValue(value, kSliderMin, kSliderMax);
}

void SetSliders(std::array<SliderView, kEffectCount>& sliders, const std::array<uint8_t, kEffectCount>& values)
{
    for (size_t k = 0; k < sliders.size(); ++k)
        SetSlider(sliders[k], values[k]);
}

// Only the slider of `effect` (1..3; 0 for none) is enabled.
void EnableOnly(std::array<SliderView, kEffectCount>& sliders, int effect)
{
    for (size_t k = 0; k < sliders.size(); ++k)
        sliders[k].enabled = static_cast<int>(k) + 1 == effect;
}

bool IsEffect(int effect)
{
    return effect >= 1 && effect <= kEffectCount;
}

// The setup that Link and Unlink exchange, field by field in this order.
void CopySetup(SettingsRecord& to, const SettingsRecord& from)
{
    to.ZoneAEffect = from.ZoneAEffect;
    to.ZoneAEffectValue = from.ZoneAEffectValue;
    to.LightingSlider2045 = from.LightingSlider2045;
    to.FingerTapMode = from.FingerTapMode;
    to.FingerTapKey[0] = from.FingerTapKey[0];
    to.FingerTapKey[2] = from.FingerTapKey[2];
    to.FingerTapKey[1] = from.FingerTapKey[1];
    to.ZoneBEffect = from.ZoneBEffect;
    to.ZoneBEffectValue = from.ZoneBEffectValue;
    to.LightingSlider2044 = from.LightingSlider2044;
}

struct BoxPlace {
    Box box;
    CRect rect;
};

// In the order a click looks at them.
const BoxPlace kBoxes[] = {
    {Box::ZoneAEffect1, {10, 10, 20, 19}},    {Box::ZoneAEffect2, {10, 39, 20, 48}},
    {Box::ZoneAEffect3, {10, 68, 20, 77}},    {Box::ZoneBEffect1, {10, 205, 20, 214}},
    {Box::ZoneBEffect2, {10, 234, 20, 243}},  {Box::ZoneBEffect3, {10, 263, 20, 272}},
    {Box::FingerTapping, {10, 102, 20, 111}}, {Box::Link, {10, 15, 19, 24}},
    {Box::Unlink, {130, 15, 139, 24}},        {Box::LKey, {100, 102, 109, 111}},
    {Box::RKey, {149, 102, 158, 111}},        {Box::MKey, {198, 102, 207, 111}},
};

bool IsZoneBBox(Box box)
{
    return box == Box::ZoneBEffect1 || box == Box::ZoneBEffect2 || box == Box::ZoneBEffect3;
}

bool IsKeyBox(Box box)
{
    return box == Box::LKey || box == Box::RKey || box == Box::MKey;
}

void ToggleKey(SettingsRecord& record, size_t key)
{
    uint32_t& toggle = record.FingerTapKey[key];
    toggle = toggle == 0 ? 1 : 0;
}

}  // namespace

void ApplyLevelRule(const SettingsRecord& record, Sliders& sliders)
{
    sliders.level.enabled = record.LightingLinkMode == kIndependent && record.ZoneBEffect == 3;
}

void SelectZoneBEffect(SettingsRecord& record, Sliders& sliders, int effect)
{
    const int chosen = IsEffect(effect) ? effect : 1;
    record.ZoneBEffect = static_cast<uint8_t>(chosen);
    EnableOnly(sliders.zoneB, chosen);
    SetSliders(sliders.zoneB, record.ZoneBEffectValue);
    ApplyLevelRule(record, sliders);
}

void SelectZoneAEffect(SettingsRecord& record, Sliders& sliders, int effect)
{
    const bool linked = record.LightingLinkMode == kLinked;
    if (IsEffect(effect)) {
        record.ZoneAEffect = static_cast<uint8_t>(effect);
        EnableOnly(sliders.zoneA, effect);
        SetSliders(sliders.zoneA, record.ZoneAEffectValue);
        record.FingerTapMode = 0;
        if (!linked) {
            ApplyLevelRule(record, sliders);
            return;
        }
        const auto k = static_cast<size_t>(effect - 1);
        record.ZoneBEffectValue[k] = record.ZoneAEffectValue[k];
        SetSlider(sliders.zoneB[k], record.ZoneBEffectValue[k]);
    } else if (effect == kFingerTapping) {
        record.ZoneAEffect = kFingerTapping;
        EnableOnly(sliders.zoneA, 0);
        SetSliders(sliders.zoneA, record.ZoneAEffectValue);
        record.FingerTapMode = 1;
    } else {
        record.ZoneAEffect = 1;
        EnableOnly(sliders.zoneA, 1);
        SetSliders(sliders.zoneA, record.ZoneAEffectValue);
    }
    if (linked) {
        // Zone B follows; finger tapping shows as effect 3 there.
        SelectZoneBEffect(record, sliders, effect == kFingerTapping ? 3 : effect);
        EnableOnly(sliders.zoneB, 0);
    }
    ApplyLevelRule(record, sliders);
}

void SetLinkMode(SettingsRecord& record, Sliders& sliders, int mode)
{
    switch (mode) {
    case kLinked:
        record.LightingLinkMode = kLinked;
        SelectZoneAEffect(record, sliders, record.ZoneAEffect);
        SelectZoneBEffect(record, sliders, record.ZoneBEffect);
        EnableOnly(sliders.zoneB, 0);
        ApplyLevelRule(record, sliders);
        break;
    case 2:
        record.LightingLinkMode = 2;
        sliders.level.enabled = false;
        break;
    case kIndependent:
        record.LightingLinkMode = kIndependent;
        SelectZoneBEffect(record, sliders, record.ZoneBEffect);
        SelectZoneAEffect(record, sliders, record.ZoneAEffect);
        ApplyLevelRule(record, sliders);
        break;
    default:
        record.LightingLinkMode = kLinked;
        sliders.level.enabled = false;
        break;
    }
}

void SwapLightingSnapshot(SettingsRecord& record, SettingsRecord& linked, SettingsRecord& independent, int direction)
{
    if (direction == 1) {
        CopySetup(independent, record);
        CopySetup(record, linked);
    } else if (direction == 0) {
        CopySetup(linked, record);
        CopySetup(record, independent);
    }
}

void StoreSliderValue(SettingsRecord& record, Sliders& sliders, int sliderId, int position)
{
    const auto value = static_cast<uint8_t>(position);
    if (sliderId >= IDC_LIGHT_A1 && sliderId < IDC_LIGHT_A1 + kEffectCount) {
        const auto k = static_cast<size_t>(sliderId - IDC_LIGHT_A1);
        record.ZoneAEffectValue[k] = value;
        sliders.zoneA[k].position = position;
        if (record.LightingLinkMode == kLinked) {
            record.ZoneBEffectValue[k] = value;
            SetSlider(sliders.zoneB[k], position);
        }
    } else if (sliderId >= IDC_LIGHT_B1 && sliderId < IDC_LIGHT_B1 + kEffectCount) {
        const auto k = static_cast<size_t>(sliderId - IDC_LIGHT_B1);
        record.ZoneBEffectValue[k] = value;
        sliders.zoneB[k].position = position;
    } else if (sliderId == IDC_LIGHT_LEVEL) {
        record.LightingSlider2045 = value;
        sliders.level.position = position;
    }
}

CRect BoxRect(Box box)
{
    for (const BoxPlace& place : kBoxes) {
        if (place.box == box)
            return place.rect;
    }
    return {};
}

Box BoxAt(const SettingsRecord& record, CPoint point)
{
    for (const BoxPlace& place : kBoxes) {
        if (IsZoneBBox(place.box) && record.LightingLinkMode == kLinked)
            continue;
        if (IsKeyBox(place.box) && record.FingerTapMode != 1)
            continue;
        if (place.rect.PtInRect(point))
            return place.box;
    }
    return Box::None;
}

void ClickBox(SettingsRecord& record, SettingsRecord& linked, SettingsRecord& independent, Sliders& sliders, Box box)
{
    switch (box) {
    case Box::ZoneAEffect1:
    case Box::ZoneAEffect2:
    case Box::ZoneAEffect3:
        SelectZoneAEffect(record, sliders, static_cast<int>(box) - static_cast<int>(Box::ZoneAEffect1) + 1);
        break;
    case Box::ZoneBEffect1:
    case Box::ZoneBEffect2:
    case Box::ZoneBEffect3:
        SelectZoneBEffect(record, sliders, static_cast<int>(box) - static_cast<int>(Box::ZoneBEffect1) + 1);
        break;
    case Box::FingerTapping:
        SelectZoneAEffect(record, sliders, kFingerTapping);
        break;
    case Box::Link:
        if (record.LightingLinkMode != kLinked)
            SwapLightingSnapshot(record, linked, independent, 1);
        SetLinkMode(record, sliders, kLinked);
        break;
    case Box::Unlink:
        // Mode 2 already is an independent setup: only the mode changes.
        if (record.LightingLinkMode == kLinked)
            SwapLightingSnapshot(record, linked, independent, 0);
        SetLinkMode(record, sliders, kIndependent);
        break;
    case Box::LKey:
    case Box::RKey:
    case Box::MKey:
        ToggleKey(record, static_cast<size_t>(static_cast<int>(box) - static_cast<int>(Box::LKey)));
        break;
    case Box::None:
        break;
    }
}

}  // namespace lighting
