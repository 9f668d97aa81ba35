#include "app/main_window.h"
#include "app/main_window_globals.h"
#include "app/main_window_layout.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/language_fonts.h"
#include "skin/skin_draw.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <map>
#include <string>
#include <tuple>

int g_nButtonPanelHeight = 0;
int g_nAxisPanelHeight = 0;

namespace {

constexpr int kFontHeight = 13;

// A captionless button has no caption text.
constexpr int kNoCaption = -1;
constexpr int kCentred = 0;
constexpr int kLeft = 1;

struct SkinButton {
    CBitmapBtn CMouseConfigurationDlg::*member;
    RECT rect;
    const wchar_t* normal;
    const wchar_t* hover;
    const wchar_t* pressed;
    const wchar_t* disabled;
    int captionText;  // slot of the text table, or kNoCaption
    int align;
    int indent;
};

using Dlg = CMouseConfigurationDlg;

constexpr const wchar_t* kWideNormal = L"\\skins\\button-cancel-normal.png";
constexpr const wchar_t* kWideOver = L"\\skins\\button-cancel-over.png";
constexpr const wchar_t* kWideLeave = L"\\skins\\button-cancel-leave.png";
constexpr const wchar_t* kWideDisabled = L"\\skins\\button-save-leave.png";
constexpr const wchar_t* kMouseNormal = L"\\skins\\button-mouse-normal.png";
constexpr const wchar_t* kMouseOver = L"\\skins\\button-mouse-over.png";
constexpr const wchar_t* kMouseLeave = L"\\skins\\button-mouse-leave.png";
constexpr const wchar_t* kItem = L"\\skins\\ItemBK.png";
constexpr const wchar_t* kMacroItem = L"\\skins\\MacroManagementBK.png";
constexpr const wchar_t* kCloseNormal = L"\\skins\\button-close-normal.png";
constexpr const wchar_t* kMinNormal = L"\\skins\\button-min-normal.png";
constexpr const wchar_t* kHelpNormal = L"\\skins\\button-help-normal.png";
constexpr const wchar_t* kConfigNormal = L"\\skins\\button-config-normal.png";

// In creation order. Each face is cut from (0, 0) at the button's own size.
// clang-format off
const SkinButton kSkinButtons[] = {
    {&Dlg::m_btnRestore,      {798, 604, 855, 634}, kWideNormal, kWideOver, kWideLeave, kWideDisabled, 9, kCentred, 0},
    {&Dlg::m_btnCancel,       {860, 604, 917, 634}, kWideNormal, kWideOver, kWideLeave, kWideDisabled, 10, kCentred, 0},
    {&Dlg::m_btnSave,         {923, 604, 980, 634}, kWideNormal, kWideOver, kWideLeave, kWideDisabled, 11, kCentred, 0},
    {&Dlg::m_btnClose,        {979, 5, 994, 20}, kCloseNormal, L"\\skins\\button-close-over.png", kCloseNormal, kCloseNormal, kNoCaption, kLeft, 0},
    {&Dlg::m_btnMinimize,     {958, 5, 973, 20}, kMinNormal, L"\\skins\\button-min-over.png", kMinNormal, kMinNormal, kNoCaption, kLeft, 0},
    {&Dlg::m_btnHelp,         {937, 5, 952, 20}, kHelpNormal, L"\\skins\\button-help-over.png", kHelpNormal, kHelpNormal, kNoCaption, kLeft, 0},
    {&Dlg::m_btnConfig,       {18, 604, 90, 634}, kConfigNormal, L"\\skins\\button-config-over.png", L"\\skins\\button-config-leave.png", kConfigNormal, 12, kLeft, 20},
    {&Dlg::m_btnFront,        {447, 527, 509, 556}, kMouseNormal, kMouseOver, kMouseLeave, kMouseNormal, 13, kCentred, 0},
    {&Dlg::m_btnSide,         {513, 527, 575, 556}, kMouseNormal, kMouseOver, kMouseLeave, kMouseNormal, 14, kCentred, 0},
    {&Dlg::m_btnButtonAssign, {20, 107, 262, 127}, kItem, kItem, kItem, kItem, 16, kLeft, 0},
    {&Dlg::m_btnMacroManager, {20, 132, 262, 170}, kMacroItem, kMacroItem, kMacroItem, kMacroItem, 17, kLeft, 0},
    {&Dlg::m_btnAxisSetting,  {20, 175, 262, 195}, kItem, kItem, kItem, kItem, 18, kLeft, 0},
};
// clang-format on

constexpr const wchar_t* kBoxNormal = L"\\skins\\ButtonAssignment\\DropdownBox-normal.png";
constexpr const wchar_t* kBoxOver = L"\\skins\\ButtonAssignment\\DropdownBox-over.png";
constexpr RECT kBoxSource{0, 0, 130, 16};

constexpr const wchar_t* kSliderTrack = L"\\skins\\XYSensitivity\\1.png";
constexpr const wchar_t* kSliderFill = L"\\skins\\XYSensitivity\\2.png";
constexpr RECT kSliderSource{0, 0, 208, 14};

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;

// The settings panel's place in the window.
constexpr RECT kPanelRect{735, 32, 995, 593};

// The pictures InitButtons reads, each once, freed when it returns.
class PictureSet {
public:
    CBitmap* Get(const wchar_t* relative)
    {
        auto [entry, added] = m_pictures.try_emplace(relative);
        if (added)
            LoadPictureBitmap(SkinPath(relative), entry->second);
        return &entry->second;
    }

private:
    std::map<std::wstring, CBitmap> m_pictures;
};

}  // namespace

void CMouseConfigurationDlg::InitSkin()
{
    m_imgBackground.Load(SkinPath(L"/skins/main.png"));
    m_nWindowWidth = m_imgBackground.GetWidth();
    m_nWindowHeight = m_imgBackground.GetHeight();
    SetWindowPos(static_cast<const CWnd*>(nullptr), 0, 0, m_nWindowWidth, m_nWindowHeight, SWP_NOMOVE | SWP_NOZORDER);
    m_hBackground.DeleteObject();
    if (HBITMAP bitmap = m_imgBackground.Detach())
        m_hBackground.Attach(bitmap);

    const CString& language = ProgramLanguage();
    m_font.DeleteObject();
    m_font.CreateFont(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, MainFontCharSet(language),
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, HeiTiOrArialFace(language));

    g_nButtonPanelHeight = MeasurePicture(SkinPath(L"/skins/ButtonAssignment/BK_ButtonAssignment.png")).cy;
    g_nAxisPanelHeight = MeasurePicture(SkinPath(L"/skins/XYSensitivity/BK_XYSensSetting.png")).cy;
}

void CMouseConfigurationDlg::InitButtons()
{
    PictureSet pictures;
    const CString& language = ProgramLanguage();
    const wchar_t* face = HeiTiOrArialFace(language);

    for (const SkinButton& entry : kSkinButtons) {
        CBitmapBtn& button = this->*entry.member;
        button.Create(L"", kButtonStyle, entry.rect, this, 0);
        const RECT source{0, 0, entry.rect.right - entry.rect.left, entry.rect.bottom - entry.rect.top};
        button.LoadBitmaps(source, pictures.Get(entry.normal), pictures.Get(entry.hover), pictures.Get(entry.pressed),
                           pictures.Get(entry.disabled));
        if (entry.captionText == kNoCaption)
            continue;
        button.SetCaption(g_TextTable.Get(entry.captionText));
        button.m_nAlign = entry.align;
        button.m_nLeftIndent = entry.indent;
        button.m_nFontHeight = kFontHeight;
        button.m_strFontFace = face;
    }

    // Hidden until the button-assignment panel opens.
    for (int row = 0; row < kAssignBoxCount; ++row) {
        CBitmapBtn& box = m_btnAssign[static_cast<size_t>(AssignBoxInRow(row))];
        box.Create(L"", kButtonStyle & ~WS_VISIBLE, AssignBoxRect(row), this, 0);
        box.LoadBitmaps(kBoxSource, pictures.Get(kBoxNormal), pictures.Get(kBoxOver), pictures.Get(kBoxOver),
                        pictures.Get(kBoxNormal));
        box.m_nFontHeight = kFontHeight;
        box.m_strFontFace = face;
    }

    // Placed by the side-column layout.
    for (auto [slider, id, place] :
         {std::tuple{&m_sliderX, IDC_SLIDER_X, &g_rcSliderX}, std::tuple{&m_sliderY, IDC_SLIDER_Y, &g_rcSliderY}}) {
        slider->Create(place->left, place->top, place->right, place->bottom, this, id);
        slider->SetBitmaps(kSliderSource, pictures.Get(kSliderTrack), pictures.Get(kSliderFill));
        slider->m_nMin = kSliderMin;
        slider->m_nMax = kSliderMax;
    }

    m_dlgPanel.Create(IDD_PANEL, this);
    m_dlgPanel.MoveWindow(&kPanelRect, TRUE);
    m_dlgPanel.AttachSkinScrollBar();
    m_dlgPanel.ShowWindow(SW_SHOW);
}
