#include "image_table.h"

#include "buttons.h"
#include "dialog_art.h"
#include "dials.h"
#include "emblem_art.h"
#include "hot_spots.h"
#include "main_window_art.h"
#include "marks.h"
#include "mouse_drawing.h"
#include "page_art.h"
#include "sliders.h"

#include <array>

namespace skingen {

namespace {

using enum ButtonState;
using enum MouseView;
using enum RateQuarter;

void drawFront(Canvas& c)
{
    drawFrontMouse(c, Placement{});
}
void drawSide(Canvas& c)
{
    drawSideMouse(c, Placement{});
}

template <MouseView view, int button, bool over> void hotSpot(Canvas& c)
{
    drawHotSpot(c, view, button, over);
}

template <int level> void speedLevel(Canvas& c)
{
    drawSpeedLevel(c, level);
}

template <RateQuarter quarter> void rateQuarter(Canvas& c)
{
    drawRateQuarter(c, quarter);
}

constexpr auto kImages = std::to_array<SkinImage>({
    // Main window
    {L"Skins/main.png", 1000, 650, 24, drawMainWindow},
    {L"Skins/Logo.png", 242, 70, 24, drawLogo},
    {L"Skins/BK_MainMid.png", 472, 498, 24, drawMouseStage},
    {L"Skins/Mouse/Front/MouseFront.png", 218, 400, 32, drawFront},
    {L"Skins/Mouse/Side/MouseSide.png", 400, 150, 32, drawSide},
    {L"Skins/Mouse/Front/F-1-normal.png", 94, 20, 32, hotSpot<Front, 1, false>},
    {L"Skins/Mouse/Front/F-1-over.png", 94, 20, 32, hotSpot<Front, 1, true>},
    {L"Skins/Mouse/Front/F-2-normal.png", 94, 20, 32, hotSpot<Front, 2, false>},
    {L"Skins/Mouse/Front/F-2-over.png", 94, 20, 32, hotSpot<Front, 2, true>},
    {L"Skins/Mouse/Front/F-3-normal.png", 149, 20, 32, hotSpot<Front, 3, false>},
    {L"Skins/Mouse/Front/F-3-over.png", 149, 20, 32, hotSpot<Front, 3, true>},
    {L"Skins/Mouse/Front/F-4-normal.png", 62, 20, 32, hotSpot<Front, 4, false>},
    {L"Skins/Mouse/Front/F-4-over.png", 62, 20, 32, hotSpot<Front, 4, true>},
    {L"Skins/Mouse/Front/F-5-normal.png", 57, 20, 32, hotSpot<Front, 5, false>},
    {L"Skins/Mouse/Front/F-5-over.png", 57, 20, 32, hotSpot<Front, 5, true>},
    {L"Skins/Mouse/Front/F-6-normal.png", 149, 20, 32, hotSpot<Front, 6, false>},
    {L"Skins/Mouse/Front/F-6-over.png", 149, 20, 32, hotSpot<Front, 6, true>},
    {L"Skins/Mouse/Front/F-7-normal.png", 149, 20, 32, hotSpot<Front, 7, false>},
    {L"Skins/Mouse/Front/F-7-over.png", 149, 20, 32, hotSpot<Front, 7, true>},
    {L"Skins/Mouse/Side/S-1-normal.png", 20, 120, 32, hotSpot<Side, 1, false>},
    {L"Skins/Mouse/Side/S-1-over.png", 20, 120, 32, hotSpot<Side, 1, true>},
    {L"Skins/Mouse/Side/S-2-normal.png", 20, 150, 32, hotSpot<Side, 2, false>},
    {L"Skins/Mouse/Side/S-2-over.png", 20, 150, 32, hotSpot<Side, 2, true>},
    {L"Skins/Mouse/Side/S-3-normal.png", 27, 160, 32, hotSpot<Side, 3, false>},
    {L"Skins/Mouse/Side/S-3-over.png", 27, 160, 32, hotSpot<Side, 3, true>},
    {L"Skins/Mouse/Side/S-4-normal.png", 28, 135, 32, hotSpot<Side, 4, false>},
    {L"Skins/Mouse/Side/S-4-over.png", 28, 135, 32, hotSpot<Side, 4, true>},
    {L"Skins/Mouse/Side/S-5-normal.png", 27, 143, 32, hotSpot<Side, 5, false>},
    {L"Skins/Mouse/Side/S-5-over.png", 27, 143, 32, hotSpot<Side, 5, true>},
    {L"Skins/Mouse/Side/S-6-normal.png", 20, 114, 32, hotSpot<Side, 6, false>},
    {L"Skins/Mouse/Side/S-6-over.png", 20, 114, 32, hotSpot<Side, 6, true>},
    {L"Skins/Mouse/Side/S-7-normal.png", 20, 112, 32, hotSpot<Side, 7, false>},
    {L"Skins/Mouse/Side/S-7-over.png", 20, 112, 32, hotSpot<Side, 7, true>},
    {L"Skins/BK_MainLeft.png", 242, 490, 24, drawSideColumn},
    {L"Skins/MLogo.png", 200, 60, 32, drawStageMark},
    {L"Skins/ButtonAssignment/BK_ButtonAssignment.png", 242, 170, 24, drawButtonDrawer},
    {L"Skins/XYSensitivity/BK_XYSensSetting.png", 242, 150, 24, drawAxisDrawer},
    {L"Skins/XYSensitivity/1.png", 208, 14, 24, [](Canvas& c) { drawAxisTrack(c, false); }},
    {L"Skins/XYSensitivity/2.png", 208, 14, 24, [](Canvas& c) { drawAxisTrack(c, true); }},
    {L"Skins/ItemBK.png", 242, 20, 24, drawItemBar},
    {L"Skins/MacroManagementBK.png", 242, 38, 24, drawMacroManagerBar},
    {L"Skins/button-cancel-normal.png", 57, 30, 24, [](Canvas& c) { drawBottomButton(c, Normal); }},
    {L"Skins/button-cancel-over.png", 57, 30, 24, [](Canvas& c) { drawBottomButton(c, Hover); }},
    {L"Skins/button-cancel-leave.png", 57, 30, 24, [](Canvas& c) { drawBottomButton(c, Pressed); }},
    {L"Skins/button-save-leave.png", 57, 30, 24, [](Canvas& c) { drawBottomButton(c, Disabled); }},
    {L"Skins/button-close-normal.png", 15, 15, 24, [](Canvas& c) { drawCloseTile(c, false); }},
    {L"Skins/button-close-over.png", 15, 15, 24, [](Canvas& c) { drawCloseTile(c, true); }},
    {L"Skins/button-min-normal.png", 15, 15, 24, [](Canvas& c) { drawMinimizeTile(c, false); }},
    {L"Skins/button-min-over.png", 15, 15, 24, [](Canvas& c) { drawMinimizeTile(c, true); }},
    {L"Skins/button-help-normal.png", 15, 15, 24, [](Canvas& c) { drawHelpTile(c, false); }},
    {L"Skins/button-help-over.png", 15, 15, 24, [](Canvas& c) { drawHelpTile(c, true); }},
    {L"Skins/button-config-normal.png", 72, 30, 24, [](Canvas& c) { drawConfigButton(c, Normal); }},
    {L"Skins/button-config-over.png", 72, 30, 24, [](Canvas& c) { drawConfigButton(c, Hover); }},
    {L"Skins/button-config-leave.png", 72, 30, 24, [](Canvas& c) { drawConfigButton(c, Pressed); }},
    {L"Skins/button-mouse-normal.png", 62, 29, 24, [](Canvas& c) { drawPageTab(c, Normal); }},
    {L"Skins/button-mouse-over.png", 62, 29, 24, [](Canvas& c) { drawPageTab(c, Hover); }},
    {L"Skins/button-mouse-leave.png", 62, 29, 24, [](Canvas& c) { drawPageTab(c, Pressed); }},
    {L"Skins/ButtonAssignment/DropdownBox-normal.png", 130, 16, 24, [](Canvas& c) { drawDropdownBox(c, false); }},
    {L"Skins/ButtonAssignment/DropdownBox-over.png", 130, 16, 24, [](Canvas& c) { drawDropdownBox(c, true); }},

    // Splash and profile list
    {L"Skins/splash.png", 480, 270, 24, drawSplash},
    {L"Skins/Config/Config.png", 263, 600, 24, drawProfileList},
    {L"Skins/Config/New-Config.png", 12, 12, 32, drawPlusSign},
    {L"Skins/Config/Del-Config.png", 12, 12, 32, drawMinusSign},

    // Settings panel and its pages
    {L"Skins/BK_MainRight.png", 247, 563, 24, drawPanelBackground},
    {L"Skins/DPISetting/BK_DPISetting.png", 247, 230, 24, drawDpiPage},
    {L"Skins/DPISetting/BK-DPIValue.png", 25, 12, 32, drawValueField},
    {L"Skins/DPISetting/DPIStage/0.png", 7, 169, 24, [](Canvas& c) { drawDpiTrack(c, false); }},
    {L"Skins/DPISetting/DPIStage/82.png", 7, 169, 24, [](Canvas& c) { drawDpiTrack(c, true); }},
    {L"Skins/Enable.png", 9, 9, 32, drawOnDot},
    {L"Skins/Disable.png", 9, 9, 32, drawOffDot},
    {L"Skins/Lighting/BK_Lighting.png", 247, 308, 24, drawLightingPage},
    {L"Skins/StageSlider/1.png", 128, 11, 24, [](Canvas& c) { drawStageTrack(c, false); }},
    {L"Skins/StageSlider/10.png", 128, 11, 24, [](Canvas& c) { drawStageTrack(c, true); }},
    {L"Skins/USBReportRate/BK_USBReportRate.png", 247, 134, 24, drawReportRatePage},
    {L"Skins/USBReportRate/1000HZ.png", 128, 123, 32, rateQuarter<UpperRight>},
    {L"Skins/USBReportRate/500HZ.png", 128, 123, 32, rateQuarter<LowerRight>},
    {L"Skins/USBReportRate/250HZ.png", 128, 123, 32, rateQuarter<LowerLeft>},
    {L"Skins/USBReportRate/125HZ.png", 128, 123, 32, rateQuarter<UpperLeft>},
    {L"Skins/MouseAttribute/BK_MouseAttribute.png", 247, 110, 24, drawSpeedPage},
    {L"Skins/MouseAttribute/Speed/1.png", 142, 83, 32, speedLevel<1>},
    {L"Skins/MouseAttribute/Speed/2.png", 142, 83, 32, speedLevel<2>},
    {L"Skins/MouseAttribute/Speed/3.png", 142, 83, 32, speedLevel<3>},
    {L"Skins/MouseAttribute/Speed/4.png", 142, 83, 32, speedLevel<4>},
    {L"Skins/MouseAttribute/Speed/5.png", 142, 83, 32, speedLevel<5>},
    {L"Skins/MouseAttribute/Speed/6.png", 142, 83, 32, speedLevel<6>},
    {L"Skins/MouseAttribute/Speed/7.png", 142, 83, 32, speedLevel<7>},
    {L"Skins/MouseAttribute/Speed/8.png", 142, 83, 32, speedLevel<8>},
    {L"Skins/MouseAttribute/Speed/9.png", 142, 83, 32, speedLevel<9>},
    {L"Skins/MouseAttribute/Speed/10.png", 142, 83, 32, speedLevel<10>},
    {L"Skins/MouseAttribute/Speed/11.png", 142, 83, 32, speedLevel<11>},
    {L"Skins/MouseAttribute/BK_ScrollSpeed.png", 247, 70, 24, drawWheelPage},
    {L"Skins/MouseAttribute/ScrollSpeed/Enable.png", 11, 12, 32, [](Canvas& c) { drawRadio(c, true); }},
    {L"Skins/MouseAttribute/ScrollSpeed/Disable.png", 11, 12, 32, [](Canvas& c) { drawRadio(c, false); }},
    {L"Skins/MouseAttribute/ScrollSpeed/ScrollLines.png", 50, 14, 32, drawScrollLinesFrame},
    {L"Skins/AngleSnap/BK_AngleSnap.png", 247, 52, 24, drawAngleSnapPage},

    // Macro manager, macro assignment, key capture
    {L"Skins/MacroManagement/MacroManagement.png", 495, 439, 24, drawMacroManager},
    {L"Skins/macro-button-close-normal.png", 51, 24, 32, drawMacroCloseButton},
    {L"Skins/MacroManagement/button-cancel-normal.png", 54, 28, 32, [](Canvas& c) { drawDialogButton(c, false); }},
    {L"Skins/MacroManagement/button-cancel-over.png", 54, 28, 32, [](Canvas& c) { drawDialogButton(c, true); }},
    {L"Skins/MacroManagement/button-new-normal.png", 58, 25, 32, [](Canvas& c) { drawListButton(c, false); }},
    {L"Skins/MacroManagement/button-new-over.png", 58, 25, 32, [](Canvas& c) { drawListButton(c, true); }},
    {L"Skins/MacroManagement/Pane.png", 14, 14, 32, [](Canvas& c) { drawTickBox(c, false); }},
    {L"Skins/MacroManagement/PaneMakingTick.png", 14, 14, 32, [](Canvas& c) { drawTickBox(c, true); }},
    {L"Skins/MacroManagement/Record-normal.png", 122, 24, 24, [](Canvas& c) { drawRecordButton(c, false); }},
    {L"Skins/MacroManagement/Record-over.png", 122, 24, 24, [](Canvas& c) { drawRecordButton(c, true); }},
    {L"Skins/macro-key.png", 392, 296, 24, drawMacroPick},
    {L"Skins/Pane.png", 16, 16, 32, [](Canvas& c) { drawRadio(c, false); }},
    {L"Skins/PaneMakingTick.png", 16, 16, 32, [](Canvas& c) { drawRadio(c, true); }},
    {L"Skins/single-key.png", 392, 296, 24, drawKeyCapture},
});

static_assert(kImages.size() == 109, "the program loads 109 pictures");

}  // namespace

std::span<const SkinImage> skinImages()
{
    return kImages;
}

}  // namespace skingen
