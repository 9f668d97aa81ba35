#include "macro/macro_program_dialog.h"

#include "classlib/debug_output.h"
#include "classlib/image.h"
#include "classlib/win_app.h"
#include "device/clock.h"
#include "macro/key_list_edits.h"
#include "macro/macro_recording.h"
#include "messages.h"
#include "model/record_ini.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/ex_menu.h"
#include "skin/language_fonts.h"
#include "skin/lb_editor_wnd.h"
#include "skin/skin_draw.h"
#include "storage/data_paths.h"
#include "text/key_names.h"
#include "text/program_language.h"

#include <optional>

HHOOK g_hMacroRecordHook = nullptr;
HWND g_hMacroManagerWnd = nullptr;
int g_bRecordOn = 0;
int g_nRecordPhase = 0;
unsigned g_nRecordEvents = 0;
uint32_t g_nLastHookVk = 0;
uint32_t g_nLastHookFlags = 0;

using namespace macro_manager;

namespace {

constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr COLORREF kListBackground = RGB(109, 109, 109);
constexpr COLORREF kLoopEditBackground = RGB(34, 24, 21);
constexpr COLORREF kSelectedBackground = RGB(72, 24, 24);
constexpr int kContextMenuWidth = 140;
constexpr DWORD kHoverTimeMs = 10;

bool IsChineseLanguage(const CString& code)
{
    return code == L"CHS" || code == L"CHT";
}

CString SkinPath(const wchar_t* folder, const wchar_t* image)
{
    return CString(g_szAppDir) + folder + image;
}

CString Decimal(int value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}

}  // namespace

BEGIN_MESSAGE_TABLE(CMacroProgramDialog)
    MAP_EN_CHANGE(IDC_LOOP_EDIT, OnChangeLoopTimes)
    MAP_MESSAGE(WM_RECORD_KEY_EVENT, OnRecordKeyEvent)
    MAP_COMMAND(ID_MACRO_DELETE_LINE, OnDeleteItem)
    MAP_COMMAND(ID_MACRO_INSERT_LBUTTON, OnInsertLButton)
    MAP_COMMAND(ID_MACRO_INSERT_MBUTTON, OnInsertMButton)
    MAP_COMMAND(ID_MACRO_INSERT_RBUTTON, OnInsertRButton)
    MAP_COMMAND(ID_MACRO_INSERT_DELAY, OnInsertDelay)
    MAP_LBN_SELCHANGE(IDC_KEY_LIST, OnSelchangeKeyList)
    MAP_LBN_DBLCLK(IDC_KEY_LIST, OnDblclkKeyList)
    MAP_LBN_SELCHANGE(IDC_MACRO_LIST, OnMacroNameListSelchange)
    MAP_LBN_DBLCLK(IDC_MACRO_LIST, OnDblclkMacroNameList)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_PAINT(OnPaint)
    MAP_MOUSEHOVER(OnMouseHover)
    MAP_MOUSEMOVE(OnMouseMove)
    MAP_DESTROY(OnDestroy)
END_MESSAGE_TABLE()

CMacroProgramDialog::CMacroProgramDialog()
    : CDialog(IDD_MACRO_MANAGER), m_strRecordIni(DataFilePath(ReadModulePath(), L"record.ini")),
      m_brEdit(kLoopEditBackground), m_brList(kListBackground)
{}

CMacroProgramDialog::~CMacroProgramDialog()
{
    RemoveRecordHook();
}

void CMacroProgramDialog::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_KEY_LIST, m_lbKeyList);
}

void CMacroProgramDialog::LoadLanguageText()
{
    m_texts = MacroManagerTextsFor(ProgramLanguage());
}

// ---- Building the window ----------------------------------------------------

BOOL CMacroProgramDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A window that cannot load its list changes none: the last showing's
    // edits were followed when it closed.
    m_store.TakeListAsLoaded();
    if (!LoadBackground()) {
        MessageBox(L"error", L"Macro Manager Dialog Load background image failed!!!");
        // Without its picture the window has no controls to work with; it
        // ends rather than stay modal over the main window.
        EndDialog(IDCANCEL);
        return FALSE;
    }
    m_store.SetRecordIniPath(m_strRecordIni);

    m_font.DeleteObject();
    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, HeiTiOrArialFace(ProgramLanguage()));
    m_bRecording = 0;
    m_bRenamePending = false;
    m_hover = {};
    LoadLanguageText();
    CreateControls();
    CreateRecordButton();
    g_hMacroManagerWnd = m_hWnd;

    m_store.SetLanguage(ProgramLanguage());
    m_store.LoadMacrosFromIni();
    ShowMacroList();
    ShowKeyList();
    ShowLoopEdit();

    g_bRecordOn = 0;
    m_lbSelMacro.RedrawWindow();
    m_lbKeyList.RedrawWindow();
    return TRUE;
}

bool CMacroProgramDialog::LoadBackground()
{
    m_hBackground.DeleteObject();
    CImage image;
    if (FAILED(image.Load(SkinPath(L"skins\\", kBackgroundImage))))
        return false;
    const int width = image.GetWidth();
    const int height = image.GetHeight();
    m_hBackground.Attach(image.Detach());
    SetWindowPos(static_cast<HWND>(nullptr), 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CMacroProgramDialog::CreateControls()
{
    m_lbSelMacro.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, kNameListRect, this,
                        IDC_MACRO_LIST);
    for (CListBoxEx* list : {&m_lbSelMacro, &m_lbKeyList}) {
        list->SetFont(&m_font);
        list->m_crSelectedBackground = kSelectedBackground;
        list->m_crSelectedText = kTextColour;
    }
    m_lbKeyList.MoveWindow(&kKeyListRect);

    m_editLoopTimes.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER, kLoopEditRect, this, IDC_LOOP_EDIT);
    m_editLoopTimes.SetFont(&m_font);
}

void CMacroProgramDialog::CreateRecordButton()
{
    m_btnRecord.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kRecordRect, this, 0);
    CBitmap normal;
    CBitmap over;
    LoadPictureBitmap(SkinPath(kRecordNormalImage), normal);
    LoadPictureBitmap(SkinPath(kRecordOverImage), over);
    m_btnRecord.LoadBitmaps(kRecordImageCut, &normal, &over, &over, &normal);
    m_btnRecord.m_nAlign = 0;
    m_btnRecord.m_nFontHeight = IsChineseLanguage(ProgramLanguage()) ? 12 : 14;
    m_btnRecord.m_strFontFace = HeiTiOrArialFace(ProgramLanguage());
    ShowRecordButton(false);
}

// ---- Showing the store ------------------------------------------------------

void CMacroProgramDialog::ShowMacroList()
{
    m_lbSelMacro.ResetContent();
    for (const CString& name : m_store.MacroNames())
        m_lbSelMacro.AddString(name);
    m_lbSelMacro.SetCurSel(m_store.CurSel());
}

void CMacroProgramDialog::ShowKeyList(int selection)
{
    m_lbKeyList.ResetContent();
    for (const CString& line : m_store.KeyLines())
        m_lbKeyList.AddString(line);
    if (selection >= 0)
        m_lbKeyList.SetCurSel(selection);
}

void CMacroProgramDialog::ShowLoopEdit()
{
    // The store has already taken this text: its change notification must
    // not run the loop-count write a second time.
    m_bShowingStore = true;
    m_editLoopTimes.SetWindowText(m_store.LoopEditText());
    m_bShowingStore = false;
    m_editLoopTimes.EnableWindow(m_store.IsLoopEditEnabled());
    m_editLoopTimes.Invalidate();
}

void CMacroProgramDialog::ShowRecordButton(bool recording)
{
    m_btnRecord.SetCaption(recording ? m_texts.recordActive : m_texts.recordIdle);
    m_btnRecord.checked = recording ? 1 : 0;
    m_btnRecord.Invalidate(FALSE);
}

void CMacroProgramDialog::ShowStoreState()
{
    ShowMacroList();
    ShowKeyList();
    ShowLoopEdit();
    RepaintArea(kDelayTickRect);
    RepaintArea(kLoopTickRect);
}

void CMacroProgramDialog::RepaintArea(const RECT& rect)
{
    InvalidateRect(&rect, FALSE);
}

void CMacroProgramDialog::RepaintButtons()
{
    for (const RECT& rect : {kOkRect, kCancelRect, kNewRect, kDeleteRect, kCloseRect})
        RepaintArea(rect);
}

// ---- Painting -----------------------------------------------------------------

BOOL CMacroProgramDialog::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CMacroProgramDialog::OnPaint()
{
    CPaintDC paint(this);
    if (!m_hBackground.GetSafeHandle())
        return;
    CRect client;
    GetClientRect(&client);
    CDC canvas;
    canvas.CreateCompatibleDC(&paint);
    ScopedSelectObject background(canvas, m_hBackground);
    ScopedSelectObject font(canvas, m_font);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(kTextColour);

    DrawPngWithAlpha(&canvas, SkinPath(L"skins\\", kBackgroundImage), 0, 0);
    const auto picture = [&](const wchar_t* image, const RECT& at) {
        DrawPngWithAlpha(&canvas, SkinPath(L"Skins\\", image), at.left, at.top);
    };
    const auto text = [&](const CString& words, const RECT& at, UINT format) {
        CRect box(at);
        canvas.DrawText(words, &box, format);
    };
    constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    const auto button = [&](const RECT& at, bool hovered, const wchar_t* normal, const wchar_t* over,
                            const CString& caption) {
        picture(hovered ? over : normal, at);
        text(caption, at, kCentred);
    };

    picture(kCloseImage, kCloseRect);
    button(kOkRect, m_hover.ok, kOkCancelImage, kOkCancelHoverImage, m_texts.ok);
    button(kCancelRect, m_hover.cancel, kOkCancelImage, kOkCancelHoverImage, m_texts.cancel);
    button(kNewRect, m_hover.newMacro, kNewDeleteImage, kNewDeleteHoverImage, m_texts.newButton);
    button(kDeleteRect, m_hover.deleteMacro, kNewDeleteImage, kNewDeleteHoverImage, m_texts.deleteText);
    picture(g_bDelayOption ? kTickOnImage : kTickOffImage, kDelayTickRect);
    picture(g_bLoopOption ? kTickOnImage : kTickOffImage, kLoopTickRect);
    text(m_texts.title, kTitleRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    text(m_texts.nameListHeader, kNameHeaderRect, kCentred);
    text(m_texts.keyListHeader, kKeyHeaderRect, kCentred);
    text(m_texts.optionsHeader, kOptionsHeaderRect, kCentred);
    text(m_texts.loopLabel, kLoopLabelRect, DT_WORDBREAK | DT_VCENTER);
    text(m_texts.delayLabel, kDelayLabelRect, DT_WORDBREAK);

    paint.BitBlt(0, 0, client.Width(), client.Height(), &canvas, 0, 0, SRCCOPY);
}

HBRUSH CMacroProgramDialog::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    const int id = control ? control->GetDlgCtrlID() : 0;
    if (control && control->m_hWnd == m_editLoopTimes.m_hWnd && id == IDC_LOOP_EDIT) {
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(kTextColour);
        return m_brEdit;
    }
    if (control && (control->m_hWnd == m_lbKeyList.m_hWnd || control->m_hWnd == m_lbSelMacro.m_hWnd)) {
        dc->SetTextColor(kTextColour);
        dc->SetBkColor(kListBackground);
        return m_brList;
    }
    return CDialog::OnCtlColor(dc, control, kind);
}

// ---- The drawn buttons and tick boxes ---------------------------------------

void CMacroProgramDialog::OnLButtonDown(UINT, CPoint point)
{
    switch (AreaAt(point)) {
    case Area::Ok:
        OnOK();
        break;
    case Area::Cancel:
    case Area::Close:
        OnCancel();
        break;
    case Area::DelayTick:
        // Written with the macro's next write.
        g_bDelayOption = g_bDelayOption ? 0 : 1;
        RepaintArea(kDelayTickRect);
        break;
    case Area::LoopTick:
        StopRecord();
        m_store.ToggleLoopOption();
        ShowLoopEdit();
        RepaintArea(kLoopTickRect);
        break;
    case Area::New:
        StopRecord();
        m_store.OnWriteMacroToIni();
        if (!m_store.NewMacro())
            MessageBox(m_texts.limitMessage, m_texts.limitCaption);
        ShowStoreState();
        break;
    case Area::Delete:
        StopRecord();
        m_store.DeleteMacro();
        ShowStoreState();
        break;
    case Area::None: {
        // Dragging anywhere else moves the window.
        CPoint screen = point;
        ClientToScreen(&screen);
        PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
        break;
    }
    }
    Default();
}

void CMacroProgramDialog::OnMouseMove(UINT flags, CPoint point)
{
    if (IsHoverButton(AreaAt(point))) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, m_hWnd, kHoverTimeMs};
        ::TrackMouseEvent(&track);
    } else if (m_hover.ok || m_hover.cancel || m_hover.newMacro || m_hover.deleteMacro) {
        m_hover = {};
        RepaintButtons();
    }
    CDialog::OnMouseMove(flags, point);
}

void CMacroProgramDialog::OnMouseHover(UINT, CPoint point)
{
    switch (AreaAt(point)) {
    case Area::Ok:
        m_hover.ok = true;
        m_hover.cancel = false;
        break;
    case Area::Cancel:
        m_hover.cancel = true;
        m_hover.ok = false;
        break;
    case Area::New:
        m_hover.newMacro = true;
        m_hover.deleteMacro = false;
        break;
    case Area::Delete:
        m_hover.deleteMacro = true;
        m_hover.newMacro = false;
        break;
    default:
        break;
    }
    RepaintButtons();
}

// ---- Closing ------------------------------------------------------------------

void CMacroProgramDialog::OnOK()
{
    StopRecord();
    m_store.OnWriteMacroToIni();
    m_store.OnBnMacroSave();
    m_font.DeleteObject();
    CDialog::OnOK();
}

void CMacroProgramDialog::OnCancel()
{
    StopRecord();
    m_font.DeleteObject();
    CDialog::OnCancel();
}

void CMacroProgramDialog::OnDestroy()
{
    // Whatever ends the window, no hook outlives it; a recording still
    // running is written as Cancel would write it.
    StopRecord();
    RemoveRecordHook();
    // A rename whose end never arrived (its message went with the list):
    // the macro's section, removed when the rename began, comes back.
    if (m_bRenamePending) {
        m_bRenamePending = false;
        m_store.OnRenameDone();
    }
    if (g_hMacroManagerWnd == m_hWnd)
        g_hMacroManagerWnd = nullptr;
    CDialog::OnDestroy();
}

// ---- Messages ahead of the dialog manager ----------------------------------

bool CMacroProgramDialog::IsInPlaceEditor(HWND window) const
{
    const HWND parent = ::GetParent(window);
    return parent && (parent == m_lbSelMacro.m_hWnd || parent == m_lbKeyList.m_hWnd) &&
           ::GetDlgCtrlID(window) == static_cast<int>(CLBEditorWnd::kEditId);
}

BOOL CMacroProgramDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_LEBEDIT_END && (msg->hwnd == m_lbSelMacro.m_hWnd || msg->hwnd == m_lbKeyList.m_hWnd)) {
        DebugTrace(L"finish listbox editing,WM_LEBEDIT_END:pMsg->wParam=%d,pMsg->lParam=%d\n",
                   static_cast<int>(msg->wParam), static_cast<int>(msg->lParam));
        OnRenameDone(msg->hwnd, static_cast<int>(msg->lParam));
    }
    if (msg->wParam == VK_LWIN || msg->wParam == VK_RWIN)
        return TRUE;
    // Enter, Esc and Space would press a button or close the window; the
    // in-place editor needs them to commit, cancel and type a blank.
    if (IsSwallowedDialogKey(*msg) && !(IsInPlaceEditor(msg->hwnd) && msg->wParam != VK_F1))
        return TRUE;
    if (msg->message == WM_RBUTTONDOWN) {
        if (m_lbKeyList.GetCurSel() < 0)
            return FALSE;
        if (::WindowFromPoint(msg->pt) == m_lbKeyList.m_hWnd) {
            StopRecord();
            ShowKeyListMenu(msg->pt);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void CMacroProgramDialog::ShowKeyListMenu(POINT at)
{
    CExMenu menu(&m_font);
    menu.CreatePopupMenu();
    menu.AppendMenu(ID_MACRO_DELETE_LINE, m_texts.deleteText);
    menu.AppendMenu(ID_MACRO_INSERT_LBUTTON, m_texts.insertLeft);
    menu.AppendMenu(ID_MACRO_INSERT_MBUTTON, m_texts.insertMiddle);
    menu.AppendMenu(ID_MACRO_INSERT_RBUTTON, m_texts.insertRight);
    menu.AppendMenu(ID_MACRO_INSERT_DELAY, m_texts.insertPause);
    menu.m_nMenuWidth = kContextMenuWidth;
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, at.x, at.y, this);
    menu.DestroyMenu();
}

BOOL CMacroProgramDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 && reinterpret_cast<HWND>(lParam) == m_btnRecord.m_hWnd && HIWORD(wParam) == BN_CLICKED) {
        if (g_bRecordOn == 0)
            StartRecord();
        else
            StopRecord();
    }
    return CDialog::OnCommand(wParam, lParam);
}

// ---- The macro list -----------------------------------------------------------

void CMacroProgramDialog::OnMacroNameListSelchange()
{
    StopRecordOnSelectionChange();
    m_store.SetCurSel(m_lbSelMacro.GetCurSel());
    m_store.OnMacroNameListSelchange();
    ShowKeyList();
    ShowLoopEdit();
    RepaintArea(kDelayTickRect);
    RepaintArea(kLoopTickRect);
}

void CMacroProgramDialog::OnDblclkMacroNameList()
{
    const int selection = m_lbSelMacro.GetCurSel();
    if (selection < 0)
        return;
    g_nEditContext = kEditMacroName;
    if (!(new CLBEditorWnd(&m_lbSelMacro))->Edit(selection, 0))
        return;
    m_store.OnDblclkMacroNameList();
    m_bRenamePending = true;
}

void CMacroProgramDialog::OnRenameDone(HWND list, int item)
{
    if (list == m_lbSelMacro.m_hWnd) {
        CString name;
        m_lbSelMacro.GetText(item, name);
        // The editor applies the naming rules already; a name the store
        // still refuses is put back as the store has it.
        if (!m_store.SetMacroName(item, name))
            ShowMacroList();
        m_bRenamePending = false;
    } else if (item >= 0 && item < static_cast<int>(m_store.KeyLines().size())) {
        m_lbKeyList.GetText(item, m_store.KeyLines()[static_cast<size_t>(item)]);
    }
    m_store.OnRenameDone();
}

void CMacroProgramDialog::OnChangeLoopTimes()
{
    if (m_bShowingStore || !m_editLoopTimes.m_hWnd)
        return;
    CString typed;
    m_editLoopTimes.GetWindowText(typed);
    m_store.SetLoopEditText(typed);
    if (m_store.LoopEditText() != typed)
        ShowLoopEdit();  // a count out of range became "1"
    m_editLoopTimes.Invalidate();
}

// ---- The key list ---------------------------------------------------------------

void CMacroProgramDialog::OnSelchangeKeyList() {}

void CMacroProgramDialog::OnDblclkKeyList()
{
    const int selection = m_lbKeyList.GetCurSel();
    if (selection < 0)
        return;
    CString line;
    m_lbKeyList.GetText(selection, line);
    if (!IsPauseLine(line))
        return;
    g_nEditContext = kEditMacroDelay;
    // The first double-click on a pause arms it, the next one edits it.
    if (selection != m_cursel) {
        m_cursel = selection;
        return;
    }
    (new CLBEditorWnd(&m_lbKeyList))->Edit(selection, 1);
    m_store.OnWriteMacroToIni();
}

void CMacroProgramDialog::ApplyKeyListEdit(const KeyListEdit& edit)
{
    if (!edit.changed)
        return;
    ShowKeyList(edit.selection);
    m_store.OnWriteMacroToIni();
}

void CMacroProgramDialog::InsertButtonEvents(MacroMouseButton button)
{
    ApplyKeyListEdit(InsertMouseButton(m_store.KeyLines(), m_lbKeyList.GetCurSel(), button));
}

void CMacroProgramDialog::OnInsertLButton()
{
    InsertButtonEvents(MacroMouseButton::Left);
}

void CMacroProgramDialog::OnInsertMButton()
{
    InsertButtonEvents(MacroMouseButton::Middle);
}

void CMacroProgramDialog::OnInsertRButton()
{
    InsertButtonEvents(MacroMouseButton::Right);
}

void CMacroProgramDialog::OnInsertDelay()
{
    ApplyKeyListEdit(InsertPause(m_store.KeyLines(), m_lbKeyList.GetCurSel()));
}

void CMacroProgramDialog::OnDeleteItem()
{
    ApplyKeyListEdit(DeleteLine(m_store.KeyLines(), m_lbKeyList.GetCurSel()));
}

// ---- Recording ------------------------------------------------------------------

void CMacroProgramDialog::StartRecord()
{
    const int selection = m_lbSelMacro.GetCurSel();
    if (selection < 0 || selection != m_store.CurSel())
        return;
    CString loopTimes;
    m_editLoopTimes.GetWindowText(loopTimes);
    m_store.m_strLoopTimes = loopTimes;
    g_arrPendingMacro = {m_store.MacroNames()[static_cast<size_t>(selection)], Decimal(g_bDelayOption), loopTimes};
    g_nRecordEvents = 0;
    RemoveRecordHook();

    m_lbKeyList.LockWindowUpdate();
    m_lbKeyList.ResetContent();
    m_lbKeyList.UnlockWindowUpdate();
    m_store.KeyLines().clear();
    m_editLoopTimes.EnableWindow(g_bLoopOption != 0);

    g_hMacroRecordHook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &JournalRecordHook, AfxGetInstanceHandle(), 0);
    if (!g_hMacroRecordHook) {
        CString text;
        text.Format(L"JournalRecordHook Install error code :%d\n", static_cast<int>(::GetLastError()));
        MessageBox(text);
        return;
    }
    m_bRecording = 1;
    g_nRecordPhase = 0;
    g_bRecordOn = 1;
    ShowRecordButton(true);
}

void CMacroProgramDialog::StopRecord()
{
    g_nRecordEvents = 0;
    if (!m_bRecording || !g_hMacroRecordHook)
        return;
    RemoveRecordHook();
    g_nRecordPhase = 2;
    g_bRecordOn = 0;
    m_editLoopTimes.EnableWindow(g_bLoopOption != 0);
    m_store.OnWriteMacroToIni();
    m_bRecording = 0;
    ShowRecordButton(false);
}

// The list's selection has moved on: the key list holds the recording of the
// macro selected before, which is written from the recording's own copy.
void CMacroProgramDialog::StopRecordOnSelectionChange()
{
    if (!m_bRecording)
        return;
    m_bRecording = 0;
    g_nRecordEvents = 0;
    RemoveRecordHook();
    g_nRecordPhase = 2;
    g_bRecordOn = 0;
    m_editLoopTimes.EnableWindow(g_bLoopOption != 0);
    m_store.WritePendingMacro();
    ShowRecordButton(false);
}

void CMacroProgramDialog::RemoveRecordHook()
{
    if (g_hMacroRecordHook) {
        ::UnhookWindowsHookEx(g_hMacroRecordHook);
        g_hMacroRecordHook = nullptr;
    }
}

LRESULT CALLBACK CMacroProgramDialog::JournalRecordHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode != HC_ACTION)
        return ::CallNextHookEx(g_hMacroRecordHook, nCode, wParam, lParam);
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    LastHookEvent last{g_nLastHookVk, g_nLastHookFlags};
    const std::optional<RecordedKey> key = TakeHookEvent(event->vkCode, event->flags, last);
    if (!key)  // an auto-repeat of the key held: it goes on to its window
        return ::CallNextHookEx(g_hMacroRecordHook, nCode, wParam, lParam);
    g_nLastHookVk = last.vk;
    g_nLastHookFlags = last.flags;
    DebugTrace(L"vk code=%x,scan code=%x,key flag=%x\n", static_cast<unsigned>(event->vkCode),
               static_cast<unsigned>(event->scanCode), static_cast<unsigned>(last.flags));
    DebugTrace(L"virtual-key code :%xl;GetKeyStr(%x)=%s\n", static_cast<unsigned>(wParam),
               static_cast<unsigned>(key->vk), GetKeyStr(key->vk).GetString());
    // The key travels with its own event: two events posted before the
    // window handles the first keep their own names.
    ::PostMessageW(g_hMacroManagerWnd, WM_RECORD_KEY_EVENT, key->release ? 1 : 0, static_cast<LPARAM>(key->vk));
    return 1;
}

void CMacroProgramDialog::AppendRecordedLine(const CString& line)
{
    m_lbKeyList.AddString(line);
    m_store.KeyLines().push_back(line);
    g_arrPendingMacro.push_back(line);
}

LRESULT CMacroProgramDialog::OnRecordKeyEvent(WPARAM wParam, LPARAM lParam)
{
    // Events the hook posted before it was removed belong to no recording:
    // added now they would be shown but never written, or land in the macro
    // selected since.
    if (!m_bRecording)
        return 0;
    if (++g_nRecordEvents > kMaxRecordedKeyEvents) {
        StopRecord();
        return 1;
    }
    if (wParam == 0 || wParam == 1) {
        const DWORD now = ClockTickCount();
        const CString name = GetKeyStr(static_cast<uint32_t>(lParam));
        for (const CString& line : RecordedLines(name, wParam == 1, g_nRecordPhase == 0, g_bDelayOption == 1,
                                                 RecordedPauseMs(now, m_dwLastEventTick)))
            AppendRecordedLine(line);
        m_dwLastEventTick = now;
        g_nRecordPhase = 1;
    }
    m_lbKeyList.SetCurSel(m_lbKeyList.GetCount() - 1);
    return 1;
}
