#include "app/hot_spots.h"

namespace {

constexpr std::array<int, kHotSpotCount> kHotSpotOfBox{1, 2, 3, 5, 4, 6, 7};
constexpr std::array<int, kHotSpotCount> kNormalOrder{1, 2, 3, 7, 6, 5, 4};

// clang-format off
constexpr std::array<POINT, kHotSpotCount> kFrontPlaces{{
    {370, 102}, {560, 102}, {505, 175}, {350, 222}, {355, 275}, {505, 230}, {505, 265}}};
constexpr std::array<POINT, kHotSpotCount> kSidePlaces{{
    {400, 154}, {325, 146}, {415, 255}, {490, 280}, {535, 272}, {480, 140}, {507, 140}}};

constexpr std::array<const wchar_t*, kHotSpotCount> kFrontOver{
    L"Skins/Mouse/Front/F-1-over.png", L"Skins/Mouse/Front/F-2-over.png", L"Skins/Mouse/Front/F-3-over.png",
    L"Skins/Mouse/Front/F-4-over.png", L"Skins/Mouse/Front/F-5-over.png", L"Skins/Mouse/Front/F-6-over.png",
    L"Skins/Mouse/Front/F-7-over.png"};
constexpr std::array<const wchar_t*, kHotSpotCount> kFrontNormal{
    L"Skins/Mouse/Front/F-1-normal.png", L"Skins/Mouse/Front/F-2-normal.png", L"Skins/Mouse/Front/F-3-normal.png",
    L"Skins/Mouse/Front/F-4-normal.png", L"Skins/Mouse/Front/F-5-normal.png", L"Skins/Mouse/Front/F-6-normal.png",
    L"Skins/Mouse/Front/F-7-normal.png"};
constexpr std::array<const wchar_t*, kHotSpotCount> kSideOver{
    L"Skins/Mouse/Side/S-1-over.png", L"Skins/Mouse/Side/S-2-over.png", L"Skins/Mouse/Side/S-3-over.png",
    L"Skins/Mouse/Side/S-4-over.png", L"Skins/Mouse/Side/S-5-over.png", L"Skins/Mouse/Side/S-6-over.png",
    L"Skins/Mouse/Side/S-7-over.png"};
constexpr std::array<const wchar_t*, kHotSpotCount> kSideNormal{
    L"Skins/Mouse/Side/S-1-normal.png", L"Skins/Mouse/Side/S-2-normal.png", L"Skins/Mouse/Side/S-3-normal.png",
    L"Skins/Mouse/Side/S-4-normal.png", L"Skins/Mouse/Side/S-5-normal.png", L"Skins/Mouse/Side/S-6-normal.png",
    L"Skins/Mouse/Side/S-7-normal.png"};
// clang-format on

bool IsHotSpot(int k)
{
    return k >= 1 && k <= kHotSpotCount;
}

size_t Slot(int k)
{
    return static_cast<size_t>(k - 1);
}

}  // namespace

int HotSpotOfBox(int box)
{
    return box >= 0 && box < kHotSpotCount ? kHotSpotOfBox[static_cast<size_t>(box)] : 0;
}

POINT HotSpotPlace(int page, int k)
{
    if (!IsHotSpot(k) || (page != 1 && page != 2))
        return {};
    return page == 1 ? kFrontPlaces[Slot(k)] : kSidePlaces[Slot(k)];
}

const wchar_t* HotSpotPicture(int page, int k, bool over)
{
    if (!IsHotSpot(k))
        return L"";
    if (page == 1)
        return over ? kFrontOver[Slot(k)] : kFrontNormal[Slot(k)];
    if (page == 2)
        return over ? kSideOver[Slot(k)] : kSideNormal[Slot(k)];
    return L"";
}

HotSpotDrawList HotSpotDrawOrder(int highlighted)
{
    HotSpotDrawList list;
    if (IsHotSpot(highlighted))
        list.items[static_cast<size_t>(list.count++)] = {highlighted, true};
    for (int k : kNormalOrder)
        if (k != highlighted)
            list.items[static_cast<size_t>(list.count++)] = {k, false};
    return list;
}
