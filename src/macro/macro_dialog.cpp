#include "macro/macro_dialog.h"

#include "macro/macro_dialog_layout.h"
#include "macro/macro_store.h"
#include "macro/small_dialog_skin.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/language_fonts.h"
#include "skin/skin_draw.h"
#include "storage/data_paths.h"
#include "storage/macro_file_encoding.h"
#include "text/program_language.h"

int g_bMacroListOpen = 0;
HoverFlags g_MacroDialogHover;

namespace {

constexpr COLORREF kFieldColour = RGB(0x28, 0x28, 0x28);
constexpr DWORD kNameFieldStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
constexpr DWORD kHoverMs = 10;

constexpr const wchar_t* kBackgroundLoad = L"skins\\/macro-key.png";
constexpr const wchar_t* kBackground = L"Skins\\/macro-key.png";
constexpr const wchar_t* kModeChosen = L"Skins\\/PaneMakingTick.png";
constexpr const wchar_t* kModeOther = L"Skins\\/Pane.png";
constexpr const wchar_t* kCloseNormal = L"Skins\\/button-close-normal.png";
constexpr const wchar_t* kCloseOver = L"Skins\\/button-close-over.png";
constexpr const wchar_t* kButtonNormal = L"Skins\\/MacroManagement/button-new-normal.png";
constexpr const wchar_t* kButtonOver = L"Skins\\/MacroManagement/button-new-over.png";

const wchar_t* ButtonPicture(int hovered)
{
    return hovered ? kButtonOver : kButtonNormal;
}

}  // namespace

BEGIN_MESSAGE_TABLE(CMacroDialog)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_LBN_SELCHANGE(IDC_MACRO_PICK_LIST, OnSelchangeMacroList)
    MAP_LBN_DBLCLK(IDC_MACRO_PICK_LIST, OnSelchangeMacroList)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_PAINT(OnPaint)
    MAP_MOUSEHOVER(OnMouseHover)
    MAP_MOUSEMOVE(OnMouseMove)
END_MESSAGE_TABLE()

CMacroDialog::CMacroDialog() : CDialog(IDD_MACRO_PICK), m_strRecordIni(DataFilePath(ReadModulePath(), L"record.ini"))
{
    m_fieldBrush.CreateSolidBrush(kFieldColour);
}

CMacroDialog::~CMacroDialog() = default;

BOOL CMacroDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_rcModeText = macro_pick::kModeTexts;
    if (!LoadDialogBackground(*this, SkinPath(kBackgroundLoad), m_bkBitmap)) {
        MessageBox(L"error", L"Macro Key Dialog Load background image failed!!!", MB_OK);
        // Without its picture the dialog has no area to click and keys
        // cannot end it: it would keep its owner disabled for good.
        EndDialog(IDCANCEL);
        return FALSE;
    }
    CreateDialogFont();
    LoadLanguageText();
    m_staticName.Create(m_strMacroName, kNameFieldStyle, macro_pick::kNameField, this, IDC_MACRO_NAME);
    return TRUE;
}

void CMacroDialog::CreateDialogFont()
{
    m_font.DeleteObject();
    m_font.CreateFont(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, HeiTiOrArialFace(ProgramLanguage()));
}

void CMacroDialog::LoadLanguageText()
{
    m_texts = MacroPickTextsFor(ProgramLanguage());
    m_strMacroName = L"";
}

BOOL CMacroDialog::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedDialogKey(*msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CMacroDialog::CloseMacroList()
{
    if (m_listMacros.m_hWnd)
        m_listMacros.DestroyWindow();
    g_bMacroListOpen = 0;
}

void CMacroDialog::ToggleMacroList()
{
    if (g_bMacroListOpen) {
        CloseMacroList();
        return;
    }
    if (!m_listMacros.m_hWnd) {
        m_listMacros.Create(kListStyle, macro_pick::kList, this, IDC_MACRO_PICK_LIST);
        LoadMacroNames();
    }
    g_bMacroListOpen = 1;
}

void CMacroDialog::LoadMacroNames()
{
    // Names past the twelfth have no device slot to play from.
    for (const CString& name : ReadMacroNames(m_strRecordIni, kMaxMacros))
        m_listMacros.AddString(name);
}

void CMacroDialog::OnSelchangeMacroList()
{
    g_bMacroListOpen = 0;
    if (!m_listMacros.m_hWnd)
        return;
    const int selected = m_listMacros.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_listMacros.GetText(selected, m_strMacroName);
    m_nSelMacro = selected;
    m_staticName.SetWindowText(m_strMacroName);
    m_staticName.Invalidate();
    m_staticName.UpdateWindow();
    m_listMacros.DestroyWindow();
}

void CMacroDialog::EndFromButton(bool ok)
{
    m_font.DeleteObject();
    if (ok)
        CDialog::OnOK();
    else
        CDialog::OnCancel();
}

void CMacroDialog::OnLButtonDown(UINT flags, CPoint point)
{
    const MacroDialogClick click = ClassifyMacroDialogClick(point);
    if (click.closesList && m_listMacros.m_hWnd)
        CloseMacroList();
    switch (click.button) {
    case PaintedButton::Ok:
        EndFromButton(true);
        break;
    case PaintedButton::Cancel:
    case PaintedButton::Close:
        EndFromButton(false);
        break;
    case PaintedButton::None:
        if (click.togglesList) {
            ToggleMacroList();
        } else if (click.repeatMode >= 0) {
            m_nRepeatMode = static_cast<uint8_t>(click.repeatMode);
            Invalidate();
        }
        break;
    }
    CDialog::OnLButtonDown(flags, point);
}

void CMacroDialog::RepaintNow()
{
    Invalidate();
    UpdateWindow();
}

void CMacroDialog::OnMouseMove(UINT flags, CPoint point)
{
    if (PaintedButtonAt(macro_pick::kButtons, point) != PaintedButton::None)
        RequestHover(m_hWnd, kHoverMs);
    else if (ClearHovered(g_MacroDialogHover))
        RepaintNow();
    CDialog::OnMouseMove(flags, point);
}

void CMacroDialog::OnMouseHover(UINT, CPoint point)
{
    if (MarkHovered(g_MacroDialogHover, PaintedButtonAt(macro_pick::kButtons, point)))
        RepaintNow();
}

BOOL CMacroDialog::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

HBRUSH CMacroDialog::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (kind == CTLCOLOR_STATIC || kind == CTLCOLOR_LISTBOX) {
        dc->SetTextColor(kWhite);
        // The list fills its rows with the background colour.
        dc->SetBkColor(kFieldColour);
        dc->SetBkMode(TRANSPARENT);
        dc->SelectObject(&m_font);
        brush = m_fieldBrush;
    }
    return brush;
}

void CMacroDialog::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bkBitmap.GetSafeHandle())
        return;
    CRect client;
    GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    ScopedSelectObject selectBackground(memory, m_bkBitmap);

    DrawPngWithAlpha(&memory, SkinPath(kBackground), 0, 0);
    memory.SetBkMode(TRANSPARENT);
    ScopedSelectObject selectFont(memory, m_font);

    for (int mode = 0; mode < macro_pick::kRepeatModeCount; ++mode) {
        const RECT& mark = macro_pick::kModeMarks[static_cast<size_t>(mode)];
        DrawPngWithAlpha(&memory, SkinPath(mode == m_nRepeatMode ? kModeChosen : kModeOther), mark.left, mark.top);
    }
    DrawPngWithAlpha(&memory, SkinPath(g_MacroDialogHover.close ? kCloseOver : kCloseNormal),
                     macro_pick::kCloseBox.left, macro_pick::kCloseBox.top);

    // A hovered OK keeps the context's initial text colour: black.
    CRect ok = macro_pick::kOkButton;
    DrawPngWithAlpha(&memory, SkinPath(ButtonPicture(g_MacroDialogHover.ok)), ok.left, ok.top);
    if (!g_MacroDialogHover.ok)
        memory.SetTextColor(kWhite);
    memory.DrawText(m_texts.ok, ok, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    CRect cancel = macro_pick::kCancelButton;
    DrawPngWithAlpha(&memory, SkinPath(ButtonPicture(g_MacroDialogHover.cancel)), cancel.left, cancel.top);
    if (!g_MacroDialogHover.cancel)
        memory.SetTextColor(kWhite);
    memory.DrawText(m_texts.cancel, cancel, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    memory.SetTextColor(kWhite);
    CRect prompt = macro_pick::kPrompt;
    memory.DrawText(m_texts.prompt, prompt, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    PaintModeTexts(memory);

    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}

void CMacroDialog::PaintModeTexts(CDC& dc)
{
    for (size_t mode = 0; mode < m_rcModeText.size(); ++mode) {
        CRect measured = m_rcModeText[mode];
        const int height =
            dc.DrawText(m_texts.modes[mode], measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_EDITCONTROL);
        m_rcModeText[mode] = CenteredToHeight(m_rcModeText[mode], height);
        CRect box = m_rcModeText[mode];
        dc.DrawText(m_texts.modes[mode], box, DT_WORDBREAK | DT_EDITCONTROL);
    }
}
