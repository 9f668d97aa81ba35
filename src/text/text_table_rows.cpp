#include "text/text_table_rows.h"

// The texts of every id in the four languages, one row per id. Every literal
// is exact, trailing and doubled blanks included: windows show them as they
// stand and append values to some of them.
namespace {

// The project's own placeholder page (a documentation-reserved domain).
constexpr const wchar_t* kHelpPageAddress = L"https://www.example.com/rv417-talven/";

// clang-format off
constexpr TextRow kTextRows[] = {
    // section of the button captions in str%d.ini
    {0, L"Setting-EN", L"Setting-CHS", L"Setting-CHT", L"Setting-DE"},
    // product title: tip of the notification-area icon
    {6, L"RV417 TALVEN", L"RV417NEMBRA版", L"RV417NEMBRA版", L"RV417 TALVEN"},
    // caption of the Restore button
    {9, L"Reset", L"恢复", L"重置", L"Zurücksetzen"},
    // caption of the Cancel button
    {10, L"Cancel", L"取消", L"取消", L"Abbrechen"},
    // caption of the Save button
    {11, L"Apply", L"保存", L"套用", L"Anwenden"},
    // caption of the Config button that opens the profile list
    {12, L"Config", L"配置", L"遊戲設定檔", L"Spiel-Profile"},
    // caption of the Front page button
    {13, L"Top View", L"正面", L"正面圖", L"Top view"},
    // caption of the Side page button
    {14, L"Side View", L"侧面", L"側面圖", L"Side View"},
    // side item: button assignment
    {16, L"Button Assignment", L"按钮分配", L"按鍵指派", L"Tastenbelegung"},
    // side item: macro manager
    {17, L"Macro Manager", L"宏管理器", L"宏管理器", L"Makro-Manager"},
    // side item: X/Y axis sensitivity
    {18, L"Axis Sensitivity", L"X/Y轴设置", L"xy 軸靈敏度", L"Achsen-Empfindlichkeit"},
    // panel section header: DPI stages
    {20, L"DPI Setting", L"DPI 设置", L"DPI  設定", L"DPI-Einstellung"},
    // panel section header: lighting
    {21, L"Lighting", L"照明选项", L"照明", L"Lighting"},
    // panel section header: USB report rate
    {22, L"Polling Rate", L"USB输出报告率", L"採樣頻率", L"Polling-Rate"},
    // panel section header: pointer speed
    {23, L"Mouse Speed", L"鼠标速度", L"滑鼠速度", L"Mausgeschwindigkeit"},
    // panel section header: double-click speed
    {24, L"Double-Click Speed", L"双击速度", L"雙擊速度", L"Doppelklick-Geschwindigkeit"},
    // panel section header: wheel scrolling
    {25, L"Scroll Speed", L"鼠标滚轮速度", L"滾輪速度", L"Scroll-Geschwindigkeit"},
    // panel section header: angle snapping
    {26, L"Angle Snapping", L"角度捕捉", L"直線修正", L"Angle Snapping"},
    // X-axis label drawn by the main window
    {27, L"x-Axis", L"X轴", L"X軸", L"x-Achse"},
    // Y-axis label drawn by the main window
    {28, L"y-Axis", L"Y轴", L"Y軸", L"y-Achse"},
    // labels of mouse buttons 1 to 12 drawn by the main window
    {29, L"Button 1", L"按钮 1", L"按鍵 1", L"Taste 1"},
    {30, L"Button 2", L"按钮 2", L"按鍵 2", L"Taste 2"},
    {31, L"Button 3", L"按钮 3", L"按鍵 3", L"Taste 3"},
    {32, L"Button 4", L"按钮 4", L"按鍵 4", L"Taste 4"},
    {33, L"Button 5", L"按钮 5", L"按鍵 5", L"Taste 5"},
    {34, L"Button 6", L"按钮 6", L"按鍵 6", L"Taste 6"},
    {35, L"Button 7", L"按钮 7", L"按鍵 7", L"Taste 7"},
    {36, L"Button 8", L"按钮 8", L"按鍵 8", L"Taste 8"},
    {37, L"Button 9", L"按钮 9", L"按鍵 9", L"Taste 9"},
    {38, L"Button 10", L"按钮 10", L"按鍵 10", L"Taste 10"},
    {39, L"Button 11", L"按钮 11", L"按鍵 11", L"Taste 11"},
    {40, L"Button 12", L"按钮 12", L"按鍵 12", L"Taste 12"},
    // DPI actions, copied into g_strDpiActions at start-up: next stage
    {41, L"DPI +", L"DPI +", L"DPI +", L"DPI +"},
    // previous stage
    {42, L"DPI -", L"DPI -", L"DPI -", L"DPI -"},
    // cycle through the stages
    {43, L"DPI Loop", L"DPI loop", L"DPI 循環檔", L"DPI Schleife"},
    // low end of the pointer-speed and double-click dials
    {44, L"Slow", L"慢", L"慢", L"Langsam"},
    // high end of those dials
    {45, L"Fast", L"快", L"快", L"Schnell"},
    // wheel page: scroll a number of lines
    {46, L"Number of Rows", L"一次滚动行数", L"行數", L"Folgende Anzahl Zeilen"},
    // wheel page: scroll one screen
    {47, L"Scroll One screenn", L"一次滚动一个屏幕", L"一次捲動一個螢幕", L"Eine Bildschirmseite"},
    // lighting page: name of effect 1
    {491, L"Standard", L"亮度调节", L"標準模式", L"Standard"},
    // lighting page: name of effect 2
    {492, L"Respiration", L"呼吸频率", L"呼吸模式", L"Respiration"},
    // lighting page: name of effect 3
    {493, L"Neon", L"霓虹频率", L"霓虹模式", L"Neon"},
    // lighting page: finger-tapping label
    {597, L"Finger tapping", L"指动模式", L"Finger tapping", L"Finger tapping"},
    // lighting page: left-key toggle
    {598, L"L key", L"左键", L"L key", L"L key"},
    // lighting page: right-key toggle
    {599, L"R key", L"右键", L"R key", L"R key"},
    // lighting page: middle-key toggle
    {600, L"M key", L"中键", L"M key", L"M key"},
    // angle-snapping page: labels of the off and on choices
    {587, L"OFF", L"关闭", L"關閉", L"AUS"},
    {588, L"ON", L"开启", L"開啟", L"AN"},
    // assignment menu and caption: click
    {498, L"Click", L"左键", L"點擊", L"Klick"},
    // assignment menu and caption: menu
    {499, L"Menu", L"右键", L"選項", L"Menü"},
    // assignment menu and caption: scroll
    {500, L"Scroll ", L"中键", L"滾輪", L"Scrollen"},
    // assignment menu and caption: forward
    {501, L"Forward", L"前进方向键", L"前進", L"Vorwärts"},
    // assignment menu and caption: back
    {502, L"Back", L"后退方向键", L"後退", L"Zurück"},
    // assignment menu and caption: double-click
    {519, L"Double-Click", L"双击", L"雙擊", L"Doppelklick"},
    // assignment menu and caption: snipe
    {514, L"Snipe", L"狙击键", L"狙擊鍵", L"Snipe Key"},
    // assignment submenu of the DPI actions
    {504, L"DPI Setting +", L"DPI切换 +", L"DPI 設定 +", L"DPI-Einstellung +"},
    // assignment submenu of the multimedia functions
    {509, L"Multimedia Commands +", L"多媒体 +", L"多媒體指令 +", L"Multimedia-Funktionen +"},
    // assignment submenu of the edit shortcuts
    {510, L"Basic Commands +", L"快捷键 +", L"文書處理功能 +", L"Grundlegende-Funktionen +"},
    // assignment submenu of the Windows functions
    {508, L"Additional Commands +", L"Windows +", L"基本操作功能 +", L"Zusätzliche-Funktionen +"},
    // assignment menu and caption: single keyboard key
    {512, L"Assign Keyboard Key", L"单键", L"指派鍵盤按鍵", L"Keyboard-Taste zuweisen +"},
    // assignment menu and caption: macro
    {515, L"Macro", L"宏", L"巨集鍵", L"Makro"},
    // assignment menu and caption: deactivated
    {516, L"Deactivated", L"按键关闭", L"無作用", L"Deaktiviert"},
    // caption: left tilt scroll
    {517, L"Left Tilt Scroll", L"左摇摆滚轮", L"Left Tilt Scroll", L"Left Tilt Scroll"},
    // caption: right tilt scroll
    {518, L"Right Tilt Scroll", L"右摇摆滚轮", L"Right Tilt Scroll", L"Right Tilt Scroll"},
    // warning when no button would keep the click function
    {523, L"At least one button must be set as the \"click\" function.", L"左键功能必须选择！", L"至少一鍵須設定為左鍵功能", L"Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein."},
    // question before restoring the factory settings
    {577, L"Reset to factory default?", L"是否恢复到出厂默认值?", L"是否恢復到出廠預設值?", L"Auf Werkseinstellungen zurücksetzen?"},
    // caption of the message boxes of ids 523 and 577
    {578, L"ATTENTION!!", L"注意!", L"警告!!", L"ACHTUNG!!"},
    // web page opened from the help menu, the same in every language
    {524, kHelpPageAddress, kHelpPageAddress, kHelpPageAddress, kHelpPageAddress},
    // the one item of the notification-area menu
    {546, L"Exit", L"退出", L"退出", L"Exit"},
    // balloon: mouse not detected
    {547, L"The system did not detect RV417 TALVEN!", L"系统没有检测到RV417NEMBRA版鼠标！", L"系統沒有檢測到遊戲滑鼠RV417NEMBRA版！", L"The system did not detect RV417 TALVEN!"},
    // balloon: mouse detected
    {548, L"The system detect RV417 TALVEN.", L"系统检测到RV417NEMBRA版鼠标。", L"系統檢測到遊戲滑鼠RV417NEMBRA版。", L"The system detect RV417 TALVEN."},
    // balloons of the DPI stages 1 to 7; the DPI value is appended after the
    // trailing blank, and the German ones are English
    {534, L"Switch DPI into the first stage ", L"DPI切换到第一段 ", L"DPI切換到第一段 ", L"Switch DPI into the first stage "},
    {535, L"Switch DPI into the second stage ", L"DPI切换到第二段 ", L"DPI切換到第二段 ", L"Switch DPI into the second stage "},
    {536, L"Switch DPI into the third stage ", L"DPI切换到第三段 ", L"DPI切換到第三段 ", L"Switch DPI into the third stage "},
    {537, L"Switch DPI into the fourth stage ", L"DPI切换到第四段 ", L"DPI切換到第四段 ", L"Switch DPI into the fourth stage "},
    {538, L"Switch DPI into the fifth stage ", L"DPI切换到第五段 ", L"DPI切換到第五段 ", L"Switch DPI into the fifth stage "},
    {539, L"Switch DPI into the sixth stage ", L"DPI切换到第六段 ", L"DPI切換到第六段 ", L"Switch DPI into the sixth stage "},
    {540, L"Switch DPI into the seven stage ", L"DPI切换到第七段 ", L"DPI切換到第七段 ", L"Switch DPI into the seven stage "},
    // balloon: the mouse reported its macro key
    {545, L"Switch to macro key", L"切换到宏", L"切換到巨集", L"Switch to macro key"},
};
// clang-format on

}  // namespace

std::span<const TextRow> TextRows()
{
    return kTextRows;
}
