#include "pages/dlg_lighting.h"

#include "messages.h"
#include "model/settings_record.h"
#include "pages/page_painting.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/marker_geometry.h"
#include "skin/png_cache.h"
#include "skin/skin_draw.h"
#include "text/program_language.h"
#include "text/text_table.h"

namespace {

using lighting::Box;

constexpr const wchar_t* kBackground = L"Skins\\Lighting\\BK_Lighting.png";
constexpr int kLevelIndex = 3;
constexpr int kZoneBFirstIndex = 4;

struct SliderPlace {
    UINT id;
    CRect rect;
};

// In the order of CDlgLighting::m_sliders.
const SliderPlace kSliderPlaces[] = {
    {IDC_LIGHT_A1, {100, 10, 228, 18}},       {IDC_LIGHT_A1 + 1, {100, 39, 228, 47}},
    {IDC_LIGHT_A1 + 2, {100, 68, 228, 76}},   {IDC_LIGHT_LEVEL, {100, 292, 228, 300}},
    {IDC_LIGHT_B1, {100, 205, 228, 213}},     {IDC_LIGHT_B1 + 1, {100, 234, 228, 242}},
    {IDC_LIGHT_B1 + 2, {100, 263, 228, 271}},
};

const wchar_t* LightingFace(const CString& language)
{
    if (language == L"CHS")
        return L"\u5B8B\u4F53";  // Song
    if (language == L"CHT")
        return L"\u9ED1\u4F53";  // Hei
    return L"Arial";
}

struct ScaleLabel {
    const wchar_t* text;
    int from, to;  // offsets from the slider's left edge
};

struct Scale {
    int top, bottom;
    ScaleLabel labels[5];
};

// The scale labels under zone A's three sliders, in rows 5 to 20 pixels below each.
const Scale kScales[] = {
    {23, 38, {{L"0%", 0, 30}, {L"25%", 25, 55}, {L"50%", 55, 85}, {L"75%", 85, 115}, {L"100%", 115, 145}}},
    {52, 67, {{L"4S", 0, 30}, {L"5S", 30, 60}, {L"6S", 60, 90}, {L"7S", 90, 120}, {L"8S", 120, 150}}},
    {81, 96, {{L"3S", 0, 30}, {L"6S", 30, 60}, {L"9S", 60, 90}, {L"12S", 90, 120}, {L"15S", 120, 150}}},
};
constexpr int kScaleLeft = 100;

}  // namespace

BEGIN_MESSAGE_TABLE(CDlgLighting)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_MESSAGE(WM_MARKER_POS, OnMarkerPos)
END_MESSAGE_TABLE()

CDlgLighting::CDlgLighting() : CDialog(IDD_PAGE_LIGHTING) {}

CDlgLighting::~CDlgLighting() = default;

BOOL CDlgLighting::OnInitDialog()
{
    CDialog::OnInitDialog();
    CreateControls();
    // The link mode is not applied here: a refresh or a Link click does it.
    SelectZoneAEffect(g_Settings.ZoneAEffect);
    SelectZoneBEffect(g_Settings.ZoneBEffect);
    SetLevelSlider();
    g_LightingLinked = g_Settings;
    g_LightingIndependent = g_Settings;
    return TRUE;
}

void CDlgLighting::CreateControls()
{
    m_font.CreateFont(12, 0, 0, 0, 0, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      DEFAULT_QUALITY, FF_SWISS, LightingFace(ProgramLanguage()));
    CBitmap track;
    CBitmap fill;
    LoadPictureBitmap(SkinPath(L"\\skins\\StageSlider\\1.png"), track);
    LoadPictureBitmap(SkinPath(L"\\skins\\StageSlider\\10.png"), fill);
    for (size_t i = 0; i < m_sliders.size(); ++i) {
        const SliderPlace& place = kSliderPlaces[i];
        CDMarker& slider = m_sliders[i];
        slider.Create(place.rect.left, place.rect.top, place.rect.right, place.rect.bottom, this, place.id);
        slider.SetBitmaps(RECT{1, 0, 128, 11}, &track, &fill);
        slider.m_nMin = lighting::kSliderMin;
        slider.m_nMax = lighting::kSliderMax;
    }
}

void CDlgLighting::ShowSliders()
{
    auto show = [this](int index, const lighting::SliderView& view) {
        CDMarker& slider = SliderWindow(index);
        if (slider.m_nPos != view.position)
            slider.SetPos(view.position);
        if ((slider.IsWindowEnabled() != FALSE) != view.enabled)
            slider.EnableWindow(view.enabled);
    };
    for (int k = 0; k < lighting::kEffectCount; ++k) {
        show(k, m_view.zoneA[static_cast<size_t>(k)]);
        show(kZoneBFirstIndex + k, m_view.zoneB[static_cast<size_t>(k)]);
    }
    show(kLevelIndex, m_view.level);
    Invalidate(TRUE);
}

void CDlgLighting::SetLevelSlider()
{
    m_view.level.position =
        MarkerPositionForValue(g_Settings.LightingSlider2045, lighting::kSliderMin, lighting::kSliderMax);
    SliderWindow(kLevelIndex).SetPos(m_view.level.position);
}

void CDlgLighting::SelectZoneAEffect(int effect)
{
    lighting::SelectZoneAEffect(g_Settings, m_view, effect);
    ShowSliders();
}

void CDlgLighting::SelectZoneBEffect(int effect)
{
    lighting::SelectZoneBEffect(g_Settings, m_view, effect);
    ShowSliders();
}

void CDlgLighting::SetLinkMode(int mode)
{
    lighting::SetLinkMode(g_Settings, m_view, mode);
    ShowSliders();
}

void CDlgLighting::SwapLightingSnapshot(int direction)
{
    lighting::SwapLightingSnapshot(g_Settings, g_LightingLinked, g_LightingIndependent, direction);
}

void CDlgLighting::RefreshFromSettings()
{
    g_LightingLinked = g_Settings;
    g_LightingIndependent = g_Settings;
    SelectZoneAEffect(g_Settings.ZoneAEffect);
    SelectZoneBEffect(g_Settings.ZoneBEffect);
    SetLinkMode(g_Settings.LightingLinkMode);
    SetLevelSlider();
}

LRESULT CDlgLighting::OnMarkerPos(WPARAM position, LPARAM id)
{
    lighting::StoreSliderValue(g_Settings, m_view, static_cast<int>(id), static_cast<int>(position));
    ShowSliders();
    return 0;
}

void CDlgLighting::OnLButtonDown(UINT flags, CPoint point)
{
    const Box box = lighting::BoxAt(g_Settings, point);
    if (box != Box::None) {
        lighting::ClickBox(g_Settings, g_LightingLinked, g_LightingIndependent, m_view, box);
        ShowSliders();
    }
    CDialog::OnLButtonDown(flags, point);
}

BOOL CDlgLighting::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedDialogKey(*msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

BOOL CDlgLighting::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CDlgLighting::OnPaint()
{
    // The page starts hidden: its background is decoded when it first shows.
    LoadPictureBitmapOnce(SkinPath(kBackground), m_bkBitmap);
    PaintPageBuffered(*this, m_bkBitmap, m_font, [](CDC& dc) {
        DrawCachedPngWithAlpha(&dc, SkinPath(kBackground), 0, 0);
        const CString on = SkinPath(L"Skins/Enable.png");
        const CString off = SkinPath(L"Skins/Disable.png");
        auto mark = [&](Box box, bool chosen) {
            const CRect r = lighting::BoxRect(box);
            DrawCachedPngWithAlpha(&dc, chosen ? on : off, r.left, r.top);
        };

        const Box effectBoxes[] = {Box::ZoneAEffect1, Box::ZoneAEffect2, Box::ZoneAEffect3, Box::FingerTapping};
        const int effect = g_Settings.ZoneAEffect;
        if (effect >= 1 && effect <= 4) {
            for (int k = 0; k < 4; ++k)
                mark(effectBoxes[k], effect == k + 1);
        }
        const Box keyBoxes[] = {Box::LKey, Box::RKey, Box::MKey};
        for (size_t k = 0; k < 3; ++k)
            mark(keyBoxes[k], g_Settings.FingerTapKey[k] == 1);

        for (int k = 0; k < lighting::kEffectCount; ++k) {
            const CRect r = lighting::BoxRect(effectBoxes[k]);
            CRect name(r.right + 5, r.top - 5, r.right + 70, r.bottom + 5);
            dc.DrawText(g_TextTable.Get(491 + k), &name, DT_VCENTER | DT_SINGLELINE);
        }
        for (const Scale& scale : kScales) {
            for (const ScaleLabel& label : scale.labels) {
                CRect r(kScaleLeft + label.from, scale.top, kScaleLeft + label.to, scale.bottom);
                dc.DrawText(label.text, -1, &r, DT_VCENTER | DT_SINGLELINE);
            }
        }
        dc.TextOut(22, 102, g_TextTable.Get(597));
        dc.TextOut(111, 102, g_TextTable.Get(598));
        dc.TextOut(160, 102, g_TextTable.Get(599));
        dc.TextOut(209, 102, g_TextTable.Get(600));
    });
}
