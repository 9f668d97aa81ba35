// Resource ids of the program, shared by the resource script and the code.
#pragma once

// Icon and bitmaps
#define IDI_PROGRAM         128
#define IDB_PANEL_SCROLLBAR 129

// Dialog templates
#define IDD_MAIN              102
#define IDD_PANEL             130
#define IDD_PAGE_DPI          133
#define IDD_PAGE_REPORT_RATE  134
#define IDD_PAGE_MOUSE_SPEED  135
#define IDD_PAGE_DOUBLE_CLICK 136
#define IDD_PAGE_WHEEL_SPEED  137
#define IDD_PAGE_ANGLE_SNAP   138
#define IDD_SINGLE_KEY        139
#define IDD_MACRO_PICK        141
#define IDD_MACRO_MANAGER     142
#define IDD_PROFILE_LIST      144
#define IDD_PAGE_LIGHTING     146
#define IDD_SPLASH            147

// Menus
#define IDR_PROFILE_MENU 145

// Main window
#define IDC_SLIDER_X 2025
#define IDC_SLIDER_Y 2026

// Main window commands: the help menu and the button assignment menu
#define ID_HELP_WEBSITE 1001
#define ID_HELP_VERSION 1003
#define ID_ASSIGN_CLICK        2001
#define ID_ASSIGN_MENU         2002
#define ID_ASSIGN_SCROLL       2003
#define ID_ASSIGN_FORWARD      2004
#define ID_ASSIGN_BACK         2005
#define ID_ASSIGN_DOUBLE_CLICK 2006
#define ID_ASSIGN_FN           2009
#define ID_ASSIGN_SNIPE        2010
#define ID_ASSIGN_SINGLE_KEY   2011
#define ID_ASSIGN_MACRO        2012
#define ID_ASSIGN_DEACTIVATED  2013
#define ID_ASSIGN_DPI_FIRST    2020
#define ID_ASSIGN_WINDOWS_FIRST 2030
#define ID_ASSIGN_MEDIA_FIRST  2050
#define ID_ASSIGN_SHORTCUT_FIRST 2060

// Profile list window
#define IDC_PROFILE_LIST  130
#define ID_PROFILE_DELETE 32781
#define ID_PROFILE_EDIT   32782
#define ID_PROFILE_COPY   32783
#define ID_PROFILE_LOAD   32784
#define ID_PROFILE_SAVE   32785

// DPI stages page: stage i uses id + i
#define IDC_DPI_COLOR1  71
#define IDC_DPI_EDIT1   1148
#define IDC_DPI_SLIDER1 2027

// Wheel scrolling page
#define IDC_WHEEL_LINES 2035

// Lighting page
#define IDC_LIGHT_A1    2037
#define IDC_LIGHT_B1    2041
#define IDC_LIGHT_LEVEL 2045

// Macro manager
#define IDC_LOOP_EDIT  149
#define IDC_MACRO_LIST 151
#define IDC_KEY_LIST   1006
// Its key list menu
#define ID_MACRO_DELETE_LINE    32771
#define ID_MACRO_INSERT_LBUTTON 32772
#define ID_MACRO_INSERT_MBUTTON 32773
#define ID_MACRO_INSERT_RBUTTON 32774
#define ID_MACRO_INSERT_DELAY   32786

// Macro assignment dialog
#define IDC_MACRO_NAME      592
#define IDC_MACRO_PICK_LIST 593

// Single key capture dialog
#define IDC_KEY_NAME 502
