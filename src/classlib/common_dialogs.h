#pragma once
// The system's common dialogs (open file, save file, colour), called through
// comdlg32.dll loaded on the first dialog rather than at the program's start.
// The library brings the print spooler with it, and under Wine the printing
// system's own libraries: megabytes of memory that no other part of the
// program needs. Once loaded it stays loaded for the rest of the process.

#include <windows.h>
#include <commdlg.h>

// As GetOpenFileNameW, GetSaveFileNameW and ChooseColorW; FALSE, as for a
// cancelled dialog, when the library or its function cannot be had.
BOOL RunOpenFileDialog(OPENFILENAMEW& dialog);
BOOL RunSaveFileDialog(OPENFILENAMEW& dialog);
BOOL RunColorDialog(CHOOSECOLORW& dialog);
