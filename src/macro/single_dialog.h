#pragma once
// The dialog that captures one keyboard key for a button.
//
// While it is open a low-level keyboard hook takes every key event of the
// whole system, keeps it from every program and shows the key's name; the
// key of the last event before OK is the result. Keys that could not be
// assigned to a button (no name, no keyboard usage) are swallowed too but
// leave the name shown. The hook goes as soon as the dialog ends, however
// it ends.

#include "classlib/cstring.h"
#include "classlib/dialog.h"
#include "classlib/gdi.h"
#include "classlib/static_control.h"
#include "macro/dialog_texts.h"
#include "macro/painted_buttons.h"

#include <windows.h>

// The name of the key the hook saw last; it outlives the dialog.
extern CString g_strCapturedKey;
// The capture hook while one is installed, else null.
extern HHOOK g_hKeyCaptureHook;
// The window told of each captured key with WM_KEY_CAPTURED.
extern HWND g_hKeyCaptureWnd;
// The hover marks of the painted buttons, shared by every run of the dialog.
extern HoverFlags g_KeyCaptureHover;

class CSingleDialog : public CDialog {
public:
    CSingleDialog();
    ~CSingleDialog() override;

    // The key's name: set before DoModal to the key assigned now, read after IDOK.
    CString m_strKeyName;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnCancel() override;

    void SetLanguageTexts();

    // The WH_KEYBOARD_LL procedure: names the key, posts WM_KEY_CAPTURED
    // for a key that can be assigned, and swallows every event.
    static LRESULT CALLBACK JournalRecordHook(int code, WPARAM message, LPARAM event);

protected:
    LRESULT OnKeyCaptured(WPARAM, LPARAM);
    void OnPaint();
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnDestroy();

    DECLARE_MESSAGE_TABLE(CSingleDialog, CDialog)

private:
    void CreateDialogFont();
    bool InstallCaptureHook();
    void RemoveCaptureHook();
    void RepaintNow();

    CFont m_font;
    CBitmap m_bkBitmap;
    // The key-name field's white brush, kept while the dialog lives.
    CBrush m_fieldBrush;
    CStatic m_staticKeyName;
    KeyCaptureTexts m_texts;
    bool m_bHookInstalled = false;
};
