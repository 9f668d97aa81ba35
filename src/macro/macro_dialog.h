#pragma once
// The dialog that picks a stored macro and its repeat mode for a button.

#include "classlib/cstring.h"
#include "classlib/dialog.h"

#include <cstdint>

class CMacroDialog : public CDialog {
public:
    CMacroDialog();

    // Read after DoModal returned IDOK.
    int m_nSelMacro = -1;       // list position of the chosen macro; -1 none
    uint8_t m_nRepeatMode = 0;  // 0 once, 1 until any button, 2 while held
    CString m_strMacroName;
};
