#pragma once
// Message boxes over MessageBoxW. A null caption shows the application's
// title (see ApplicationTitle). CWnd::MessageBox comes here too.

#include <windows.h>

// The box owned by `owner` (none when null); returns the button pressed.
int ShowMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption = nullptr, UINT type = MB_OK);

// A box with the application's title, owned by the window active on this
// thread. The help id is accepted for the usual call shape and unused.
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);

// The application object's name when it was given one, otherwise the
// program's file name without folder and extension.
const wchar_t* ApplicationTitle();
