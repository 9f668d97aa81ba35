// Resource ids of the program, shared by the resource script and the code.
#pragma once

// Icon and bitmaps
#define IDI_PROGRAM 128
#define IDB_PANEL_SCROLLBAR 129

// Dialog templates
#define IDD_MAIN 102
#define IDD_PANEL 130
#define IDD_PAGE_DPI 133
#define IDD_PAGE_REPORT_RATE 134
#define IDD_PAGE_MOUSE_SPEED 135
#define IDD_PAGE_DOUBLE_CLICK 136
#define IDD_PAGE_WHEEL_SPEED 137
#define IDD_PAGE_ANGLE_SNAP 138
#define IDD_SINGLE_KEY 139
#define IDD_MACRO_PICK 141
#define IDD_MACRO_MANAGER 142
#define IDD_PAGE_LIGHTING 146
#define IDD_SPLASH 147
