#pragma once
// The settings of one profile as one 1,804-byte little-endian record. It is
// stored byte for byte in the profile files, so its layout is a file format:
// every offset below counts, reserved bytes and padding included.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

constexpr int kDpiStageCount = 7;
constexpr int kButtonCount = 7;
constexpr int kMacroSlotCount = 12;
constexpr int kMacroSlotSize = 130;

using PerButton8 = std::array<uint8_t, 8>;
using RgbColor = std::array<uint8_t, 3>;

struct SettingsRecord {
    uint8_t ProfileIndex;                                 // 0x000
    std::array<uint8_t, 4> Reserved01;                    // 0x001
    uint8_t ReportRateCode;                               // 0x005: 1, 2, 4, 8 = 1000, 500, 250, 125 Hz
    uint8_t Reserved06;                                   // 0x006
    std::array<uint8_t, kDpiStageCount> DpiStage;         // 0x007: units of 50 DPI
    std::array<uint8_t, kDpiStageCount> DpiStageEnabled;  // 0x00E
    std::array<RgbColor, kDpiStageCount> DpiStageColor;   // 0x015: R, G, B
    uint8_t LightingLinkMode;                             // 0x02A: 1 linked, 3 independent
    uint8_t ZoneBEffect;                                  // 0x02B
    std::array<uint8_t, 3> ZoneBEffectValue;              // 0x02C
    uint8_t LightingSlider2044;                           // 0x02F
    uint8_t ZoneAEffect;                                  // 0x030
    std::array<uint8_t, 3> ZoneAEffectValue;              // 0x031
    uint8_t LightingSlider2045;                           // 0x034
    RgbColor ExtraColor;                                  // 0x035
    uint8_t FingerTapMode;                                // 0x038
    std::array<uint8_t, 3> Padding039;                    // 0x039
    std::array<uint32_t, 3> FingerTapKey;                 // 0x03C: L, R, M key toggles
    uint8_t PointerPrecision;                             // 0x048: 1 = on, anything else off
    uint8_t WheelPageMode;                                // 0x049
    uint8_t PointerSpeed;                                 // 0x04A
    uint8_t WheelLines;                                   // 0x04B
    uint8_t DoubleClickSpeed;                             // 0x04C
    uint8_t AngleSnapSlider2035;                          // 0x04D
    uint8_t AngleSnapping;                                // 0x04E
    uint8_t Reserved4F;                                   // 0x04F
    uint8_t SensitivityX;                                 // 0x050
    uint8_t SensitivityY;                                 // 0x051
    uint8_t LiftOffDistance;                              // 0x052
    std::array<uint8_t, kButtonCount> ButtonFunction;     // 0x053: ButtonFunctionType 0..18
    std::array<uint8_t, kButtonCount> Reserved5A;         // 0x05A
    std::array<uint8_t, kButtonCount> DpiFunction;        // 0x061: 1 up, 2 down, 3 loop
    uint8_t Reserved68;                                   // 0x068
    // Seventeen per-button arrays of eight bytes, indexed by button 0..6.
    PerButton8 Reserved69;                 // 0x069
    PerButton8 MediaUsage;                 // 0x071
    PerButton8 SystemFunction;             // 0x079
    PerButton8 Reserved81;                 // 0x081
    PerButton8 Reserved89;                 // 0x089
    PerButton8 Reserved91;                 // 0x091
    PerButton8 ShortcutUsage;              // 0x099
    PerButton8 SingleKey;                  // 0x0A1
    std::array<PerButton8, 7> ReservedA9;  // 0x0A9 .. 0x0D9
    PerButton8 MacroIndex;                 // 0x0E1
    PerButton8 MacroRepeatMode;            // 0x0E9: 0 once, 1 until any button, 2 while held
    // Slot k: bytes 0..127 one device macro record, 128..129 a stored tail.
    std::array<std::array<uint8_t, kMacroSlotSize>, kMacroSlotCount> MacroSlot;  // 0x0F1
    std::array<uint8_t, 3> Padding709;                                           // 0x709
};

constexpr size_t kSettingsRecordSize = 1804;
static_assert(sizeof(SettingsRecord) == kSettingsRecordSize);

// The record's raw bytes, as files and whole-record copies move them.
inline std::span<uint8_t, kSettingsRecordSize> RecordBytes(SettingsRecord& record)
{
    return std::span<uint8_t, kSettingsRecordSize>(reinterpret_cast<uint8_t*>(&record), kSettingsRecordSize);
}
inline std::span<const uint8_t, kSettingsRecordSize> RecordBytes(const SettingsRecord& record)
{
    return std::span<const uint8_t, kSettingsRecordSize>(reinterpret_cast<const uint8_t*>(&record),
                                                         kSettingsRecordSize);
}

// The current profile, edited in place by every window.
extern SettingsRecord g_Settings;
// The record as last loaded or saved; Cancel copies it back.
extern SettingsRecord g_SettingsSaved;
// The lighting page's kept lighting fields of the independent and linked setups.
extern SettingsRecord g_LightingIndependent;
extern SettingsRecord g_LightingLinked;

// Writes the factory defaults into g_Settings. ProfileIndex, ExtraColor,
// LiftOffDistance, the padding and the macro slots are left as they are.
void SetDefaultSettings();
