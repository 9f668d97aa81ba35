#include "contact_sheet.h"

#include <algorithm>
#include <numeric>

namespace skingen {

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kGap = 12;

struct Placed {
    const Pixels* picture;
    int x, y;
};

}  // namespace

Pixels contactSheet(const std::vector<const Pixels*>& pictures)
{
    // Tallest first, then shelves left to right.
    std::vector<std::size_t> order(pictures.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return pictures[a]->height() > pictures[b]->height(); });
    std::vector<Placed> placed;
    int x = kGap;
    int y = kGap;
    int shelf = 0;
    for (std::size_t i : order) {
        const Pixels* p = pictures[i];
        if (x + p->width() + kGap > kSheetWidth && x > kGap) {
            x = kGap;
            y += shelf + kGap;
            shelf = 0;
        }
        placed.push_back({p, x, y});
        x += p->width() + kGap;
        shelf = std::max(shelf, p->height());
    }

    Pixels sheet(kSheetWidth, y + shelf + kGap, Rgba(Rgb{0x50, 0x50, 0x54}));
    for (const Placed& item : placed) {
        Pixels ground(item.picture->width(), item.picture->height());
        for (int py = 0; py < ground.height(); ++py) {
            for (int px = 0; px < ground.width(); ++px) {
                const bool light = ((px / 6) + (py / 6)) % 2 == 0;
                ground.set(px, py, light ? Rgba(Rgb{0x6A, 0x6A, 0x70}) : Rgba(Rgb{0x5C, 0x5C, 0x62}));
            }
        }
        ground.compose(*item.picture, 0, 0);
        sheet.compose(ground, item.x, item.y);
    }
    return sheet;
}

}  // namespace skingen
