#include "classlib/dialog.h"

#include "classlib/debug_output.h"
#include "classlib/message_pump.h"
#include "classlib/win_app.h"
#include "classlib/window_map.h"

#include <cstring>

namespace {

const DLGTEMPLATE* LoadDialogTemplate(UINT id)
{
    const HINSTANCE module = AfxGetResourceHandle();
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    if (!resource)
        return nullptr;
    return static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(module, resource)));
}

// The window style of a template in either layout (the extended layout
// starts with version 1 and the signature 0xFFFF, its style at byte 12).
DWORD TemplateStyle(const DLGTEMPLATE* dialogTemplate)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(dialogTemplate);
    WORD head[2];
    std::memcpy(head, bytes, sizeof(head));
    DWORD style = 0;
    std::memcpy(&style, bytes + (head[0] == 1 && head[1] == 0xFFFF ? 12 : 0), sizeof(style));
    return style;
}

// The dialog procedure of every CDialog: the window's messages reach the
// object before the dialog manager's procedure, which calls this one only
// for what the object left to it.
INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(window));
    return dialog ? dialog->OnInitDialog() : TRUE;
}

}  // namespace

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    if (!control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd))
        DebugTrace(L"DDX_Control: no control %d to bind\n", id);
}

BEGIN_MESSAGE_TABLE(CDialog)
    MAP_COMMAND(IDOK, OnOK)
    MAP_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_TABLE()

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    if (parent)
        m_pParentWnd = parent;
    m_bModal = false;
    const DLGTEMPLATE* dialogTemplate = LoadDialogTemplate(templateId);
    if (!dialogTemplate)
        return FALSE;
    return CreateFromTemplate(dialogTemplate, m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::CreateFromTemplate(const DLGTEMPLATE* dialogTemplate, HWND parent)
{
    if (m_hWnd)
        return FALSE;
    HWND created = nullptr;
    {
        wndmap::CreationScope scope(this, parent);
        created = ::CreateDialogIndirectParamW(AfxGetResourceHandle(), dialogTemplate, parent, &DialogProcedure, 0);
    }
    if (!created)
        return FALSE;
    if (m_hWnd != created) {
        // Not seen at creation, so OnInitDialog never ran: a failure.
        ::DestroyWindow(created);
        return FALSE;
    }
    PreSubclassWindow();
    return TRUE;
}

HWND CDialog::ModalOwner() const
{
    CWnd* mainWnd = AfxGetMainWnd();
    CWnd* parent = m_pParentWnd ? m_pParentWnd : (mainWnd != this ? mainWnd : nullptr);
    if (!parent || !parent->m_hWnd)
        return nullptr;
    return ::GetAncestor(parent->m_hWnd, GA_ROOT);
}

INT_PTR CDialog::DoModal()
{
    const DLGTEMPLATE* dialogTemplate = LoadDialogTemplate(m_nIDTemplate);
    if (!dialogTemplate || m_hWnd)
        return -1;

    const HWND owner = ModalOwner();
    const bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);

    m_bModal = true;
    m_bContinueModal = true;
    m_nModalResult = -1;
    if (CreateFromTemplate(dialogTemplate, owner))
        RunModalLoop(!(TemplateStyle(dialogTemplate) & WS_VISIBLE));
    m_bModal = false;

    // The owner comes back before the dialog goes, so that it takes the
    // activation.
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        if (owner && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(owner);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        DestroyWindow();
    }
    return m_nModalResult;
}

void CDialog::RunModalLoop(bool showOnIdle)
{
    while (m_bContinueModal && m_hWnd) {
        if (!msgpump::MessageWaiting()) {
            // Looking may have run a sent message that ended the dialog.
            if (!m_bContinueModal || !m_hWnd)
                break;
            if (showOnIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showOnIdle = false;
            }
            msgpump::Idle();
        }
        int quitCode = 0;
        if (!msgpump::PumpMessage(quitCode)) {
            // WM_QUIT ends every loop: the outer ones see it again.
            ::PostQuitMessage(quitCode);
            m_nModalResult = -1;
            break;
        }
    }
}

void CDialog::EndDialog(int result)
{
    if (m_bModal) {
        m_nModalResult = result;
        m_bContinueModal = false;
        // Wakes the loop should it be waiting for a posted message.
        if (m_hWnd)
            PostMessage(WM_NULL);
    } else if (m_hWnd) {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    const bool key = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    const bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!(key || mouse) || !m_hWnd)
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, msg);
}
