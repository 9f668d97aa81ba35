#pragma once
// The macro manager window: the stored macros, their key sequences, loop
// counts and delays, and live recording.
//
// The window mirrors CMacroStore, which does every read and write of
// record.ini: each command changes the store and then shows the store's
// state in the lists, the loop edit and the tick boxes. Every edit is
// written at once; OK also encodes the twelve device macro records into
// m_MacroRecords, which the main window copies after DoModal returns IDOK.
// However the window closes, m_store.ListChange() then tells how the edits
// moved, renamed and deleted the macros the window opened with.

#include "classlib/cstring.h"
#include "classlib/dialog.h"
#include "classlib/edit.h"
#include "classlib/gdi.h"
#include "macro/key_list_edits.h"
#include "macro/macro_manager_layout.h"
#include "macro/macro_manager_texts.h"
#include "macro/macro_store.h"
#include "model/device_records.h"
#include "skin/bitmap_btn.h"
#include "skin/list_box_ex.h"

#include <windows.h>

#include <array>
#include <vector>

// The recording hook and the window it reports to (see StartRecord).
extern HHOOK g_hMacroRecordHook;
extern HWND g_hMacroManagerWnd;
// 1 while recording: the Record button then stops instead of starting.
extern int g_bRecordOn;
// 0 started, no line recorded yet; 1 at least one line recorded; 2 stopped.
extern int g_nRecordPhase;
// Key events handled since the last start or stop.
extern unsigned g_nRecordEvents;
// The last keyboard event the hook took: code and flags (masked with 0x81).
extern uint32_t g_nLastHookVk;
extern uint32_t g_nLastHookFlags;

class CMacroProgramDialog : public CDialog {
public:
    CMacroProgramDialog();
    ~CMacroProgramDialog() override;

    // Input: record.ini, copied into the store when the window opens. The
    // constructor points it beside the program; the main window sets it to
    // the application's path before DoModal.
    CString m_strRecordIni;

    // The store behind the window; it keeps its state between showings.
    CMacroStore m_store;
    // Output: one device macro record per list position, fresh after OK.
    // These are the store's record buffers themselves.
    std::array<MacroRecord, kMaxMacros>& m_MacroRecords = m_store.m_MacroRecords;

    CFont m_font;
    MacroManagerTexts m_texts;
    CEdit m_editLoopTimes;
    CListBoxEx m_lbSelMacro;
    CListBoxEx m_lbKeyList;
    DWORD m_dwLastEventTick = 0;
    CBitmapBtn m_btnRecord;
    CBitmap m_hBackground;
    // The key line of the last double-click on a pause line; -1 for none.
    int m_cursel = -1;
    // 1 while this window's recording hook is installed.
    int m_bRecording = 0;

    // Chooses the texts for the program's language.
    void LoadLanguageText();

    void StartRecord();
    void StopRecord();

    // The WH_KEYBOARD_LL procedure: takes each key event that is not an
    // auto-repeat, posts it to the window as WM_RECORD_KEY_EVENT (wParam 0
    // press, 1 release; lParam the key's code) and keeps it from every
    // program. Events it does not take, and every nCode other than
    // HC_ACTION, go on to the next hook.
    static LRESULT CALLBACK JournalRecordHook(int nCode, WPARAM wParam, LPARAM lParam);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // OK and Cancel end a running recording first; OK writes the selected
    // macro and encodes the records. Every way of closing comes here.
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    void OnChangeLoopTimes();
    LRESULT OnRecordKeyEvent(WPARAM wParam, LPARAM lParam);
    void OnDeleteItem();
    void OnInsertLButton();
    void OnInsertMButton();
    void OnInsertRButton();
    void OnInsertDelay();
    void OnSelchangeKeyList();
    void OnDblclkKeyList();
    void OnMacroNameListSelchange();
    void OnDblclkMacroNameList();
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnDestroy();

    DECLARE_MESSAGE_TABLE(CMacroProgramDialog, CDialog)

private:
    bool LoadBackground();
    void CreateControls();
    void CreateRecordButton();

    // Shows the store's state in the controls.
    void ShowMacroList();
    void ShowKeyList(int selection = -1);
    void ShowLoopEdit();
    void ShowStoreState();
    void ShowRecordButton(bool recording);
    void RepaintArea(const RECT& rect);
    void RepaintButtons();

    // The end of an in-place edit of either list: the list's new text goes
    // into the store, which writes the macro.
    void OnRenameDone(HWND list, int item);
    void StopRecordOnSelectionChange();
    void RemoveRecordHook();
    void ApplyKeyListEdit(const KeyListEdit& edit);
    void InsertButtonEvents(MacroMouseButton button);
    void AppendRecordedLine(const CString& line);
    void ShowKeyListMenu(POINT at);
    bool IsInPlaceEditor(HWND window) const;

    // The drawn buttons shown with their hover picture.
    struct HoverFlags {
        bool ok = false;
        bool cancel = false;
        bool newMacro = false;
        bool deleteMacro = false;
    };

    CBrush m_brEdit;
    CBrush m_brList;
    HoverFlags m_hover;
    // The loop edit's text is being set from the store.
    bool m_bShowingStore = false;
    // A rename removed the macro's section and its end has not written it.
    bool m_bRenamePending = false;
};
