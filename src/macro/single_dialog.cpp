#include "macro/single_dialog.h"

#include "classlib/debug_output.h"
#include "macro/key_capture.h"
#include "macro/single_dialog_layout.h"
#include "macro/small_dialog_skin.h"
#include "messages.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/language_fonts.h"
#include "skin/skin_draw.h"
#include "text/program_language.h"

CString g_strCapturedKey;
HHOOK g_hKeyCaptureHook = nullptr;
HWND g_hKeyCaptureWnd = nullptr;
HoverFlags g_KeyCaptureHover;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr DWORD kKeyNameFieldStyle = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE;
constexpr DWORD kHoverMs = 1;

constexpr const wchar_t* kBackgroundLoad = L"skins/single-key.png";
constexpr const wchar_t* kBackground = L"Skins\\/single-key.png";
constexpr const wchar_t* kCloseNormal = L"Skins\\button-close-normal.png";
constexpr const wchar_t* kCloseOver = L"Skins\\/button-close-over.png";
constexpr const wchar_t* kButtonNormal = L"Skins\\MacroManagement\\button-cancel-normal.png";
constexpr const wchar_t* kButtonOver = L"Skins\\/MacroManagement/button-cancel-over.png";

const wchar_t* ButtonPicture(int hovered)
{
    return hovered ? kButtonOver : kButtonNormal;
}

}  // namespace

BEGIN_MESSAGE_TABLE(CSingleDialog)
    MAP_PAINT(OnPaint)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_MOUSEHOVER(OnMouseHover)
    MAP_MOUSEMOVE(OnMouseMove)
    MAP_MESSAGE(WM_KEY_CAPTURED, OnKeyCaptured)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_DESTROY(OnDestroy)
END_MESSAGE_TABLE()

CSingleDialog::CSingleDialog() : CDialog(IDD_SINGLE_KEY)
{
    m_fieldBrush.CreateSolidBrush(kWhite);
}

CSingleDialog::~CSingleDialog()
{
    RemoveCaptureHook();
}

BOOL CSingleDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!LoadDialogBackground(*this, SkinPath(kBackgroundLoad), m_bkBitmap)) {
        MessageBox(L"error", L"Single Key Dialog Load background image failed!!!", MB_OK);
        // Without its picture the dialog has no area to click and keys
        // cannot end it: it would keep its owner disabled for good.
        EndDialog(IDCANCEL);
        return FALSE;
    }
    CreateDialogFont();
    SetLanguageTexts();
    m_staticKeyName.Create(m_strKeyName, kKeyNameFieldStyle, key_capture::kKeyNameField, this, IDC_KEY_NAME);
    g_hKeyCaptureWnd = m_hWnd;
    if (!InstallCaptureHook()) {
        CString text;
        text.Format(L"JournalRecordHook Install error code :%d\n", static_cast<int>(::GetLastError()));
        MessageBox(text, nullptr, MB_OK);
        return FALSE;
    }
    m_staticKeyName.SetWindowText(m_strKeyName);
    return TRUE;
}

void CSingleDialog::CreateDialogFont()
{
    const CString& language = ProgramLanguage();
    const int height = language == L"CHS" || language == L"CHT" ? 13 : 14;
    m_font.DeleteObject();
    m_font.CreateFont(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, SystemChineseOrArialFace(language));
}

void CSingleDialog::SetLanguageTexts()
{
    m_texts = KeyCaptureTextsFor(ProgramLanguage());
}

bool CSingleDialog::InstallCaptureHook()
{
    RemoveCaptureHook();
    g_hKeyCaptureHook =
        ::SetWindowsHookExW(WH_KEYBOARD_LL, &CSingleDialog::JournalRecordHook, ::GetModuleHandleW(nullptr), 0);
    m_bHookInstalled = g_hKeyCaptureHook != nullptr;
    return m_bHookInstalled;
}

void CSingleDialog::RemoveCaptureHook()
{
    if (!m_bHookInstalled)
        return;
    ::UnhookWindowsHookEx(g_hKeyCaptureHook);
    g_hKeyCaptureHook = nullptr;
    if (g_hKeyCaptureWnd == m_hWnd)
        g_hKeyCaptureWnd = nullptr;
    m_bHookInstalled = false;
}

LRESULT CALLBACK CSingleDialog::JournalRecordHook(int code, WPARAM message, LPARAM event)
{
    if (code < 0)
        return ::CallNextHookEx(g_hKeyCaptureHook, code, message, event);
    if (code > 0)
        return 0;
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(event);
    DebugTrace(L"vk code=%x,scan code=%x,key flag=%x\n", static_cast<unsigned>(key->vkCode),
               static_cast<unsigned>(key->scanCode), static_cast<unsigned>(key->flags & kCaptureFlagMask));
    if (const auto name = AssignableKeyName(key->vkCode, key->flags)) {
        g_strCapturedKey = *name;
        ::PostMessageW(g_hKeyCaptureWnd, WM_KEY_CAPTURED, 0, 0);
    }
    // Swallowed, pressed or released: no other hook and no window sees it.
    return 1;
}

LRESULT CSingleDialog::OnKeyCaptured(WPARAM, LPARAM)
{
    m_strKeyName = g_strCapturedKey;
    m_staticKeyName.SetWindowText(m_strKeyName);
    m_staticKeyName.Invalidate();
    m_staticKeyName.UpdateWindow();
    return 1;
}

BOOL CSingleDialog::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedCaptureDialogKey(*msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CSingleDialog::OnOK()
{
    RemoveCaptureHook();
    CDialog::OnOK();
}

void CSingleDialog::OnCancel()
{
    RemoveCaptureHook();
    CDialog::OnCancel();
}

void CSingleDialog::OnDestroy()
{
    RemoveCaptureHook();
    CDialog::OnDestroy();
}

void CSingleDialog::OnLButtonDown(UINT flags, CPoint point)
{
    switch (PaintedButtonAt(key_capture::kButtons, point)) {
    case PaintedButton::Ok:
        OnOK();
        break;
    case PaintedButton::Cancel:
    case PaintedButton::Close:
        OnCancel();
        break;
    case PaintedButton::None:
        break;
    }
    // A press anywhere on the dialog starts moving it.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(flags, point);
}

void CSingleDialog::RepaintNow()
{
    Invalidate();
    UpdateWindow();
}

void CSingleDialog::OnMouseMove(UINT flags, CPoint point)
{
    if (PaintedButtonAt(key_capture::kButtons, point) != PaintedButton::None)
        RequestHover(m_hWnd, kHoverMs);
    else if (ClearHovered(g_KeyCaptureHover))
        RepaintNow();
    CDialog::OnMouseMove(flags, point);
}

void CSingleDialog::OnMouseHover(UINT, CPoint point)
{
    if (MarkHovered(g_KeyCaptureHover, PaintedButtonAt(key_capture::kButtons, point)))
        RepaintNow();
}

BOOL CSingleDialog::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

HBRUSH CSingleDialog::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (kind == CTLCOLOR_STATIC) {
        dc->SetTextColor(kBlack);
        dc->SetBkMode(TRANSPARENT);
        dc->SelectObject(&m_font);
        brush = m_fieldBrush;
    }
    return brush;
}

void CSingleDialog::OnPaint()
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
    memory.SetTextColor(kWhite);

    CRect prompt = key_capture::kPrompt;
    memory.DrawText(m_texts.prompt, prompt, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DrawPngWithAlpha(&memory, SkinPath(g_KeyCaptureHover.close ? kCloseOver : kCloseNormal),
                     key_capture::kCloseBox.left, key_capture::kCloseBox.top);

    CRect ok = key_capture::kOkButton;
    DrawPngWithAlpha(&memory, SkinPath(ButtonPicture(g_KeyCaptureHover.ok)), ok.left, ok.top);
    memory.DrawText(m_texts.ok, ok, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CRect cancel = key_capture::kCancelButton;
    DrawPngWithAlpha(&memory, SkinPath(ButtonPicture(g_KeyCaptureHover.cancel)), cancel.left, cancel.top);
    memory.DrawText(m_texts.cancel, cancel, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}
