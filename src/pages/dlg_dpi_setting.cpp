#include "pages/dlg_dpi_setting.h"

#include "classlib/color_dialog.h"
#include "messages.h"
#include "pages/dpi_stage_rules.h"
#include "pages/page_painting.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/language_fonts.h"
#include "skin/png_cache.h"
#include "skin/skin_draw.h"
#include "text/program_language.h"

int g_DpiEditOpen = -1;
CString g_LastDpiText;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kEditorField = RGB(0x28, 0x28, 0x28);
constexpr int kEditorTextLimit = 5;
constexpr const wchar_t* kBackground = L"Skins\\DPISetting\\BK_DPISetting.png";

}  // namespace

BEGIN_MESSAGE_TABLE(CDlgDPISetting)
    MAP_PAINT(OnPaint)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_MESSAGE(WM_MARKER_POS, OnMarkerPos)
    MAP_CTLCOLOR(OnCtlColor)
END_MESSAGE_TABLE()

CDlgDPISetting::CDlgDPISetting() : CDialog(IDD_PAGE_DPI) {}

CDlgDPISetting::~CDlgDPISetting() = default;

BOOL CDlgDPISetting::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateControls();
    RefreshFromSettings();
    return TRUE;
}

void CDlgDPISetting::CreateControls()
{
    m_font.CreateFont(10, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      FF_SWISS, HeiTiOrArialFace(ProgramLanguage()));

    CBitmap track;
    CBitmap fill;
    LoadPictureBitmap(SkinPath(L"\\skins\\DPISetting\\DPIStage\\0.png"), track);
    LoadPictureBitmap(SkinPath(L"\\skins\\DPISetting\\DPIStage\\82.png"), fill);
    for (int i = 0; i < kDpiStageCount; ++i) {
        CDMarkerV& slider = m_sliders[static_cast<size_t>(i)];
        const CRect r = dpi::SliderRect(i);
        slider.Create(r.left, r.top, r.right, r.bottom, this, IDC_DPI_SLIDER1 + i);
        slider.SetBitmaps(RECT{0, 0, 7, 169}, &track, &fill);
        slider.m_nMin = dpi::kSliderMin;
        slider.m_nMax = dpi::kSliderMax;
    }
    for (int i = 0; i < kDpiStageCount; ++i) {
        m_swatches[static_cast<size_t>(i)].Create(L"", WS_CHILD | WS_VISIBLE | SS_CENTER, dpi::SwatchRect(i), this,
                                                  IDC_DPI_COLOR1 + i);
    }
    for (int i = 0; i < kDpiStageCount; ++i) {
        CEdit& editor = m_editors[static_cast<size_t>(i)];
        editor.Create(WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, dpi::EditorRect(i), this,
                      IDC_DPI_EDIT1 + i);
        editor.LimitText(kEditorTextLimit);
        editor.ShowWindow(SW_HIDE);
    }
}

void CDlgDPISetting::SetSlider(int stage)
{
    m_sliders[static_cast<size_t>(stage)].SetPos(dpi::SliderPosition(g_Settings.DpiStage[static_cast<size_t>(stage)]));
}

void CDlgDPISetting::RefreshFromSettings()
{
    for (int i = 0; i < kDpiStageCount; ++i)
        SetSlider(i);
    // What an open editor holds belongs to the record that was replaced.
    g_DpiEditOpen = -1;
    HideEditors();
    Invalidate(TRUE);
}

void CDlgDPISetting::HideEditors()
{
    for (CEdit& editor : m_editors)
        editor.ShowWindow(SW_HIDE);
}

void CDlgDPISetting::CommitDpiEdit(int stage)
{
    const auto i = static_cast<size_t>(stage);
    m_editors[i].GetWindowText(m_editTexts[i]);
    dpi::CommitTypedDpi(g_Settings, stage, m_editTexts[i]);
    g_LastDpiText = m_editTexts[i];
    m_editTexts[i] = dpi::DpiText(g_Settings.DpiStage[i]);
    m_editors[i].SetWindowText(m_editTexts[i]);
    SetSlider(stage);
    // Enter closes the editor as a click on the page does: nothing is left
    // pending.
    g_DpiEditOpen = -1;
    HideEditors();
    Invalidate(TRUE);
}

LRESULT CDlgDPISetting::OnMarkerPos(WPARAM position, LPARAM id)
{
    // The slider's value wins over whatever an open editor holds.
    HideEditors();
    g_DpiEditOpen = -1;
    const int stage = static_cast<int>(id) - IDC_DPI_SLIDER1;
    if (stage < 0 || stage >= kDpiStageCount)
        return 0;
    dpi::StoreSliderPosition(g_Settings, stage, static_cast<int>(position));
    InvalidateRect(dpi::OnOffRect(stage), TRUE);
    InvalidateRect(dpi::ValueBoxRect(stage), TRUE);
    return 0;
}

void CDlgDPISetting::OnLButtonDown(UINT flags, CPoint point)
{
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (g_DpiEditOpen == i) {
            CommitDpiEdit(i);
            g_DpiEditOpen = -1;
        }
        m_editors[static_cast<size_t>(i)].ShowWindow(SW_HIDE);
    }
    if (const int stage = dpi::StageAt(dpi::OnOffRect, point); stage >= 0) {
        dpi::ToggleStage(g_Settings, stage);
        InvalidateRect(dpi::OnOffRect(stage), TRUE);
    }
    if (const int stage = dpi::StageAt(dpi::SwatchRect, point); stage >= 0 && dpi::StageTakesColour(g_Settings, stage))
        ChooseColour(stage);
    if (const int stage = dpi::StageAt(dpi::ValueBoxRect, point); stage >= 0)
        OpenEditor(stage);
    Invalidate(TRUE);
    CDialog::OnLButtonDown(flags, point);
}

void CDlgDPISetting::ChooseColour(int stage)
{
    // Starts from black, not from the stage's colour.
    CColorDialog dialog(0, 0, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    dpi::StoreStageColour(g_Settings, stage, dialog.GetColor());
    m_swatches[static_cast<size_t>(stage)].Invalidate(TRUE);
}

void CDlgDPISetting::OpenEditor(int stage)
{
    const auto i = static_cast<size_t>(stage);
    m_editTexts[i] = dpi::DpiText(g_Settings.DpiStage[i]);
    m_editors[i].SetWindowText(m_editTexts[i]);
    m_editors[i].ShowWindow(SW_SHOW);
    g_DpiEditOpen = stage;
}

BOOL CDlgDPISetting::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedDialogKey(*msg)) {
        if (msg->wParam == VK_RETURN) {
            const HWND focus = ::GetFocus();
            for (int i = 0; i < kDpiStageCount; ++i) {
                if (focus && focus == m_editors[static_cast<size_t>(i)].m_hWnd)
                    CommitDpiEdit(i);
            }
        }
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

BOOL CDlgDPISetting::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CDlgDPISetting::OnPaint()
{
    // The page starts hidden: its background is decoded when it first shows.
    LoadPictureBitmapOnce(SkinPath(kBackground), m_bkBitmap);
    PaintPageBuffered(*this, m_bkBitmap, m_font, [](CDC& dc) {
        DrawCachedPngWithAlpha(&dc, SkinPath(kBackground), 0, 0);
        const CString valueBox = SkinPath(L"Skins\\DPISetting\\BK-DPIValue.png");
        const CString on = SkinPath(L"Skins\\Enable.png");
        const CString off = SkinPath(L"Skins\\Disable.png");
        for (int i = 0; i < kDpiStageCount; ++i) {
            const auto s = static_cast<size_t>(i);
            CRect box = dpi::ValueBoxRect(i);
            DrawCachedPngWithAlpha(&dc, valueBox, box.left, box.top);
            dc.DrawText(dpi::DpiText(g_Settings.DpiStage[s]), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            const CRect icon = dpi::OnOffRect(i);
            DrawCachedPngWithAlpha(&dc, g_Settings.DpiStageEnabled[s] ? on : off, icon.left, icon.top);
        }
    });
}

HBRUSH CDlgDPISetting::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CDialog::OnCtlColor(dc, control, kind);
    if (kind == CTLCOLOR_STATIC && control) {
        const int stage = control->GetDlgCtrlID() - IDC_DPI_COLOR1;
        if (stage >= 0 && stage < kDpiStageCount) {
            dc->SetBkMode(TRANSPARENT);
            return m_swatchBrushes[static_cast<size_t>(stage)].Get(dpi::StageColour(g_Settings, stage));
        }
    } else if (kind == CTLCOLOR_EDIT) {
        dc->SetTextColor(kWhite);
        dc->SetBkColor(RGB(0, 0, 0));
        dc->SelectObject(&m_font);
        return m_editorBrush.Get(kEditorField);
    }
    return brush;
}
