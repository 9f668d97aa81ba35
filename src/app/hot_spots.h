#pragma once
// The button hot spots of the mouse picture: seven small pictures per page
// (Front and Side) that mark the mouse's buttons, one of them in its "over"
// form while its assignment box is highlighted. Plain values and functions,
// used by the main window's painting.

#include <windows.h>

#include <array>

inline constexpr int kHotSpotCount = 7;

// The hot spot 1..7 of assignment box `box` 0..6 (boxes 3 and 4 sit in the
// fifth and fourth screen rows); 0 for any other box.
int HotSpotOfBox(int box);

// Where hot spot `k` 1..7 of page `page` (1 Front, 2 Side) is drawn, top-left.
POINT HotSpotPlace(int page, int k);

// The picture of hot spot `k` of `page` below the program folder, e.g.
// "Skins/Mouse/Front/F-1-over.png"; empty for a page other than 1 or 2.
const wchar_t* HotSpotPicture(int page, int k, bool over);

// One picture to draw: hot spot `k`, in its over form or not.
struct HotSpotDraw {
    int k;
    bool over;
};

// The drawing order with hot spot `highlighted` (0 for none): the
// highlighted one over, then the others normal in the order 1, 2, 3, 7, 6,
// 5, 4. `count` says how many entries are used.
struct HotSpotDrawList {
    std::array<HotSpotDraw, kHotSpotCount> items{};
    int count = 0;
};
HotSpotDrawList HotSpotDrawOrder(int highlighted);
