#include "model/settings_record.h"

#include <algorithm>

#define RV417_CHECK_OFFSET(field, offset) \
    static_assert(offsetof(SettingsRecord, field) == (offset), #field " is misplaced")
RV417_CHECK_OFFSET(ProfileIndex, 0x000);
RV417_CHECK_OFFSET(Reserved01, 0x001);
RV417_CHECK_OFFSET(ReportRateCode, 0x005);
RV417_CHECK_OFFSET(Reserved06, 0x006);
RV417_CHECK_OFFSET(DpiStage, 0x007);
RV417_CHECK_OFFSET(DpiStageEnabled, 0x00E);
RV417_CHECK_OFFSET(DpiStageColor, 0x015);
RV417_CHECK_OFFSET(LightingLinkMode, 0x02A);
RV417_CHECK_OFFSET(ZoneBEffect, 0x02B);
RV417_CHECK_OFFSET(ZoneBEffectValue, 0x02C);
RV417_CHECK_OFFSET(LightingSlider2044, 0x02F);
RV417_CHECK_OFFSET(ZoneAEffect, 0x030);
RV417_CHECK_OFFSET(ZoneAEffectValue, 0x031);
RV417_CHECK_OFFSET(LightingSlider2045, 0x034);
RV417_CHECK_OFFSET(ExtraColor, 0x035);
RV417_CHECK_OFFSET(FingerTapMode, 0x038);
RV417_CHECK_OFFSET(Padding039, 0x039);
RV417_CHECK_OFFSET(FingerTapKey, 0x03C);
RV417_CHECK_OFFSET(PointerPrecision, 0x048);
RV417_CHECK_OFFSET(WheelPageMode, 0x049);
RV417_CHECK_OFFSET(PointerSpeed, 0x04A);
RV417_CHECK_OFFSET(WheelLines, 0x04B);
RV417_CHECK_OFFSET(DoubleClickSpeed, 0x04C);
RV417_CHECK_OFFSET(AngleSnapSlider2035, 0x04D);
RV417_CHECK_OFFSET(AngleSnapping, 0x04E);
RV417_CHECK_OFFSET(Reserved4F, 0x04F);
RV417_CHECK_OFFSET(SensitivityX, 0x050);
RV417_CHECK_OFFSET(SensitivityY, 0x051);
RV417_CHECK_OFFSET(LiftOffDistance, 0x052);
RV417_CHECK_OFFSET(ButtonFunction, 0x053);
RV417_CHECK_OFFSET(Reserved5A, 0x05A);
RV417_CHECK_OFFSET(DpiFunction, 0x061);
RV417_CHECK_OFFSET(Reserved68, 0x068);
RV417_CHECK_OFFSET(Reserved69, 0x069);
RV417_CHECK_OFFSET(MediaUsage, 0x071);
RV417_CHECK_OFFSET(SystemFunction, 0x079);
RV417_CHECK_OFFSET(Reserved81, 0x081);
RV417_CHECK_OFFSET(Reserved89, 0x089);
RV417_CHECK_OFFSET(Reserved91, 0x091);
RV417_CHECK_OFFSET(ShortcutUsage, 0x099);
RV417_CHECK_OFFSET(SingleKey, 0x0A1);
RV417_CHECK_OFFSET(ReservedA9, 0x0A9);
RV417_CHECK_OFFSET(MacroIndex, 0x0E1);
RV417_CHECK_OFFSET(MacroRepeatMode, 0x0E9);
RV417_CHECK_OFFSET(MacroSlot, 0x0F1);
RV417_CHECK_OFFSET(Padding709, 0x709);
#undef RV417_CHECK_OFFSET

SettingsRecord g_Settings;
SettingsRecord g_SettingsSaved;
SettingsRecord g_LightingIndependent;
SettingsRecord g_LightingLinked;

void SetDefaultSettings()
{
    SettingsRecord& s = g_Settings;
    s.Reserved01 = {1, 1, 1, 1};
    s.ReportRateCode = 2;
    s.Reserved06 = 3;
    s.DpiStage = {12, 24, 48, 72, 108, 144, 216};
    s.DpiStageEnabled = {1, 1, 1, 1, 1, 1, 1};
    s.DpiStageColor = {{
        {0xFF, 0x00, 0x00},
        {0x00, 0x00, 0xFF},
        {0x00, 0xFF, 0x00},
        {0xFF, 0xFF, 0x00},
        {0x00, 0xFF, 0xFF},
        {0xFF, 0x80, 0x00},
        {0xFF, 0x00, 0xFF},
    }};
    s.LightingLinkMode = 1;
    s.ZoneBEffect = 3;
    s.ZoneBEffectValue = {4, 2, 2};
    s.LightingSlider2044 = 1;
    s.ZoneAEffect = 3;
    s.ZoneAEffectValue = {4, 2, 2};
    s.LightingSlider2045 = 1;
    s.FingerTapMode = 0;
    s.FingerTapKey = {1, 1, 1};
    s.PointerPrecision = 6;
    s.WheelPageMode = 0;
    s.PointerSpeed = 6;
    s.WheelLines = 3;
    s.DoubleClickSpeed = 6;
    s.AngleSnapSlider2035 = 5;
    s.AngleSnapping = 0;
    s.Reserved4F = 0;
    s.SensitivityX = 5;
    s.SensitivityY = 5;
    s.ButtonFunction = {0, 1, 2, 17, 18, 6, 6};
    s.Reserved5A = {0, 0, 0, 0, 1, 2, 0};
    s.DpiFunction = {0, 3, 2, 0, 0, 1, 2};
    s.Reserved68 = 0;

    // The seventeen per-button arrays, macro index and repeat mode included.
    auto bytes = RecordBytes(s);
    std::fill(bytes.begin() + offsetof(SettingsRecord, Reserved69), bytes.begin() + offsetof(SettingsRecord, MacroSlot),
              uint8_t{0});
}
