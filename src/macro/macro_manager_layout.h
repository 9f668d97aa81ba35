#pragma once
// Where the macro manager puts its parts (client pixels; right and bottom
// edges outside), which drawn part a click hits, and the skin pictures it
// draws them with.

#include <windows.h>

namespace macro_manager {

// clang-format off
constexpr RECT kCloseRect      = {427, 17, 478, 41};
constexpr RECT kOkRect         = {298, 394, 352, 422};
constexpr RECT kCancelRect     = {354, 394, 408, 422};
constexpr RECT kNewRect        = {17, 367, 75, 392};
constexpr RECT kDeleteRect     = {77, 367, 135, 392};
constexpr RECT kDelayTickRect  = {370, 144, 384, 158};
constexpr RECT kDelayLabelRect = {290, 136, 370, 206};
constexpr RECT kLoopTickRect   = {296, 314, 310, 328};
constexpr RECT kLoopLabelRect  = {296, 299, 401, 314};
constexpr RECT kTitleRect      = {15, 0, 414, 31};
constexpr RECT kNameHeaderRect = {16, 60, 134, 78};
constexpr RECT kKeyHeaderRect  = {148, 60, 266, 78};
constexpr RECT kOptionsHeaderRect = {279, 60, 397, 78};
constexpr RECT kNameListRect   = {21, 82, 130, 353};
constexpr RECT kKeyListRect    = {153, 82, 262, 353};
constexpr RECT kLoopEditRect   = {298, 333, 379, 345};
constexpr RECT kRecordRect     = {295, 87, 384, 111};
// clang-format on

// The part of the Record pictures each state image is cut from.
constexpr RECT kRecordImageCut = {0, 0, 122, 24};

// Skin pictures: these follow the program directory and "Skins\".
inline constexpr const wchar_t* kCloseImage = L"/macro-button-close-normal.png";
inline constexpr const wchar_t* kOkCancelImage = L"/MacroManagement/button-cancel-normal.png";
inline constexpr const wchar_t* kOkCancelHoverImage = L"/MacroManagement/button-cancel-over.png";
inline constexpr const wchar_t* kNewDeleteImage = L"/MacroManagement/button-new-normal.png";
inline constexpr const wchar_t* kNewDeleteHoverImage = L"/MacroManagement/button-new-over.png";
inline constexpr const wchar_t* kTickOffImage = L"/MacroManagement/Pane.png";
inline constexpr const wchar_t* kTickOnImage = L"/MacroManagement/PaneMakingTick.png";
// The background follows the program directory and "skins\"; the Record
// pictures follow the program directory alone.
inline constexpr const wchar_t* kBackgroundImage = L"/MacroManagement/MacroManagement.png";
inline constexpr const wchar_t* kRecordNormalImage = L"\\skins/MacroManagement/Record-normal.png";
inline constexpr const wchar_t* kRecordOverImage = L"\\skins/MacroManagement/Record-over.png";

// The drawn parts that react to a click.
enum class Area { None, Ok, Cancel, Close, DelayTick, LoopTick, New, Delete };

// The part under `point`; the first of OK, Cancel, close, the delay tick
// box, the loop tick box, New and Delete that holds it.
Area AreaAt(POINT point);

// The drawn buttons that show a hover picture: OK, Cancel, New and Delete.
bool IsHoverButton(Area area);

}  // namespace macro_manager
