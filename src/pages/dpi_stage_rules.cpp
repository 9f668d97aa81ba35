#include "pages/dpi_stage_rules.h"

#include "model/leading_decimal.h"
#include "skin/marker_geometry.h"

#include <algorithm>

namespace dpi {

namespace {

constexpr int kColumn = 30;

CRect InColumn(int stage, int left, int top, int right, int bottom)
{
    const int dx = kColumn * stage;
    return {left + dx, top, right + dx, bottom};
}

}  // namespace

CRect SliderRect(int stage)
{
    return InColumn(stage, 25, 3, 32, 173);
}

CRect ValueBoxRect(int stage)
{
    return InColumn(stage, 20, 182, 45, 194);
}

CRect EditorRect(int stage)
{
    return InColumn(stage, 20, 179, 45, 196);
}

CRect OnOffRect(int stage)
{
    return InColumn(stage, 25, 202, 35, 211);
}

CRect SwatchRect(int stage)
{
    return InColumn(stage, 25, 215, 35, 225);
}

int StageAt(CRect (*rectOf)(int stage), CPoint point)
{
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (rectOf(i).PtInRect(point))
            return i;
    }
    return -1;
}

int SliderPosition(uint8_t stageValue)
{
    return MarkerPositionForValue(stageValue, kSliderMin, kSliderMax);
}

CString DpiText(uint8_t stageValue)
{
    CString text;
    text.Format(L"%d", stageValue * kDpiPerStep);
    return text;
}

uint8_t StageValueForDpi(int dpi)
{
    const int clamped = dpi > kDpiPerStep ? std::min(dpi, kMaxDpi) : kDpiPerStep;
    return static_cast<uint8_t>(clamped / kDpiPerStep);
}

bool CommitTypedDpi(SettingsRecord& record, int stage, const CString& typed)
{
    uint8_t& value = record.DpiStage[static_cast<size_t>(stage)];
    const uint8_t committed = StageValueForDpi(LeadingDecimal(typed));
    const bool changed = committed != value;
    value = committed;
    return changed;
}

void StoreSliderPosition(SettingsRecord& record, int stage, int position)
{
    const auto i = static_cast<size_t>(stage);
    record.DpiStage[i] = static_cast<uint8_t>(position & 0xFF);
    if (record.DpiStageEnabled[i] == 0)
        record.DpiStageEnabled[i] = 1;
}

void ToggleStage(SettingsRecord& record, int stage)
{
    uint8_t& enabled = record.DpiStageEnabled[static_cast<size_t>(stage)];
    enabled = enabled == 0 ? 1 : 0;
}

bool StageTakesColour(const SettingsRecord& record, int stage)
{
    return record.DpiStageEnabled[static_cast<size_t>(stage)] == 1;
}

COLORREF StageColour(const SettingsRecord& record, int stage)
{
    const RgbColor& c = record.DpiStageColor[static_cast<size_t>(stage)];
    return RGB(c[0], c[1], c[2]);
}

void StoreStageColour(SettingsRecord& record, int stage, COLORREF colour)
{
    record.DpiStageColor[static_cast<size_t>(stage)] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace dpi
