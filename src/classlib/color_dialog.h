#pragma once
// CColorDialog: the colour picker over ChooseColorW, starting at the
// initial colour. The sixteen custom colours are shared by every colour
// dialog of the process, so the user's custom colours persist between uses.

#include <windows.h>
#include <commdlg.h>

class CWnd;

class CColorDialog {
public:
    // `parent` owns the dialog; when null, the window active on this thread
    // at DoModal does.
    explicit CColorDialog(COLORREF initialColor = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK when a colour was chosen, otherwise IDCANCEL.
    INT_PTR DoModal();
    // The chosen colour (the initial one until a colour is chosen).
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORW m_cc{};
};
