#include "pages/wheel_lines.h"

#include "model/leading_decimal.h"
#include "model/pointer_setting_ranges.h"

#include <algorithm>

WheelPagePart WheelPagePartAt(POINT point)
{
    if (::PtInRect(&kWheelLinesUpArrow, point))
        return WheelPagePart::UpArrow;
    if (::PtInRect(&kWheelLinesDownArrow, point))
        return WheelPagePart::DownArrow;
    if (::PtInRect(&kWheelLinesOption, point))
        return WheelPagePart::LinesOption;
    if (::PtInRect(&kWheelPageOption, point))
        return WheelPagePart::PageOption;
    return WheelPagePart::None;
}

uint8_t ValidWheelLines(int count)
{
    return IsWheelLineCount(count) ? static_cast<uint8_t>(count) : uint8_t{kMinWheelLines};
}

uint8_t WheelLinesUp(uint8_t lines)
{
    const int next = (lines + 1) % 256;
    return ValidWheelLines(std::min(next, kMaxWheelLines));
}

uint8_t WheelLinesDown(uint8_t lines)
{
    const int next = (lines + 255) % 256;
    return ValidWheelLines(next == 0 ? kMinWheelLines : next);
}

TypedWheelLines ReadTypedWheelLines(const wchar_t* text)
{
    const int count = LeadingDecimal(text ? text : L"");
    if (!IsWheelLineCount(count))
        return {static_cast<uint8_t>(kMinWheelLines), true};
    return {static_cast<uint8_t>(count), false};
}
