#pragma once
// What the mouse is sent: the command codes, the three 128-byte device
// records (profile block, button table, macro record), the 4-byte code of
// each button function, and how the records are built from a SettingsRecord.

#include "model/settings_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// ---------------------------------------------------------------------------
// Command codes (byte 0 of a DeviceCommand). Bit 7 marks a read command.

constexpr uint8_t kCmdSetFunctionOption = 0x01;    // 01 7C f
constexpr uint8_t kCmdSelectProfile = 0x02;        // 02 p
constexpr uint8_t kCmdSetReportRate = 0x03;        // 03 p r
constexpr uint8_t kCmdWriteProfileBlock = 0x0C;    // 0C p 80 + 128 bytes
constexpr uint8_t kCmdWriteButtonTable = 0x0D;     // 0D p 80 + 128 bytes
constexpr uint8_t kCmdWriteMacro = 0x0F;           // 0F n 80 + 128 bytes, n = 1..12
constexpr uint8_t kCmdReadFirmwareVersion = 0x80;  // reply bytes 1, 2
constexpr uint8_t kCmdReadCurrentProfile = 0x82;   // reply byte 1
constexpr uint8_t kCmdReadProfileBlock = 0x8C;     // 8C p 00, reply byte 2 = length read

// Byte 1 of the set-function-option command.
constexpr uint8_t kFunctionOptionSelector = 0x7C;

// Every record moves as 128 bytes (byte 2 of a data command).
constexpr size_t kDeviceRecordSize = 128;
constexpr uint8_t kRecordTransferLength = 0x80;
// The zeroed buffer a 128-byte record is copied into before a transfer.
constexpr size_t kTransferBufferSize = 140;

// ---------------------------------------------------------------------------
// Profile block: a fixed template patched from the settings.

using ProfileBlock = std::array<uint8_t, kDeviceRecordSize>;

extern const ProfileBlock kProfileBlockTemplate;

// Offsets of the patched bytes.
namespace ProfileBlockOffset {
constexpr size_t AngleSnap = 0x30;
constexpr size_t ZoneAMode = 0x47;
constexpr size_t ZoneAParam = 0x48;
constexpr size_t ZoneAParam2 = 0x49;
constexpr size_t SensX = 0x4A;
constexpr size_t SensY = 0x4B;
constexpr size_t LiftOff = 0x52;
constexpr size_t Slider2045 = 0x53;
constexpr size_t DpiValue = 0x54;      // 7 bytes
constexpr size_t DpiHighRange = 0x5C;  // 7 bytes
constexpr size_t DpiEnableMask = 0x64;
constexpr size_t ZoneBMode = 0x65;
constexpr size_t ZoneBParam = 0x66;
constexpr size_t ZoneBParam2 = 0x67;
constexpr size_t StageColor = 0x68;  // 7 x R, G, B
constexpr size_t ExtraColor = 0x7D;  // R, G, B
}  // namespace ProfileBlockOffset

// The template with every patch of `settings` applied (8-bit arithmetic).
ProfileBlock BuildProfileBlock(const SettingsRecord& settings);

// ---------------------------------------------------------------------------
// Button functions and their codes.

enum class ButtonFunctionType : uint8_t {
    Click = 0,
    Menu = 1,
    Scroll = 2,
    Forward = 3,
    Back = 4,
    DoubleClick = 5,
    DpiFunction = 6,
    Multimedia = 7,
    Shortcut = 8,  // Ctrl+key
    WindowsFunction = 9,
    SingleKey = 10,
    Macro = 11,
    None12 = 12,
    Deactivated = 13,
    None14 = 14,
    TiltLeft = 15,
    TiltRight = 16,
    Fn = 17,
    Snipe = 18,
};

// Four bytes in wire order.
using ButtonCode = std::array<uint8_t, 4>;

// The code of button `button` (0..6) for its slot s and for slot 16 + s.
struct ButtonCodePair {
    ButtonCode Primary;
    ButtonCode Secondary;
};
ButtonCodePair ButtonCodesOf(const SettingsRecord& settings, int button);

// 32 slots of 4 bytes; slot s at offset 4s.
constexpr int kButtonSlotCount = 32;
using ButtonTable = std::array<ButtonCode, kButtonSlotCount>;
static_assert(sizeof(ButtonTable) == kDeviceRecordSize);

// The slot that button `button` (0..6) occupies: buttons 3 and 4 swap.
int ButtonSlotOf(int button);

// Zero fill, the seven buttons' codes, then the fixed slots.
ButtonTable BuildButtonTable(const SettingsRecord& settings);

inline std::span<const uint8_t, kDeviceRecordSize> TableBytes(const ButtonTable& table)
{
    return std::span<const uint8_t, kDeviceRecordSize>(reinterpret_cast<const uint8_t*>(table.data()),
                                                       kDeviceRecordSize);
}

// ---------------------------------------------------------------------------
// Macro record: one per macro slot; the first 128 bytes of a
// SettingsRecord::MacroSlot.

constexpr int kMacroEventPairCount = 63;

// One (A, B) pair. Ordinary event: A = delay in 10 ms units (bits 0..6) with
// bit 7 set for a key release, B = HID keyboard usage. A delay above
// kMacroLongDelayLimitMs takes three pairs: (delay mod 100 | release bit,
// usage), kMacroLongDelayMarker, (delay div 100 high byte, low byte).
struct MacroEventPair {
    uint8_t A;
    uint8_t B;
};

struct MacroRecord {
    std::array<uint8_t, 2> LoopCount;                        // 0: 1..65535, big-endian
    std::array<MacroEventPair, kMacroEventPairCount> Event;  // 2: unused pairs 00 00
};
static_assert(sizeof(MacroRecord) == kDeviceRecordSize);
static_assert(offsetof(MacroRecord, Event) == 2);

constexpr size_t kMacroEventOffset = 2;
constexpr uint8_t kMacroReleaseBit = 0x80;
constexpr int kMacroDelayUnitMs = 10;
constexpr int kMacroLongDelayLimitMs = 1270;
constexpr MacroEventPair kMacroLongDelayMarker{0x00, 0x03};

// The macro record held in bytes 0..127 of macro slot `slot` (0..11).
inline std::span<uint8_t, kDeviceRecordSize> MacroRecordBytes(SettingsRecord& settings, int slot)
{
    return std::span<uint8_t, kMacroSlotSize>(settings.MacroSlot.at(static_cast<size_t>(slot)))
        .first<kDeviceRecordSize>();
}
inline std::span<const uint8_t, kDeviceRecordSize> MacroRecordBytes(const SettingsRecord& settings, int slot)
{
    return std::span<const uint8_t, kMacroSlotSize>(settings.MacroSlot.at(static_cast<size_t>(slot)))
        .first<kDeviceRecordSize>();
}
