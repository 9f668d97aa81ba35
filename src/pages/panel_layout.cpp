#include "pages/panel_layout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

int PageImageOfSection(int section)
{
    // clang-format off
    static constexpr std::array<int, kSectionCount> kImageOfSection{0, 1, 2, 3, 3, 4, 5};
    // clang-format on
    return kImageOfSection.at(static_cast<size_t>(section));
}

HeaderRects InitialHeaderRects()
{
    HeaderRects headers{};
    for (int k = 0; k < kSectionCount; ++k) {
        const int top = 2 + k * (kHeaderHeight + kSectionGap);
        headers[static_cast<size_t>(k)] = {0, top, kHeaderWidth, top + kHeaderHeight};
    }
    return headers;
}

int SectionsTotal(const HeaderRects& headers, const SectionFlags& collapsed, const PageSizes& pages)
{
    int total = 0;
    for (size_t k = 0; k < headers.size(); ++k) {
        total += headers[k].bottom - headers[k].top;
        if (!collapsed[k])
            total += pages[k].cy + kOpenPageAllowance;
    }
    return total;
}

int SectionsTotalAfterToggle(int total, int pageHeight, bool collapse)
{
    const int change = pageHeight + kOpenPageAllowance;
    return collapse ? total - change : total + change;
}

int ContentHeightForTotal(int sectionsTotal)
{
    return std::max(kMinContentHeight, sectionsTotal);
}

RECT PageRectUnder(const RECT& header, SIZE page)
{
    return {header.left, header.bottom, header.left + page.cx, header.bottom + page.cy};
}

void RestackSectionsBelow(HeaderRects& headers, int section, int sectionEnd, const SectionFlags& collapsed,
                          const PageSizes& pages)
{
    int end = sectionEnd;
    for (size_t j = static_cast<size_t>(section) + 1; j < headers.size(); ++j) {
        RECT& header = headers[j];
        const int newTop = end + kSectionGap;
        header.bottom += newTop - header.top;
        header.top = newTop;
        end = collapsed[j] ? header.bottom : PageRectUnder(header, pages[j]).bottom;
    }
}

int VisibleScrollHeight(const RECT& window, const RECT& client, int cyHScroll)
{
    int bottom = client.bottom;
    if (bottom + cyHScroll <= window.bottom)
        bottom += cyHScroll;
    return bottom - client.top;
}

ScrollRangeInfo ComputeScrollRangeInfo(int visibleHeight, int contentHeight, int oldPage, int position, int barPosition)
{
    ScrollRangeInfo info;
    if (visibleHeight >= contentHeight) {
        info.shift = barPosition;
        return info;
    }
    if (oldPage > 0 && position > 0)
        position = static_cast<int>(static_cast<double>(position) * visibleHeight / oldPage);
    info.page = visibleHeight;
    info.position = std::min(position, contentHeight - visibleHeight - 1);
    info.maximum = contentHeight - 1;
    info.shift = barPosition - info.position;
    return info;
}

int ScrollDeltaFor(UINT code, int thumbPosition, int scrollPos, int pageHeight, int contentHeight)
{
    int delta = 0;
    switch (code) {
    case SB_LINEUP:
        delta = -kScrollLineStep;
        break;
    case SB_LINEDOWN:
        delta = kScrollLineStep;
        break;
    case SB_PAGEUP:
        delta = -pageHeight;
        break;
    case SB_PAGEDOWN:
        delta = pageHeight;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        delta = thumbPosition - scrollPos;
        break;
    default:
        return 0;
    }
    // A page of 0 means everything fits: the only position is 0.
    const int highest = pageHeight > 0 ? contentHeight - pageHeight : 0;
    const int target = scrollPos + delta;
    if (target < 0)
        delta = -scrollPos;
    if (target > highest)
        delta = highest - scrollPos;
    return delta;
}

WheelScroll WheelScrollFor(short wheelDelta, UINT wheelLines)
{
    const bool up = wheelDelta > 0;
    if (wheelLines == WHEEL_PAGESCROLL)
        return {static_cast<UINT>(up ? SB_PAGEUP : SB_PAGEDOWN), 1};
    const long long notches = std::abs(static_cast<int>(wheelDelta)) / WHEEL_DELTA;
    const long long lines = notches * wheelLines;
    // A fine wheel's partial notch still scrolls one step.
    const int steps = lines < 6 ? 1 : static_cast<int>(std::min<long long>(lines / 3, INT_MAX));
    return {static_cast<UINT>(up ? SB_LINEUP : SB_LINEDOWN), steps};
}
