#pragma once
// The DPI stages page apart from its window: where each stage's controls lie,
// what a typed value becomes, and what the page's clicks and slider moves
// store in the settings record.
//
// Stages are columns 30 pixels apart; a stage value counts in steps of
// 50 DPI (1..216 = 50..10,800 DPI).

#include "classlib/cstring.h"
#include "classlib/geometry.h"
#include "model/settings_record.h"

#include <windows.h>

#include <cstdint>

namespace dpi {

constexpr int kSliderMin = 1;
constexpr int kSliderMax = 216;
constexpr int kDpiPerStep = 50;
constexpr int kMaxDpi = kSliderMax * kDpiPerStep;

// Stage i's places in page client pixels.
CRect SliderRect(int stage);
CRect ValueBoxRect(int stage);
CRect EditorRect(int stage);
CRect OnOffRect(int stage);
CRect SwatchRect(int stage);

// The stage whose rectangle of the given kind holds `point`, or -1.
int StageAt(CRect (*rectOf)(int stage), CPoint point);

// The slider position that shows a stage value: the value itself within
// 1..216, otherwise 1.
int SliderPosition(uint8_t stageValue);

// The DPI of a stage value as the value box and the editor show it.
CString DpiText(uint8_t stageValue);

// The stage value a typed DPI gives: clamped to 50..10,800, then whole steps
// of 50 (the rest dropped).
uint8_t StageValueForDpi(int dpi);

// Commits the text typed into stage `stage`'s editor: the stage takes
// StageValueForDpi of the number at the start of the text (blanks and a
// sign allowed, no digits = 0). So does the DPI the editor opened with:
// a stored value outside 1..216 (from a file) shows as 0 or above 10,800
// and is corrected to 50 or 10,800. True when the stage's value changed.
// The stage's on/off byte is never touched.
bool CommitTypedDpi(SettingsRecord& record, int stage, const CString& typed);

// A slider moved to `position`: the stage takes its low byte and a stage
// that was off (0) is switched on.
void StoreSliderPosition(SettingsRecord& record, int stage, int position);

// The on/off icon was clicked: 0 becomes 1, anything else 0.
void ToggleStage(SettingsRecord& record, int stage);

// Only a stage whose on/off byte is exactly 1 lets its colour be chosen; a
// byte other than 0 or 1 (from a file) shows as on but does not.
bool StageTakesColour(const SettingsRecord& record, int stage);

COLORREF StageColour(const SettingsRecord& record, int stage);
void StoreStageColour(SettingsRecord& record, int stage, COLORREF colour);

}  // namespace dpi
