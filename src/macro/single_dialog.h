#pragma once
// The dialog that captures one keyboard key for a button.

#include "classlib/cstring.h"
#include "classlib/dialog.h"

class CSingleDialog : public CDialog {
public:
    CSingleDialog();

    // The key's name: set before DoModal to the key assigned now, read after IDOK.
    CString m_strKeyName;
};
