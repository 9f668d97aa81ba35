#include "pages/report_rate_ring.h"

#include <cmath>

namespace {

constexpr int kCentreX = kReportRateRingRect.left + (kReportRateRingRect.right - kReportRateRingRect.left) / 2;
constexpr int kCentreY = kReportRateRingRect.top + (kReportRateRingRect.bottom - kReportRateRingRect.top) / 2;

}  // namespace

std::optional<uint8_t> ReportRateCodeAt(POINT point)
{
    const int dx = point.x - kCentreX;
    const int dy = point.y - kCentreY;
    const double r = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (r < kReportRateInnerRadius || r > kReportRateOuterRadius || dx == 0 || dy == 0)
        return std::nullopt;
    if (dy < 0)
        return dx > 0 ? uint8_t{1} : uint8_t{8};
    return dx > 0 ? uint8_t{2} : uint8_t{4};
}

uint8_t ShownReportRateCode(uint8_t code)
{
    switch (code) {
    case 1:
    case 2:
    case 4:
    case 8:
        return code;
    default:
        return 2;
    }
}

int ReportsPerSecond(uint8_t shownCode)
{
    return shownCode == 0 ? 0 : 1000 / shownCode;
}
