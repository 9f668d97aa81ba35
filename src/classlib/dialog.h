#pragma once
// CDialog: a window made from a dialog template of the program's resources.
//
// Modeless: Create(templateId, parent) makes the window; OnInitDialog runs
// before Create returns. EndDialog only hides a modeless dialog.
//
// Modal: DoModal makes the window, owned by the top-level window of the
// parent given to the constructor (else of the application's main window),
// disables that owner, runs a message loop until EndDialog, enables the
// owner again, destroys the window and returns the value given to
// EndDialog (-1 when the window could not be made or WM_QUIT arrived). A
// template without WS_VISIBLE is shown when the loop first finds the queue
// empty. The object outlives the window, so its members can be read after
// DoModal returns, and DoModal may run again on the same object.
//
// The commands IDOK and IDCANCEL reach OnOK and OnCancel. Controls of the
// template are bound to member objects in DoDataExchange with DDX_Control.

#include "classlib/wnd.h"

#include <windows.h>

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds the template's control `id` to `control` (subclassing it) unless the
// object is bound already.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    using CWnd::Create;
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* msg) override;

    // Runs DoDataExchange; TRUE when it succeeded.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange*) {}

    DECLARE_MESSAGE_TABLE(CDialog, CWnd)

private:
    BOOL CreateFromTemplate(const DLGTEMPLATE* dialogTemplate, HWND parent);
    HWND ModalOwner() const;
    void RunModalLoop(bool showOnIdle);

    bool m_bModal = false;
    bool m_bContinueModal = false;
    INT_PTR m_nModalResult = -1;
};
