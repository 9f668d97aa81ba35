#include "pages/dlg_advance.h"

#include "messages.h"
#include "pages/wheel_scroll_lines.h"
#include "resource.h"
#include "skin/app_dir.h"
#include "skin/dialog_key_filter.h"
#include "skin/language_fonts.h"
#include "skin/png_cache.h"
#include "skin/skin_draw.h"
#include "skin/skin_scroll_wnd.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <memory>
#include <string>

HeaderRects g_rcSectionHeader = InitialHeaderRects();
std::array<SIZE, kPageImageCount> g_sizePageImage{};
int g_nSectionsTotal = 0;

namespace {

struct SectionSpec {
    UINT pageTemplate;
    int captionText;  // slot of the text table
};

// clang-format off
constexpr std::array<SectionSpec, kSectionCount> kSections{{
    {IDD_PAGE_DPI,          20},
    {IDD_PAGE_LIGHTING,     21},
    {IDD_PAGE_REPORT_RATE,  22},
    {IDD_PAGE_MOUSE_SPEED,  23},
    {IDD_PAGE_DOUBLE_CLICK, 24},
    {IDD_PAGE_WHEEL_SPEED,  25},
    {IDD_PAGE_ANGLE_SNAP,   26},
}};

// Measured once each, in picture order.
constexpr std::array<const wchar_t*, kPageImageCount> kPageImages{
    L"skins/DPISetting/BK_DPISetting.png",
    L"skins/Lighting/BK_Lighting.png",
    L"skins/USBReportRate/BK_USBReportRate.png",
    L"skins/MouseAttribute/BK_MouseAttribute.png",
    L"skins/MouseAttribute/BK_ScrollSpeed.png",
    L"skins/AngleSnap/BK_AngleSnap.png",
};
// clang-format on

constexpr int kHeaderFontHeight = 13;

void MoveTo(CWnd& window, const RECT& place)
{
    window.MoveWindow(&place, TRUE);
}

}  // namespace

BEGIN_MESSAGE_TABLE(CDlgadvance)
    MAP_VSCROLL(OnVScroll)
    MAP_MOUSEWHEEL(OnMouseWheel)
    MAP_SIZE(OnSize)
    MAP_MOUSEACTIVATE(OnMouseActivate)
    MAP_ERASEBKGND(OnEraseBkgnd)
    MAP_PAINT(OnPaint)
    MAP_LBUTTONDOWN(OnLButtonDown)
END_MESSAGE_TABLE()

CDlgadvance::CDlgadvance() : CDialog(IDD_PANEL) {}

CDlgadvance::~CDlgadvance()
{
    // The pages, the headers and the scroll wrapper go with the window while
    // the bitmaps they draw from still exist.
    if (m_hWnd)
        DestroyWindow();
}

CDialog& CDlgadvance::SectionPage(int section)
{
    switch (section) {
    case kSectionDpi:
        return m_pageDpi;
    case kSectionLighting:
        return m_pageLighting;
    case kSectionReportRate:
        return m_pageReportRate;
    case kSectionMouseSpeed:
        return m_pageMouseSpeed;
    case kSectionDoubleClick:
        return m_pageDoubleClick;
    case kSectionWheelSpeed:
        return m_pageWheelSpeed;
    default:
        return m_pageAngleSnap;
    }
}

SIZE CDlgadvance::PageSize(int section) const
{
    return g_sizePageImage[static_cast<size_t>(PageImageOfSection(section))];
}

RECT CDlgadvance::PlaceInPanel(const CWnd& child) const
{
    CRect place;
    child.GetWindowRect(place);
    ScreenToClient(place);
    return place;
}

BOOL CDlgadvance::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (SUCCEEDED(m_bkImage.Load(SkinPath(L"/skins/BK_MainRight.png"))))
        m_hBkBitmap.Attach(m_bkImage.Detach());
    CreateSections();
    m_bCollapsed.fill(1);
    return TRUE;
}

void CDlgadvance::CreateSections()
{
    // One panel lives per process; a panel made again starts from the headers'
    // first places.
    g_rcSectionHeader = InitialHeaderRects();
    const wchar_t* face = HeiTiOrArialFace(ProgramLanguage());
    // Every header cuts its faces from the one picture, decoded once here.
    CBitmap picture;
    LoadPictureBitmap(SkinPath(L"\\skins\\ItemBK.png"), picture);
    for (int k = 0; k < kSectionCount; ++k) {
        const RECT& place = g_rcSectionHeader[static_cast<size_t>(k)];
        CBitmapBtn& header = m_btnHeader[static_cast<size_t>(k)];
        header.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, place, this, 0);
        const RECT cut{0, 0, place.right - place.left, place.bottom - place.top};
        header.LoadBitmaps(cut, &picture, &picture, &picture, &picture);
        header.SetCaption(g_TextTable[kSections[static_cast<size_t>(k)].captionText]);
        header.m_nFontHeight = kHeaderFontHeight;
        header.m_strFontFace = face;
    }

    for (int i = 0; i < kPageImageCount; ++i)
        g_sizePageImage[static_cast<size_t>(i)] = MeasurePicture(SkinPath(kPageImages[static_cast<size_t>(i)]));

    for (int k = 0; k < kSectionCount; ++k) {
        CDialog& page = SectionPage(k);
        page.Create(kSections[static_cast<size_t>(k)].pageTemplate, this);
        MoveTo(page, PageRectUnder(g_rcSectionHeader[static_cast<size_t>(k)], PageSize(k)));
        page.ShowWindow(SW_HIDE);
    }

    g_nSectionsTotal = SectionsTotal(g_rcSectionHeader, {1, 1, 1, 1, 1, 1, 1}, {});
}

void CDlgadvance::ToggleSection(int section, int collapse)
{
    const auto k = static_cast<size_t>(section);
    const SIZE page = PageSize(section);
    m_bCollapsed[k] = collapse;
    g_nSectionsTotal = SectionsTotalAfterToggle(g_nSectionsTotal, page.cy, collapse != 0);
    m_nContentHeight = ContentHeightForTotal(g_nSectionsTotal);

    // This may scroll the content: every place below is read back from the
    // windows as they now stand.
    UpdateScrollRange();

    CDialog& pageWindow = SectionPage(section);
    if (collapse) {
        pageWindow.ShowWindow(SW_HIDE);
    } else {
        MoveTo(pageWindow, PageRectUnder(PlaceInPanel(m_btnHeader[k]), page));
        pageWindow.ShowWindow(SW_SHOW);
    }

    const int sectionEnd = (collapse ? PlaceInPanel(m_btnHeader[k]) : PlaceInPanel(pageWindow)).bottom;
    PageSizes pages{};
    for (int j = 0; j < kSectionCount; ++j)
        pages[static_cast<size_t>(j)] = PageSize(j);
    RestackSectionsBelow(g_rcSectionHeader, section, sectionEnd, m_bCollapsed, pages);
    for (int j = section + 1; j < kSectionCount; ++j) {
        const RECT& header = g_rcSectionHeader[static_cast<size_t>(j)];
        MoveTo(m_btnHeader[static_cast<size_t>(j)], header);
        if (!m_bCollapsed[static_cast<size_t>(j)])
            MoveTo(SectionPage(j), PageRectUnder(header, pages[static_cast<size_t>(j)]));
    }

    Invalidate(TRUE);
}

void CDlgadvance::CollapseAllSections()
{
    for (int k = kSectionCount - 1; k >= 0; --k) {
        if (!m_bCollapsed[static_cast<size_t>(k)])
            ToggleSection(k, 1);
    }
}

void CDlgadvance::RefreshAllPages()
{
    // These four pages read the record when they paint.
    const auto repaint = [](CDialog& page) {
        page.Invalidate(TRUE);
        page.UpdateWindow();
    };
    m_pageDpi.RefreshFromSettings();
    m_pageLighting.RefreshFromSettings();
    repaint(m_pageReportRate);
    repaint(m_pageMouseSpeed);
    repaint(m_pageDoubleClick);
    m_pageWheelSpeed.RefreshFromSettings();
    repaint(m_pageAngleSnap);
}

void CDlgadvance::AttachSkinScrollBar()
{
    if (!m_hScrollSkin.m_hObject)
        m_hScrollSkin.LoadBitmap(IDB_PANEL_SCROLLBAR);
    // The wrapper deletes itself when the panel's window goes.
    auto wrapper = std::make_unique<CSkinScrollWnd>();
    if (wrapper->SkinWindow(this, m_hScrollSkin)) {
        wrapper.release();
        m_bSkinnedBar = true;
    }
}

void CDlgadvance::UpdateScrollRange()
{
    CRect window;
    GetWindowRect(window);
    ScreenToClient(window);
    CRect client;
    GetClientRect(client);
    SetScrollRangeInfo(VisibleScrollHeight(window, client, ::GetSystemMetrics(SM_CYHSCROLL)));
}

void CDlgadvance::SetScrollRangeInfo(int visibleHeight)
{
    const ScrollRangeInfo range =
        ComputeScrollRangeInfo(visibleHeight, m_nContentHeight, m_nPageHeight, m_nScrollPos, GetScrollPos(SB_VERT));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = range.maximum;
    info.nPage = static_cast<UINT>(range.page);
    info.nPos = range.position;
    SetScrollInfo(SB_VERT, &info, TRUE);
    m_nPageHeight = range.page;
    m_nScrollPos = range.position;
    if (range.shift != 0)
        ScrollWindow(0, range.shift);
}

void CDlgadvance::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    const int delta = ScrollDeltaFor(code, static_cast<int>(position), m_nScrollPos, m_nPageHeight, m_nContentHeight);
    if (delta == 0)
        return;
    m_nScrollPos += delta;
    // Under the skinned bar the panel's own bar lies clipped away: drawing it
    // would cost most of the step and show nothing. The skinned bar takes the
    // position when the panel repaints below.
    SetScrollPos(SB_VERT, m_nScrollPos, m_bSkinnedBar ? FALSE : TRUE);
    ScrollWindow(0, -delta);
    UpdateWindow();
}

BOOL CDlgadvance::OnMouseWheel(UINT, short delta, CPoint)
{
    int lowest = 0;
    int highest = 0;
    GetScrollRange(SB_VERT, &lowest, &highest);
    if (lowest == highest)
        return FALSE;
    const WheelScroll wheel = WheelScrollFor(delta, WheelScrollLines());
    for (int step = 0; step < wheel.steps; ++step) {
        const int before = m_nScrollPos;
        OnVScroll(wheel.code, 0, nullptr);
        if (m_nScrollPos == before)
            break;  // at the end: the remaining steps would not move
    }
    return TRUE;
}

void CDlgadvance::OnSize(UINT, int, int)
{
    UpdateScrollRange();
    Default();
}

int CDlgadvance::OnMouseActivate(CWnd*, UINT, UINT)
{
    // With the focus the panel receives the wheel.
    SetFocus();
    return static_cast<int>(Default());
}

BOOL CDlgadvance::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CDlgadvance::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!m_hBkBitmap.m_hObject)
        return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    ScopedSelectObject select(memory, m_hBkBitmap);
    memory.SetBkMode(TRANSPARENT);
    memory.SetTextColor(RGB(255, 255, 255));
    // Decoded once and kept while the file stays as it is: decoding it on
    // every paint would cost most of a scroll step.
    DrawCachedPngWithAlpha(&memory, SkinPath(L"Skins\\BK_MainRight.png"), 0, 0);
    CRect client;
    GetClientRect(client);
    dc.BitBlt(0, 0, client.Width(), m_nContentHeight, &memory, 0, 0, SRCCOPY);
}

void CDlgadvance::OnLButtonDown(UINT, CPoint)
{
    PostPanelClick();
    Default();
}

void CDlgadvance::PostPanelClick()
{
    ::PostMessageW(::GetParent(m_hWnd), WM_PANEL_CLICK, 0, 0);
}

BOOL CDlgadvance::OnCommand(WPARAM wParam, LPARAM lParam)
{
    for (int k = 0; k < kSectionCount; ++k) {
        if (reinterpret_cast<HWND>(lParam) == m_btnHeader[static_cast<size_t>(k)].m_hWnd) {
            PostPanelClick();
            ToggleSection(k, m_bCollapsed[static_cast<size_t>(k)] ? 0 : 1);
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgadvance::PreTranslateMessage(MSG* msg)
{
    if (IsSwallowedDialogKey(*msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}
