#include "macro/macro_manager_layout.h"

#include <array>
#include <utility>

namespace macro_manager {

Area AreaAt(POINT point)
{
    static constexpr std::array<std::pair<RECT, Area>, 7> kAreas = {{
        {kOkRect, Area::Ok},
        {kCancelRect, Area::Cancel},
        {kCloseRect, Area::Close},
        {kDelayTickRect, Area::DelayTick},
        {kLoopTickRect, Area::LoopTick},
        {kNewRect, Area::New},
        {kDeleteRect, Area::Delete},
    }};
    for (const auto& [rect, area] : kAreas) {
        if (::PtInRect(&rect, point))
            return area;
    }
    return Area::None;
}

bool IsHoverButton(Area area)
{
    return area == Area::Ok || area == Area::Cancel || area == Area::New || area == Area::Delete;
}

}  // namespace macro_manager
