#include "app/main_window_layout.h"

#include <array>

namespace {

constexpr std::array<int, 7> kBoxOfRow{0, 1, 2, 4, 3, 5, 6};

constexpr int kBoxLeft = 120;
constexpr int kBoxRight = 250;
constexpr int kFirstBoxTop = 154;
constexpr int kBoxHeight = 16;
constexpr int kRowPitch = 20;

constexpr int kItemLeft = 20;
constexpr int kItemRight = 262;
// Folded: the bottom of the X/Y-axis item.
constexpr int kFoldedAxisBottom = 195;

constexpr int kSliderLeft = 37;
constexpr int kSliderRight = 245;
constexpr int kSliderHeight = 9;

}  // namespace

int AssignBoxInRow(int row)
{
    return row >= 0 && row < static_cast<int>(kBoxOfRow.size()) ? kBoxOfRow[static_cast<size_t>(row)] : -1;
}

RECT AssignBoxRect(int row)
{
    const int top = kFirstBoxTop + kRowPitch * row;
    return RECT{kBoxLeft, top, kBoxRight, top + kBoxHeight};
}

SideColumnLayout SideColumnFor(bool buttonPanelOpen, int panelHeight)
{
    const int shift = buttonPanelOpen ? panelHeight : 0;
    const int bottom = kFoldedAxisBottom + shift;
    SideColumnLayout layout{};
    layout.macroItem = RECT{kItemLeft, 132 + shift, kItemRight, 170 + shift};
    layout.axisItem = RECT{kItemLeft, 175 + shift, kItemRight, bottom};
    layout.sliderX = RECT{kSliderLeft, bottom + 40, kSliderRight, bottom + 40 + kSliderHeight};
    layout.sliderY = RECT{kSliderLeft, bottom + 100, kSliderRight, bottom + 100 + kSliderHeight};
    layout.axisPanelTop = bottom;
    return layout;
}

BYTE MainFontCharSet(const CString& languageCode)
{
    return languageCode == L"CHT" ? ANSI_CHARSET : DEFAULT_CHARSET;
}
