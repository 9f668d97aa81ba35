#pragma once
// Pieces shared by the two small skinned macro dialogs (macro assignment
// and key capture): the background picture that sizes the window, skin
// paths and the hover request for the painted buttons.

#include "classlib/cstring.h"
#include "classlib/gdi.h"
#include "classlib/wnd.h"

// Loads the picture at `path`, gives `dialog` its width and height (place
// and z-order kept) and hands its bitmap to `background`. False, with
// nothing changed, when the picture does not load.
bool LoadDialogBackground(CWnd& dialog, const CString& path, CBitmap& background);

// Asks Windows for a WM_MOUSEHOVER after the pointer rests `hoverMs` in `window`.
void RequestHover(HWND window, DWORD hoverMs);

// White, the colour of the dialogs' painted captions and prompts.
constexpr COLORREF kWhite = RGB(255, 255, 255);
