#pragma once
// The main window's globals, shared by the files of its jobs. Each is
// defined in the file of the job that owns it.

#include <windows.h>

class CConfigDialog;

// main_window_skin.cpp: heights in pixels of the button-assignment and the
// X/Y-axis panel pictures, measured by InitSkin.
extern int g_nButtonPanelHeight;
extern int g_nAxisPanelHeight;

// main_window_commands.cpp
// The mouse picture shown: 1 Front, 2 Side; 0 until the first page switch.
extern int g_nCurPage;
// The open profile list window, null when none.
extern CConfigDialog* g_pConfigDlg;
// The profile selected in the profile list when it opened.
extern int g_nProfileChosen;
// The current rectangles of the X and Y sensitivity sliders; empty until the
// first panel layout.
extern RECT g_rcSliderX;
extern RECT g_rcSliderY;

// assign_menu.cpp: the highlighted assignment box 0..6, or -1.
extern int g_nSelButton;

// main_window_profiles.cpp: set by a profile import until the list closes.
extern int g_bProfileImported;
