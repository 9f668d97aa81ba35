// The main window's look after its start-up, on the real window: its size
// from the background picture, the pictures and labels its painting puts
// where they belong (read from the screen and compared with the skin files
// composed on the background), its buttons, boxes, sliders and settings
// panel with their places, order, captions and fonts, and a start without
// the background picture.

#include "main_window_helpers.h"

#include "app/hot_spots.h"
#include "app/main_window_globals.h"
#include "skin/app_dir.h"
#include "skin/skin_draw.h"

#include <array>
#include <tuple>
#include <utility>
#include <vector>

using namespace apptest;

namespace {

constexpr RECT kLogo{20, 32, 262, 102};
constexpr RECT kMouseArea{262, 2, 734, 500};

// The rows of the folded side column below its items, down to the end of
// the left background (MLogo included).
constexpr RECT kFoldedSideColumn{20, 196, 262, 597};

class MainWindowLook : public MainWindowTest {
protected:
    // The client area as the painting should leave it where no child covers it.
    std::unique_ptr<Pixels> Expected() const
    {
        auto expected = std::make_unique<Pixels>(window->m_nWindowWidth, window->m_nWindowHeight);
        EXPECT_TRUE(expected->Compose(Skin(L"main.png"), 0, 0));
        return expected;
    }

    // The button hot spots of `page` over its mouse picture, hot spot
    // `highlighted` (0 for none) in its over form.
    void ComposeHotSpots(Pixels& expected, int page, int highlighted = 0) const
    {
        const HotSpotDrawList order = HotSpotDrawOrder(highlighted);
        for (int i = 0; i < order.count; ++i) {
            const HotSpotDraw& spot = order.items[static_cast<size_t>(i)];
            const POINT place = HotSpotPlace(page, spot.k);
            EXPECT_TRUE(expected.Compose(folder.file(HotSpotPicture(page, spot.k, spot.over)), place.x, place.y))
                << spot.k;
        }
    }
};

}  // namespace

// The window takes the size of its background picture; the logo, the
// middle background with the Front picture and the left background with
// the small logo lie where the painting puts them.
TEST_F(MainWindowLook, PicturesAreWhereThePaintingPutsThem)
{
    ASSERT_TRUE(Open());
    CImage background;
    ASSERT_EQ(background.Load(Skin(L"main.png").c_str()), S_OK);
    RECT client{};
    window->GetClientRect(&client);
    EXPECT_EQ(client.right, background.GetWidth());
    EXPECT_EQ(client.bottom, background.GetHeight());
    EXPECT_EQ(window->m_nWindowWidth, background.GetWidth());
    EXPECT_EQ(window->m_nWindowHeight, background.GetHeight());

    const auto expected = Expected();
    expected->Compose(Skin(L"Logo.png"), 20, 32);
    expected->Compose(Skin(L"BK_MainMid.png"), 262, 2);
    expected->Compose(Skin(L"Mouse\\Front\\MouseFront.png"), 403, 60);
    ComposeHotSpots(*expected, 1);
    expected->Compose(Skin(L"BK_MainLeft.png"), 20, 107);
    expected->Compose(Skin(L"MLogo.png"), 40, 525);

    const auto shown = Pixels::OfClientArea(window->m_hWnd);
    EXPECT_EQ(Mismatches(*shown, *expected, kLogo), 0);
    EXPECT_EQ(Mismatches(*shown, *expected, kMouseArea), 0);
    EXPECT_EQ(Mismatches(*shown, *expected, kFoldedSideColumn), 0);

    // The Side page replaces the picture; the middle background clears the old one.
    window->SwitchPage(2);
    Repaint();
    const auto side = Expected();
    side->Compose(Skin(L"BK_MainMid.png"), 262, 2);
    side->Compose(Skin(L"Mouse\\Side\\MouseSide.png"), 295, 232);
    ComposeHotSpots(*side, 2);
    EXPECT_EQ(Mismatches(*Pixels::OfClientArea(window->m_hWnd), *side, kMouseArea), 0);
}

// The box being assigned marks its button on the picture: the fourth box
// (the fifth button) and the fifth box (the fourth) show their own hot spot
// in its over form, on both pages.
TEST_F(MainWindowLook, HighlightedBoxMarksItsButton)
{
    ASSERT_TRUE(Open());
    for (const auto& [page, box, spot] : {std::tuple{1, 3, 5}, std::tuple{1, 4, 4}, std::tuple{2, 0, 1}}) {
        SCOPED_TRACE(box);
        window->SwitchPage(page);
        g_nSelButton = box;
        Repaint();
        const auto expected = Expected();
        expected->Compose(Skin(L"BK_MainMid.png"), 262, 2);
        if (page == 1)
            expected->Compose(Skin(L"Mouse\\Front\\MouseFront.png"), 403, 60);
        else
            expected->Compose(Skin(L"Mouse\\Side\\MouseSide.png"), 295, 232);
        ComposeHotSpots(*expected, page, spot);
        EXPECT_EQ(Mismatches(*Pixels::OfClientArea(window->m_hWnd), *expected, kMouseArea), 0);
    }
    g_nSelButton = -1;
}

// The X/Y-axis panel: its picture, labels and the scales "1" to "10" drawn
// in white with the window's font; opening the button-assignment panel
// moves all of it down by the height of that panel's picture, which lies
// under the seven row labels.
TEST_F(MainWindowLook, AxisPanelFollowsTheButtonPanel)
{
    SetLanguage(L"EN");
    ASSERT_TRUE(Open());
    ASSERT_EQ(g_nButtonPanelHeight, MeasurePicture(Skin(L"ButtonAssignment\\BK_ButtonAssignment.png").c_str()).cy);
    ASSERT_GT(g_nButtonPanelHeight, 0);
    ASSERT_EQ(g_nAxisPanelHeight, MeasurePicture(Skin(L"XYSensitivity\\BK_XYSensSetting.png").c_str()).cy);

    const auto expectAxisPanelAt = [&](int y0, bool buttonPanelOpen) {
        SCOPED_TRACE(y0);
        const auto expected = Expected();
        expected->Compose(Skin(L"BK_MainLeft.png"), 20, 107);
        if (buttonPanelOpen)
            expected->Compose(Skin(L"ButtonAssignment\\BK_ButtonAssignment.png"), 20, 127);
        expected->Compose(Skin(L"XYSensitivity\\BK_XYSensSetting.png"), 20, y0);
        const HGDIOBJ previous = ::SelectObject(expected->dc(), window->m_font);
        ::SetBkMode(expected->dc(), TRANSPARENT);
        ::SetTextColor(expected->dc(), RGB(255, 255, 255));
        const auto text = [&](const wchar_t* label, RECT rect) {
            ::DrawTextW(expected->dc(), label, -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        };
        text(L"x-Axis", {37, y0 + 20, 262, y0 + 40});
        text(L"y-Axis", {37, y0 + 80, 262, y0 + 100});
        for (int k = 0; k < 10; ++k) {
            const std::wstring number = std::to_wstring(k + 1);
            text(number.c_str(), {44 + 21 * k, y0 + 57, 262, y0 + 77});
            text(number.c_str(), {44 + 21 * k, y0 + 117, 262, y0 + 137});
        }
        ::SelectObject(expected->dc(), previous);
        ::GdiFlush();

        const auto shown = Pixels::OfClientArea(window->m_hWnd);
        // Around the sliders, which paint themselves.
        EXPECT_EQ(Mismatches(*shown, *expected, {20, y0, 262, y0 + 40}), 0) << "picture and x label";
        EXPECT_EQ(Mismatches(*shown, *expected, {20, y0 + 50, 262, y0 + 100}), 0) << "X scale and y label";
        EXPECT_EQ(Mismatches(*shown, *expected, {20, y0 + 110, 262, y0 + 137}), 0) << "Y scale";
        // The scale really shows numbers: white text on the picture.
        int white = 0;
        for (int x = 44; x < 262; ++x)
            for (int y = y0 + 57; y < y0 + 77; ++y)
                white += shown->At(x, y) == RGB(255, 255, 255);
        EXPECT_GT(white, 40);
    };

    PressButton(window->m_btnAxisSetting);
    Repaint();
    expectAxisPanelAt(195, false);

    PressButton(window->m_btnButtonAssign);
    Repaint();
    expectAxisPanelAt(195 + g_nButtonPanelHeight, true);
    // The row labels stand beside their boxes on the button panel's picture.
    const auto shown = Pixels::OfClientArea(window->m_hWnd);
    int white = 0;
    for (int x = 31; x < 115; ++x)
        for (int y = 156; y < 170; ++y)
            white += shown->At(x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 10) << "\"Button 1\"";
}

// Every button, box and slider in its place, in the order of creation
// (the order of the window's children), with the settings panel last; the
// fourth row holds box 4 and the fifth box 3; the boxes and sliders are
// hidden at start.
TEST_F(MainWindowLook, ControlsInTheirPlacesAndOrder)
{
    SetLanguage(L"EN");
    ASSERT_TRUE(Open());
    CMouseConfigurationDlg& w = *window;
    const std::vector<std::pair<const CWnd*, RECT>> expected{
        {&w.m_btnRestore, {798, 604, 855, 634}},     {&w.m_btnCancel, {860, 604, 917, 634}},
        {&w.m_btnSave, {923, 604, 980, 634}},        {&w.m_btnClose, {979, 5, 994, 20}},
        {&w.m_btnMinimize, {958, 5, 973, 20}},       {&w.m_btnHelp, {937, 5, 952, 20}},
        {&w.m_btnConfig, {18, 604, 90, 634}},        {&w.m_btnFront, {447, 527, 509, 556}},
        {&w.m_btnSide, {513, 527, 575, 556}},        {&w.m_btnButtonAssign, {20, 107, 262, 127}},
        {&w.m_btnMacroManager, {20, 132, 262, 170}}, {&w.m_btnAxisSetting, {20, 175, 262, 195}},
        {&w.m_btnAssign[0], {120, 154, 250, 170}},   {&w.m_btnAssign[1], {120, 174, 250, 190}},
        {&w.m_btnAssign[2], {120, 194, 250, 210}},   {&w.m_btnAssign[4], {120, 214, 250, 230}},
        {&w.m_btnAssign[3], {120, 234, 250, 250}},   {&w.m_btnAssign[5], {120, 254, 250, 270}},
        {&w.m_btnAssign[6], {120, 274, 250, 290}},   {&w.m_sliderX, {37, 235, 245, 244}},
        {&w.m_sliderY, {37, 295, 245, 304}},
    };
    HWND child = ::GetWindow(w.m_hWnd, GW_CHILD);
    for (const auto& [control, rect] : expected) {
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child, control->m_hWnd) << "creation order at " << rect;
        EXPECT_EQ(PlaceInParent(control->m_hWnd), rect);
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
    // The panel, inside the frame of its skinned scroll bar.
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(::IsChild(child, w.m_dlgPanel.m_hWnd));
    EXPECT_EQ(PlaceInParent(child), (RECT{735, 32, 995, 593}));
    EXPECT_EQ(::GetWindow(child, GW_HWNDNEXT), nullptr);

    for (const CBitmapBtn& box : w.m_btnAssign)
        EXPECT_FALSE(box.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(w.m_sliderX.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(w.m_btnSave.IsWindowVisible());
    EXPECT_EQ(w.m_sliderX.m_nMin, 1);
    EXPECT_EQ(w.m_sliderX.m_nMax, 11);
    EXPECT_EQ(w.m_sliderY.m_nMin, 1);
    EXPECT_EQ(w.m_sliderY.m_nMax, 11);
    EXPECT_EQ(w.m_sliderX.GetDlgCtrlID(), 2025);
    EXPECT_EQ(w.m_sliderY.GetDlgCtrlID(), 2026);
    for (const CWnd* button : {static_cast<const CWnd*>(&w.m_btnSave), static_cast<const CWnd*>(&w.m_btnAssign[3])})
        EXPECT_EQ(button->GetDlgCtrlID(), 0);

    // Captions, alignment and indent.
    const std::vector<std::tuple<const CBitmapBtn*, const wchar_t*, int, int>> captions{
        {&w.m_btnRestore, L"Reset", 0, 0},
        {&w.m_btnCancel, L"Cancel", 0, 0},
        {&w.m_btnSave, L"Apply", 0, 0},
        {&w.m_btnConfig, L"Config", 1, 20},
        {&w.m_btnFront, L"Top View", 0, 0},
        {&w.m_btnSide, L"Side View", 0, 0},
        {&w.m_btnButtonAssign, L"Button Assignment", 1, 0},
        {&w.m_btnMacroManager, L"Macro Manager", 1, 0},
        {&w.m_btnAxisSetting, L"Axis Sensitivity", 1, 0},
        {&w.m_btnClose, L"", 1, 0},
    };
    for (const auto& [button, caption, align, indent] : captions) {
        EXPECT_EQ(button->GetCaption(), caption);
        EXPECT_EQ(button->m_nAlign, align) << caption;
        EXPECT_EQ(button->m_nLeftIndent, indent) << caption;
    }
    EXPECT_EQ(w.m_btnFront.checked, 1) << "the Front page is shown";
    EXPECT_EQ(w.m_btnSide.checked, 0);
}

// The settings panel shows inside the main window with its seven headers
// and its skinned scroll bar, its content sized for folded sections.
TEST_F(MainWindowLook, SettingsPanelShowsWithItsHeaders)
{
    ASSERT_TRUE(Open());
    CDlgadvance& panel = window->m_dlgPanel;
    EXPECT_TRUE(panel.IsWindowVisible());
    EXPECT_TRUE(panel.m_bSkinnedBar);
    EXPECT_EQ(panel.m_nContentWidth, 230);
    EXPECT_EQ(panel.m_nContentHeight, 563);
    for (const CBitmapBtn& header : panel.m_btnHeader)
        EXPECT_TRUE(header.IsWindowVisible());
    EXPECT_EQ(panel.m_btnHeader[0].GetCaption(), L"DPI Setting");
}

// The window font and the button faces follow the language: "黑体" for
// CHS and CHT, "Arial" otherwise; the window font's character set is ANSI
// for CHT only.
TEST_F(MainWindowLook, FontsFollowTheLanguage)
{
    const std::wstring heiTi = L"\u9ED1\u4F53";
    const std::vector<std::tuple<const wchar_t*, std::wstring, BYTE>> languages{
        {L"CHS", heiTi, DEFAULT_CHARSET},   {L"CHT", heiTi, ANSI_CHARSET},      {L"EN", L"Arial", DEFAULT_CHARSET},
        {L"DE", L"Arial", DEFAULT_CHARSET}, {L"XX", L"Arial", DEFAULT_CHARSET},
    };
    for (const auto& [code, face, charSet] : languages) {
        SCOPED_TRACE(code);
        ResetGlobals();
        SetLanguage(code);
        ASSERT_TRUE(CreateMainWindow());
        LOGFONTW font{};
        ASSERT_TRUE(window->m_font.GetLogFont(&font));
        EXPECT_EQ(font.lfHeight, 13);
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_EQ(font.lfCharSet, charSet);
        EXPECT_EQ(font.lfPitchAndFamily, FF_SWISS);
        EXPECT_EQ(std::wstring(font.lfFaceName), face);
        for (const CBitmapBtn* button : {&window->m_btnSave, &window->m_btnConfig, &window->m_btnAxisSetting,
                                         &window->m_btnAssign[0], &window->m_btnAssign[6]}) {
            EXPECT_EQ(std::wstring(button->m_strFontFace), face);
            EXPECT_EQ(button->m_nFontHeight, 13);
        }
        EXPECT_EQ(window->m_btnClose.m_strFontFace, L"") << "no caption, no font";
        window.reset();
        StopReadThread();
    }
}

// In Chinese the captions draw real glyphs with the window's font: each
// distinct character of a caption gives its own picture, where a face
// without them would draw the same empty box for every one.
TEST_F(MainWindowLook, ChineseCaptionsDrawGlyphs)
{
    for (const wchar_t* code : {L"CHS", L"CHT"}) {
        SCOPED_TRACE(code);
        ResetGlobals();
        SetLanguage(code);
        ASSERT_TRUE(CreateMainWindow());
        std::wstring han;
        for (const CBitmapBtn* button : {&window->m_btnMacroManager, &window->m_btnButtonAssign, &window->m_btnSave})
            for (const wchar_t ch : std::wstring(button->GetCaption().GetString()))
                if (ch >= 0x4E00 && ch <= 0x9FFF && han.find(ch) == std::wstring::npos)
                    han += ch;
        ASSERT_GE(han.size(), 3u) << "the captions hold Chinese characters";

        std::vector<std::vector<COLORREF>> glyphs;
        for (const wchar_t ch : han) {
            Pixels cell(24, 24);
            const RECT all{0, 0, 24, 24};
            ::FillRect(cell.dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
            const HGDIOBJ previous = ::SelectObject(cell.dc(), window->m_font);
            ::SetTextColor(cell.dc(), RGB(0, 0, 0));
            ::SetBkMode(cell.dc(), TRANSPARENT);
            ::TextOutW(cell.dc(), 2, 2, &ch, 1);
            ::SelectObject(cell.dc(), previous);
            ::GdiFlush();
            std::vector<COLORREF> pixels;
            int inked = 0;
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x) {
                    pixels.push_back(cell.At(x, y));
                    inked += cell.At(x, y) != RGB(255, 255, 255);
                }
            EXPECT_GT(inked, 10) << "U+" << std::hex << static_cast<int>(ch) << " draws nothing";
            glyphs.push_back(std::move(pixels));
        }
        for (size_t a = 0; a < glyphs.size(); ++a)
            for (size_t b = a + 1; b < glyphs.size(); ++b)
                EXPECT_NE(glyphs[a], glyphs[b]) << "characters " << a << " and " << b << " draw alike";
        window.reset();
        StopReadThread();
    }
}

// Without its background picture the window starts as 0 x 0 and goes on
// working: it paints, takes commands and closes.
TEST_F(MainWindowLook, MissingBackgroundGivesAnEmptyWindowThatStillWorks)
{
    ASSERT_TRUE(::DeleteFileW(Skin(L"main.png").c_str()));
    ASSERT_TRUE(Open());
    RECT rect{};
    window->GetWindowRect(&rect);
    EXPECT_EQ(rect.right - rect.left, 0);
    EXPECT_EQ(rect.bottom - rect.top, 0);
    EXPECT_EQ(window->m_nWindowWidth, 0);

    window->SendMessage(WM_PAINT);
    PressButton(window->m_btnButtonAssign);
    PressButton(window->m_btnAxisSetting);
    Repaint();
    EXPECT_EQ(window->m_nButtonPanelState, 0);
    EXPECT_TRUE(::IsWindow(window->m_hWnd));
}
