#include "pages/dlg_advance.h"

#include "messages.h"
#include "pages/wheel_scroll_lines.h"
#include "panel_test_helpers.h"
#include "resource.h"
#include "skin/skin_scroll_wnd.h"
#include "text/program_language.h"
#include "text/text_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

using namespace paneltest;

namespace {

std::string Show(const RECT& r)
{
    return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
           std::to_string(r.bottom) + "}";
}

bool Same(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

#define EXPECT_RECT(actual, ...) EXPECT_TRUE(Same(actual, RECT __VA_ARGS__)) << Show(actual)

using Toggle = void (CDlgadvance::*)(int);
constexpr std::array<Toggle, kSectionCount> kToggles{
    &CDlgadvance::ToggleDpiSection,         &CDlgadvance::ToggleLightingSection,
    &CDlgadvance::ToggleReportRateSection,  &CDlgadvance::ToggleMouseSpeedSection,
    &CDlgadvance::ToggleDoubleClickSection, &CDlgadvance::ToggleWheelSpeedSection,
    &CDlgadvance::ToggleAngleSnapSection,
};

constexpr std::array<UINT, kSectionCount> kPageTemplates{
    IDD_PAGE_DPI,          IDD_PAGE_LIGHTING,    IDD_PAGE_REPORT_RATE, IDD_PAGE_MOUSE_SPEED,
    IDD_PAGE_DOUBLE_CLICK, IDD_PAGE_WHEEL_SPEED, IDD_PAGE_ANGLE_SNAP,
};

// The settings panel in a stand-in for the main window, set up the way the
// main window does it: created and wrapped while the host is still hidden,
// then given its content height, then the host shows.
class PanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < kPageImageCount; ++i)
            pageSizes[static_cast<size_t>(i)] = kPagePictures[i].size;
        ProgramLanguage() = L"EN";
        g_TextTable.Load(L"EN");
        ASSERT_TRUE(host.CreateEx(WS_EX_TOPMOST, nullptr, L"panel host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 1000, 650,
                                  nullptr, nullptr));
        ASSERT_TRUE(panel.Create(IDD_PANEL, &host));
        panel.MoveWindow(735, 32, 260, 561, TRUE);
        panel.AttachSkinScrollBar();
        panel.ShowWindow(SW_SHOW);
        panel.m_nContentWidth = 230;
        panel.m_nContentHeight = 563;
        panel.UpdateScrollRange();

        host.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(host.m_hWnd);
        PumpPending();
        Repaint();
    }

    void TearDown() override
    {
        panel.DestroyWindow();
        host.DestroyWindow();
        PumpPending();
    }

    void Repaint()
    {
        ::RedrawWindow(host.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    HWND Frame() const { return ::GetParent(::GetParent(panel.m_hWnd)); }
    HWND VBar() const { return ::GetDlgItem(Frame(), static_cast<int>(kSkinScrollVertId)); }
    HWND Header(int k) const { return panel.m_btnHeader[static_cast<size_t>(k)].m_hWnd; }
    HWND Page(int k) { return panel.SectionPage(k).m_hWnd; }
    SIZE PageSizeOf(int k) const { return pageSizes[static_cast<size_t>(PageImageOfSection(k))]; }
    int HeaderTop(int k) const { return PlaceIn(panel.m_hWnd, Header(k)).top; }

    void Open(int k) { (panel.*kToggles[static_cast<size_t>(k)])(0); }
    void Close(int k) { (panel.*kToggles[static_cast<size_t>(k)])(1); }

    SCROLLINFO PanelScroll() const
    {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ::GetScrollInfo(panel.m_hWnd, SB_VERT, &info);
        return info;
    }
    void ExpectScroll(int page, int maximum, int position) const
    {
        const SCROLLINFO info = PanelScroll();
        EXPECT_EQ(info.nMin, 0);
        EXPECT_EQ(info.nMax, maximum);
        EXPECT_EQ(static_cast<int>(info.nPage), page);
        EXPECT_EQ(info.nPos, position);
        EXPECT_EQ(panel.m_nPageHeight, page);
        EXPECT_EQ(panel.m_nScrollPos, position);
    }
    void Scroll(UINT code, int position = 0)
    {
        ::SendMessageW(panel.m_hWnd, WM_VSCROLL, MAKEWPARAM(code, position), 0);
    }
    LRESULT Wheel(int delta)
    {
        return ::SendMessageW(panel.m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    }
    void ResizeFrame(int height)
    {
        ::MoveWindow(Frame(), 735, 32, 260, height, TRUE);
        PumpPending();
    }

    // Reads the sections back from the windows: an open page sits right under
    // its header at its picture's size, every header stands 5 pixels below the
    // end of the section above it, and the content height follows the total.
    void ExpectSectionsStacked()
    {
        int end = 0;
        int total = 0;
        for (int k = 0; k < kSectionCount; ++k) {
            SCOPED_TRACE("section " + std::to_string(k));
            const RECT header = PlaceIn(panel.m_hWnd, Header(k));
            const bool open = panel.m_bCollapsed[static_cast<size_t>(k)] == 0;
            EXPECT_EQ(HasVisibleStyle(Page(k)), open);
            if (k > 0) {
                EXPECT_EQ(header.top, end + 5);
            }
            EXPECT_EQ(header.left, 0);
            EXPECT_EQ(header.right - header.left, 242);
            EXPECT_EQ(header.bottom - header.top, 20);
            total += 20;
            end = header.bottom;
            if (open) {
                const SIZE size = PageSizeOf(k);
                const RECT page = PlaceIn(panel.m_hWnd, Page(k));
                EXPECT_RECT(page, {header.left, header.bottom, header.left + size.cx, header.bottom + size.cy});
                end = page.bottom;
                total += size.cy + 10;
            }
        }
        EXPECT_EQ(g_nSectionsTotal, total);
        EXPECT_EQ(panel.m_nContentHeight, std::max(563, total));
    }

    std::array<SIZE, kPageImageCount> pageSizes{};
    PanelSkinFolder skins;
    HostWindow host;
    CDlgadvance panel;
};

}  // namespace

TEST_F(PanelTest, WrappedWhileItsHostWasHiddenItAppearsWhenTheHostShows)
{
    EXPECT_RECT(PlaceIn(host.m_hWnd, Frame()), {735, 32, 995, 593});
    EXPECT_TRUE(::IsWindowVisible(Frame()));
    EXPECT_TRUE(::IsWindowVisible(panel.m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(VBar()));
    EXPECT_RECT(PlaceIn(Frame(), VBar()), {247, 0, 260, 561});

    EXPECT_EQ(ScreenPixel(ScreenPoint(panel.m_hWnd, 120, 400)), kBackgroundColour);
    EXPECT_EQ(ScreenPixel(ScreenPoint(panel.m_hWnd, 238, 12)), kHeaderColour);
    EXPECT_EQ(ScreenPixel(ScreenPoint(panel.m_hWnd, 238, 162)), kHeaderColour);
}

TEST_F(PanelTest, StartsWithSevenCollapsedSectionsMadeFromTheirTemplatesAndPictures)
{
    for (int k = 0; k < kSectionCount; ++k) {
        SCOPED_TRACE("section " + std::to_string(k));
        const CBitmapBtn& header = panel.m_btnHeader[static_cast<size_t>(k)];
        EXPECT_RECT(PlaceIn(panel.m_hWnd, Header(k)), {0, 2 + 25 * k, 242, 22 + 25 * k});
        EXPECT_EQ(std::wstring(header.GetCaption()), std::wstring(g_TextTable[20 + k]));
        EXPECT_EQ(header.m_nFontHeight, 13);
        EXPECT_EQ(std::wstring(header.m_strFontFace), L"Arial");
        EXPECT_EQ(panel.SectionPage(k).m_nIDTemplate, kPageTemplates[static_cast<size_t>(k)]);
        EXPECT_EQ(::GetParent(Page(k)), panel.m_hWnd);
        EXPECT_EQ(panel.m_bCollapsed[static_cast<size_t>(k)], 1);
        const SIZE size = PageSizeOf(k);
        EXPECT_RECT(PlaceIn(panel.m_hWnd, Page(k)),
                    {0, 22 + 25 * k, size.cx, 22 + 25 * k + size.cy});  // placed, but hidden
    }
    EXPECT_EQ(std::wstring(g_TextTable[20]), L"DPI Setting");
    for (int i = 0; i < kPageImageCount; ++i) {
        EXPECT_EQ(g_sizePageImage[static_cast<size_t>(i)].cx, kPagePictures[i].size.cx) << i;
        EXPECT_EQ(g_sizePageImage[static_cast<size_t>(i)].cy, kPagePictures[i].size.cy) << i;
    }
    EXPECT_EQ(g_nSectionsTotal, 140);
    ExpectSectionsStacked();
    ExpectScroll(561, 562, 0);  // 563 rows of content in a 561-row window
}

TEST_F(PanelTest, OpeningAndClosingEachSectionKeepsTheSectionsStacked)
{
    for (int k = 0; k < kSectionCount; ++k) {
        SCOPED_TRACE("section " + std::to_string(k));
        Open(k);
        ExpectSectionsStacked();
        for (int j = k + 1; j < kSectionCount; ++j)
            EXPECT_EQ(HeaderTop(j), 2 + 25 * j + PageSizeOf(k).cy);
        Close(k);
        ExpectSectionsStacked();
        for (int j = 0; j < kSectionCount; ++j)
            EXPECT_EQ(HeaderTop(j), 2 + 25 * j);
        EXPECT_EQ(g_nSectionsTotal, 140);
    }

    for (int round = 0; round < 3; ++round) {
        Open(kSectionLighting);
        Close(kSectionLighting);
    }
    ExpectScroll(561, 562, 0);

    for (int k : {5, 1, 3, 0, 6, 2, 4}) {
        Open(k);
        ExpectSectionsStacked();
    }
    EXPECT_EQ(panel.m_nContentHeight, 1224);
}

TEST_F(PanelTest, CollapseAllClosesTheOpenSectionsFromTheLast)
{
    panel.CollapseAllSections();
    ExpectSectionsStacked();
    EXPECT_EQ(g_nSectionsTotal, 140);

    Open(kSectionLighting);
    Open(kSectionWheelSpeed);
    MessageRecorder lighting(Page(kSectionLighting), {WM_SHOWWINDOW});
    MessageRecorder wheel(Page(kSectionWheelSpeed), {WM_SHOWWINDOW});
    panel.CollapseAllSections();
    ASSERT_EQ(lighting.seen.size(), 1u);
    ASSERT_EQ(wheel.seen.size(), 1u);
    EXPECT_LT(wheel.seen[0].order, lighting.seen[0].order);
    ExpectSectionsStacked();
    EXPECT_EQ(g_nSectionsTotal, 140);
    for (int j = 0; j < kSectionCount; ++j)
        EXPECT_EQ(HeaderTop(j), 2 + 25 * j);
}

TEST_F(PanelTest, ScrollRangeFollowsTheContentAndTheWindowSize)
{
    Open(kSectionDpi);
    Open(kSectionLighting);  // 140 + 240 + 318 = 698 rows
    ExpectScroll(561, 697, 0);
    ::SendMessageW(Frame(), WM_TIMER, IDT_SCROLL_REPEAT, 0);  // the skinned bar follows
    SCROLLINFO bar{};
    bar.cbSize = sizeof(bar);
    bar.fMask = SIF_ALL;
    ::SendMessageW(VBar(), SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&bar));
    EXPECT_EQ(bar.nMax, 697);
    EXPECT_EQ(bar.nPage, 561u);

    Scroll(SB_LINEDOWN);
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(panel.m_nScrollPos, 120);
    Scroll(SB_LINEDOWN);  // stops exactly at the end of the content
    ExpectScroll(561, 697, 137);
    EXPECT_EQ(HeaderTop(0), 2 - 137);
    ExpectSectionsStacked();

    ResizeFrame(400);  // 137 x 400 / 561 = 97
    ExpectScroll(400, 697, 97);
    EXPECT_EQ(HeaderTop(0), 2 - 97);

    // A section opened while scrolled goes under its header where it stands.
    Open(kSectionMouseSpeed);
    ExpectScroll(400, 817, 97);
    ExpectSectionsStacked();
    Close(kSectionLighting);  // 500 rows: content stays 563
    ExpectScroll(400, 562, 97);
    ExpectSectionsStacked();
    EXPECT_EQ(HeaderTop(0), 2 - 97);

    Scroll(SB_THUMBTRACK, 30);
    EXPECT_EQ(HeaderTop(0), 2 - 30);
    Scroll(SB_LINEUP);  // 30, not 60
    ExpectScroll(400, 562, 0);
    EXPECT_EQ(HeaderTop(0), 2);
}

TEST_F(PanelTest, NothingScrollsWhileEverythingFits)
{
    ResizeFrame(600);
    ExpectScroll(0, 0, 0);
    Scroll(SB_LINEDOWN);
    Scroll(SB_PAGEDOWN);
    Scroll(SB_THUMBTRACK, 100);
    EXPECT_EQ(panel.m_nScrollPos, 0);
    EXPECT_EQ(HeaderTop(0), 2);
    EXPECT_EQ(Wheel(-120), FALSE);  // not handled
    EXPECT_EQ(HeaderTop(0), 2);
}

TEST_F(PanelTest, WheelStepsFollowTheSystemSetting)
{
    for (int k = 0; k < kSectionCount; ++k)
        Open(k);  // 1224 rows: positions 0..663
    ScopedWheelScrollLines lines(3);
    EXPECT_EQ(Wheel(-120), TRUE);
    EXPECT_EQ(panel.m_nScrollPos, 60);  // 3 lines: one step
    Wheel(-240);
    EXPECT_EQ(panel.m_nScrollPos, 180);  // two notches: two steps
    Wheel(-30);
    EXPECT_EQ(panel.m_nScrollPos, 240);  // a fine wheel's part notch: one step
    {
        ScopedWheelScrollLines ten(10);
        Wheel(-120);
        EXPECT_EQ(panel.m_nScrollPos, 420);  // three steps
    }
    {
        ScopedWheelScrollLines pages(WHEEL_PAGESCROLL);
        Wheel(120);
        EXPECT_EQ(panel.m_nScrollPos, 0);  // a page up, stopped at the top
        Wheel(-30);
        EXPECT_EQ(panel.m_nScrollPos, 561);  // any size: one page
        Wheel(-120);
        EXPECT_EQ(panel.m_nScrollPos, 663);
    }
    Wheel(30);
    EXPECT_EQ(panel.m_nScrollPos, 603);
    EXPECT_EQ(HeaderTop(0), 2 - 603);
    SCROLLINFO bar{};
    bar.cbSize = sizeof(bar);
    bar.fMask = SIF_ALL;
    ::SendMessageW(VBar(), SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&bar));
    EXPECT_EQ(bar.nPos, 603);  // the skinned thumb followed at the repaint, without its timer
    ExpectSectionsStacked();
}

TEST_F(PanelTest, PressOnTheBackgroundPostsAPanelClickAndGivesThePanelTheWheel)
{
    ClickAt(ScreenPoint(panel.m_hWnd, 120, 400));
    ASSERT_TRUE(PumpUntil([&] { return host.panelClicks.size() == 1; }));
    const MSG click = host.panelClicks[0];
    EXPECT_EQ(click.hwnd, ::GetParent(panel.m_hWnd));  // the wrapper's window the panel sits in
    EXPECT_EQ(click.wParam, 0u);
    EXPECT_EQ(click.lParam, 0);

    Open(kSectionDpi);
    Open(kSectionLighting);
    ScopedWheelScrollLines lines(3);
    WheelAt(ScreenPoint(panel.m_hWnd, 120, 400), -120);
    EXPECT_TRUE(PumpUntil([&] { return panel.m_nScrollPos == 60; })) << panel.m_nScrollPos;
}

TEST_F(PanelTest, HeaderClickPostsAPanelClickAndTogglesItsSection)
{
    ClickAt(ScreenPoint(panel.m_hWnd, 200, 62));  // header 2
    ASSERT_TRUE(PumpUntil([&] { return panel.m_bCollapsed[kSectionReportRate] == 0; }));
    PumpPreTranslated();
    ASSERT_EQ(host.panelClicks.size(), 1u);
    EXPECT_EQ(host.panelClicks[0].wParam, 0u);
    EXPECT_EQ(host.panelClicks[0].lParam, 0);
    ExpectSectionsStacked();

    ClickAt(ScreenPoint(panel.m_hWnd, 100, 150));  // on the open page: no panel click
    PumpPreTranslated();
    EXPECT_EQ(host.panelClicks.size(), 1u);

    ClickAt(ScreenPoint(panel.m_hWnd, 200, 62));
    ASSERT_TRUE(PumpUntil([&] { return panel.m_bCollapsed[kSectionReportRate] == 1; }));
    PumpPreTranslated();
    EXPECT_EQ(host.panelClicks.size(), 2u);
    ExpectSectionsStacked();
}

TEST_F(PanelTest, EnterSpaceEscapeAndF1NeitherCloseThePanelNorPressAHeader)
{
    ClickAt(ScreenPoint(panel.m_hWnd, 120, 400));
    panel.m_btnHeader[kSectionReportRate].SetFocus();
    const HWND focus = ::GetFocus();
    ASSERT_EQ(focus, Header(kSectionReportRate));
    MessageRecorder keys(focus, {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN});

    for (WORD key : {VK_RETURN, VK_SPACE, VK_ESCAPE, VK_F1})
        PressKey(key);
    PumpPreTranslated();
    EXPECT_TRUE(keys.seen.empty());
    EXPECT_TRUE(HasVisibleStyle(panel.m_hWnd));            // Enter and Escape would end the dialog
    EXPECT_EQ(panel.m_bCollapsed[kSectionReportRate], 1);  // Space would press the header

    PressKey('A');  // any other key goes on as usual
    EXPECT_TRUE(PumpUntil([&] { return !keys.seen.empty(); }));
    EXPECT_EQ(keys.seen.front().message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(keys.seen.front().wParam, static_cast<WPARAM>('A'));
}

TEST_F(PanelTest, SkinnedBarArrowScrollsThePanel)
{
    Open(kSectionDpi);
    Open(kSectionLighting);
    ::SendMessageW(Frame(), WM_TIMER, IDT_SCROLL_REPEAT, 0);
    ClickAt(ScreenPoint(VBar(), 6, 555));  // the down arrow
    EXPECT_TRUE(PumpUntil([&] { return panel.m_nScrollPos == 60; })) << panel.m_nScrollPos;
    EXPECT_EQ(HeaderTop(0), 2 - 60);
}

TEST_F(PanelTest, RefreshRepaintsTheFourPagesThatReadTheRecordWhenTheyPaint)
{
    ResizeFrame(600);
    for (int k : {kSectionReportRate, kSectionMouseSpeed, kSectionDoubleClick, kSectionAngleSnap})
        Open(k);  // 586 rows: every page in view
    Repaint();
    PumpPending();

    const std::array<int, 4> pages{kSectionReportRate, kSectionMouseSpeed, kSectionDoubleClick, kSectionAngleSnap};
    std::vector<std::unique_ptr<MessageRecorder>> recorders;
    for (int k : pages)
        recorders.push_back(std::make_unique<MessageRecorder>(Page(k), std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    panel.RefreshAllPages();

    int previous = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE("page of section " + std::to_string(pages[i]));
        const auto& seen = recorders[i]->seen;
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.front().message, static_cast<UINT>(WM_PAINT));
        EXPECT_GT(seen.front().order, previous);
        EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](auto& s) { return s.message == WM_ERASEBKGND; }));
        previous = seen.back().order;
    }
}

class PanelWithoutPicturesTest : public PanelTest {
protected:
    void SetUp() override
    {
        skins.Remove(L"Skins\\USBReportRate\\BK_USBReportRate.png");
        skins.Remove(L"Skins\\ItemBK.png");
        skins.Remove(L"Skins\\BK_MainRight.png");
        PanelTest::SetUp();
        pageSizes[2] = {0, 0};
    }
};

TEST_F(PanelWithoutPicturesTest, APageWithoutPictureOpensToNothingAndHeadersStillWork)
{
    EXPECT_EQ(g_sizePageImage[2].cx, 0);
    EXPECT_EQ(g_sizePageImage[2].cy, 0);
    ClickAt(ScreenPoint(panel.m_hWnd, 200, 62));  // a header without its picture
    ASSERT_TRUE(PumpUntil([&] { return panel.m_bCollapsed[kSectionReportRate] == 0; }));
    EXPECT_EQ(g_nSectionsTotal, 150);
    EXPECT_EQ(HeaderTop(kSectionMouseSpeed), 77);
    ExpectSectionsStacked();
    Repaint();  // no background picture: nothing painted, nothing broken
    EXPECT_TRUE(::IsWindow(panel.m_hWnd));
}
