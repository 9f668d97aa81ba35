#pragma once
// The lighting page apart from its window: the effect selections, the link
// mode, the swap between the linked and the independent setup, the slider
// values and the click boxes, as functions over a settings record and the
// state of the page's seven sliders.
//
// Link modes: 1 linked (zone B mirrors zone A), 3 independent, 2 only from
// a record (as independent, but the level slider stays disabled).

#include "classlib/geometry.h"
#include "model/settings_record.h"

#include <array>

namespace lighting {

constexpr int kSliderMin = 1;
constexpr int kSliderMax = 6;
constexpr int kEffectCount = 3;

// What the page shows on one slider.
struct SliderView {
    int position = 0;
    bool enabled = true;

    bool operator==(const SliderView&) const = default;
};

// The page's sliders: zone A effects 1..3, zone B effects 1..3 and the
// level slider.
struct Sliders {
    std::array<SliderView, kEffectCount> zoneA;
    std::array<SliderView, kEffectCount> zoneB;
    SliderView level;

    bool operator==(const Sliders&) const = default;
};

// Zone A's effect e (1..3 an effect with its own value, 4 finger tapping);
// any other e counts as 1 and leaves FingerTapMode alone. While linked,
// zone B takes the same effect (finger tapping as effect 3) and the value
// of the chosen effect, and all zone B sliders are disabled.
void SelectZoneAEffect(SettingsRecord& record, Sliders& sliders, int effect);

// Zone B's effect e (1..3; any other e counts as 1): its slider enabled,
// the other two disabled.
void SelectZoneBEffect(SettingsRecord& record, Sliders& sliders, int effect);

// Link mode m (1, 2 or 3; any other m counts as 1 without re-selecting the
// effects).
void SetLinkMode(SettingsRecord& record, Sliders& sliders, int mode);

// The level slider is enabled exactly when independent (mode 3) with zone B
// on effect 3.
void ApplyLevelRule(const SettingsRecord& record, Sliders& sliders);

// The lighting setup moves between the record and the two kept copies.
// Direction 1 (linking): the record's setup into `independent`, then the
// `linked` setup into the record. Direction 0 (unlinking): the record's
// setup into `linked`, then the `independent` setup into the record. Any
// other direction does nothing. Only the fields of the setup move (zone A
// effect and values, level, finger tapping mode and keys, zone B effect and
// values, LightingSlider2044); the link mode and everything else stay.
void SwapLightingSnapshot(SettingsRecord& record, SettingsRecord& linked, SettingsRecord& independent, int direction);

// A slider released at `position`; while linked, zone A's values carry
// over to zone B's slider of the same effect.
void StoreSliderValue(SettingsRecord& record, Sliders& sliders, int sliderId, int position);

// The click boxes, page client pixels.
enum class Box {
    None,
    ZoneAEffect1,
    ZoneAEffect2,
    ZoneAEffect3,
    ZoneBEffect1,
    ZoneBEffect2,
    ZoneBEffect3,
    FingerTapping,
    Link,
    Unlink,
    LKey,
    RKey,
    MKey,
};

CRect BoxRect(Box box);

// The box a click at `point` acts on: the first, in the order zone A
// effects, zone B effects (not while linked), finger tapping, Link, Unlink,
// the three keys (only in finger tapping mode), whose rectangle holds the
// point. Boxes overlap (Link lies inside zone A's effect 1 box), and a click
// acts on one box only.
Box BoxAt(const SettingsRecord& record, CPoint point);

// What a click on `box` does. Link and Unlink swap the setups only when the
// click moves between linked and independent; clicking the mode already in
// force only re-applies it, so neither kept setup is overwritten.
void ClickBox(SettingsRecord& record, SettingsRecord& linked, SettingsRecord& independent, Sliders& sliders, Box box);

}  // namespace lighting
