// Reads back the skin pictures the build drew beside the program and checks
// them against what the windows need of them.

#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct GdiplusForTests {
    GdiplusForTests()
    {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
    }
    ~GdiplusForTests() { Gdiplus::GdiplusShutdown(token); }
    ULONG_PTR token = 0;
};

void startGdiplus()
{
    static GdiplusForTests session;
}

std::wstring inProgramFolder(std::wstring relative)
{
    for (wchar_t& c : relative) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return std::wstring(RV417_BIN_DIR_W) + L"\\" + relative;
}

// The name a directory entry really has, whatever case the lookup used.
std::wstring nameOnDisk(const std::wstring& path)
{
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return L"<missing>";
    }
    FindClose(find);
    return data.cFileName;
}

struct Colour {
    int r, g, b, a;
    bool operator==(const Colour&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Colour& c)
{
    return out << "rgba(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

class Picture {
public:
    explicit Picture(const std::wstring& relative)
    {
        startGdiplus();
        m_bitmap = std::make_unique<Gdiplus::Bitmap>(inProgramFolder(relative).c_str());
    }

    bool loaded() const { return m_bitmap->GetLastStatus() == Gdiplus::Ok && m_bitmap->GetWidth() > 0; }
    int width() const { return static_cast<int>(m_bitmap->GetWidth()); }
    int height() const { return static_cast<int>(m_bitmap->GetHeight()); }
    Gdiplus::PixelFormat format() const { return m_bitmap->GetPixelFormat(); }

    Colour at(int x, int y) const
    {
        Gdiplus::Color c;
        m_bitmap->GetPixel(x, y, &c);
        return {c.GetR(), c.GetG(), c.GetB(), c.GetA()};
    }

private:
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
};

struct Expected {
    std::wstring path;
    int width, height, bits;
};

// Every picture the program loads, with the size and depth its windows
// need (opaque ones are 24-bit, those drawn with transparency 32-bit).
std::vector<Expected> everyPicture()
{
    std::vector<Expected> all = {
        {L"Skins/main.png", 1000, 650, 24},
        {L"Skins/Logo.png", 242, 70, 24},
        {L"Skins/BK_MainMid.png", 472, 498, 24},
        {L"Skins/Mouse/Front/MouseFront.png", 218, 400, 32},
        {L"Skins/Mouse/Side/MouseSide.png", 400, 150, 32},
        {L"Skins/BK_MainLeft.png", 242, 490, 24},
        {L"Skins/MLogo.png", 200, 60, 32},
        {L"Skins/ButtonAssignment/BK_ButtonAssignment.png", 242, 170, 24},
        {L"Skins/XYSensitivity/BK_XYSensSetting.png", 242, 150, 24},
        {L"Skins/XYSensitivity/1.png", 208, 14, 24},
        {L"Skins/XYSensitivity/2.png", 208, 14, 24},
        {L"Skins/ItemBK.png", 242, 20, 24},
        {L"Skins/MacroManagementBK.png", 242, 38, 24},
        {L"Skins/button-save-leave.png", 57, 30, 24},
        {L"Skins/ButtonAssignment/DropdownBox-normal.png", 130, 16, 24},
        {L"Skins/ButtonAssignment/DropdownBox-over.png", 130, 16, 24},
        {L"Skins/splash.png", 480, 270, 24},
        {L"Skins/Config/Config.png", 263, 600, 24},
        {L"Skins/Config/New-Config.png", 12, 12, 32},
        {L"Skins/Config/Del-Config.png", 12, 12, 32},
        {L"Skins/BK_MainRight.png", 247, 563, 24},
        {L"Skins/DPISetting/BK_DPISetting.png", 247, 230, 24},
        {L"Skins/DPISetting/BK-DPIValue.png", 25, 12, 32},
        {L"Skins/DPISetting/DPIStage/0.png", 7, 169, 24},
        {L"Skins/DPISetting/DPIStage/82.png", 7, 169, 24},
        {L"Skins/Enable.png", 9, 9, 32},
        {L"Skins/Disable.png", 9, 9, 32},
        {L"Skins/Lighting/BK_Lighting.png", 247, 308, 24},
        {L"Skins/StageSlider/1.png", 128, 11, 24},
        {L"Skins/StageSlider/10.png", 128, 11, 24},
        {L"Skins/USBReportRate/BK_USBReportRate.png", 247, 134, 24},
        {L"Skins/MouseAttribute/BK_MouseAttribute.png", 247, 110, 24},
        {L"Skins/MouseAttribute/BK_ScrollSpeed.png", 247, 70, 24},
        {L"Skins/MouseAttribute/ScrollSpeed/Enable.png", 11, 12, 32},
        {L"Skins/MouseAttribute/ScrollSpeed/Disable.png", 11, 12, 32},
        {L"Skins/MouseAttribute/ScrollSpeed/ScrollLines.png", 50, 14, 32},
        {L"Skins/AngleSnap/BK_AngleSnap.png", 247, 52, 24},
        {L"Skins/MacroManagement/MacroManagement.png", 495, 439, 24},
        {L"Skins/macro-button-close-normal.png", 51, 24, 32},
        {L"Skins/MacroManagement/Pane.png", 14, 14, 32},
        {L"Skins/MacroManagement/PaneMakingTick.png", 14, 14, 32},
        {L"Skins/macro-key.png", 392, 296, 24},
        {L"Skins/Pane.png", 16, 16, 32},
        {L"Skins/PaneMakingTick.png", 16, 16, 32},
        {L"Skins/single-key.png", 392, 296, 24},
    };
    auto states = [&](const std::wstring& stem, const std::vector<std::wstring>& suffixes, int w, int h, int bits) {
        for (const std::wstring& s : suffixes) {
            all.push_back({stem + s + L".png", w, h, bits});
        }
    };
    const int frontWidths[] = {94, 94, 149, 62, 57, 149, 149};
    const int sideSizes[][2] = {{20, 120}, {20, 150}, {27, 160}, {28, 135}, {27, 143}, {20, 114}, {20, 112}};
    for (int k = 1; k <= 7; ++k) {
        states(L"Skins/Mouse/Front/F-" + std::to_wstring(k), {L"-normal", L"-over"}, frontWidths[k - 1], 20, 32);
        states(L"Skins/Mouse/Side/S-" + std::to_wstring(k), {L"-normal", L"-over"}, sideSizes[k - 1][0],
               sideSizes[k - 1][1], 32);
    }
    states(L"Skins/button-cancel", {L"-normal", L"-over", L"-leave"}, 57, 30, 24);
    states(L"Skins/button-config", {L"-normal", L"-over", L"-leave"}, 72, 30, 24);
    states(L"Skins/button-mouse", {L"-normal", L"-over", L"-leave"}, 62, 29, 24);
    for (const wchar_t* tile : {L"close", L"min", L"help"}) {
        states(L"Skins/button-" + std::wstring(tile), {L"-normal", L"-over"}, 15, 15, 24);
    }
    states(L"Skins/MacroManagement/button-cancel", {L"-normal", L"-over"}, 54, 28, 32);
    states(L"Skins/MacroManagement/button-new", {L"-normal", L"-over"}, 58, 25, 32);
    states(L"Skins/MacroManagement/Record", {L"-normal", L"-over"}, 122, 24, 24);
    for (const wchar_t* rate : {L"1000", L"500", L"250", L"125"}) {
        all.push_back({L"Skins/USBReportRate/" + std::wstring(rate) + L"HZ.png", 128, 123, 32});
    }
    for (int level = 1; level <= 11; ++level) {
        all.push_back({L"Skins/MouseAttribute/Speed/" + std::to_wstring(level) + L".png", 142, 83, 32});
    }
    return all;
}

TEST(SkinImages, EveryPictureIsThereWithItsSizeDepthAndLetterCase)
{
    const auto pictures = everyPicture();
    ASSERT_EQ(pictures.size(), 109u);
    for (const Expected& e : pictures) {
        SCOPED_TRACE(e.path);
        // Each folder and file name is spelled on disk exactly as the tree has it.
        std::wstring prefix;
        std::size_t start = 0;
        while (start < e.path.size()) {
            const std::size_t slash = e.path.find(L'/', start);
            const std::wstring part =
                e.path.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start);
            prefix += (prefix.empty() ? L"" : L"/") + part;
            EXPECT_EQ(nameOnDisk(inProgramFolder(prefix)), part);
            start = slash == std::wstring::npos ? e.path.size() : slash + 1;
        }
        const Picture p(e.path);
        ASSERT_TRUE(p.loaded());
        EXPECT_EQ(p.width(), e.width);
        EXPECT_EQ(p.height(), e.height);
        EXPECT_EQ(p.format(), e.bits == 24 ? PixelFormat24bppRGB : PixelFormat32bppARGB);
    }
}

// Cut pictures are copied opaquely: their corner pixels must carry the colour
// of the picture behind the control, or a box shows round it.
TEST(SkinImages, CutTilesMatchWhatLiesBehindThem)
{
    struct Seat {
        const wchar_t* tile;
        int tileX, tileY;  // the tile pixel that shows at the control's top-left
        const wchar_t* backdrop;
        int x, y;
    };
    const Seat seats[] = {
        {L"Skins/button-cancel-normal.png", 0, 0, L"Skins/main.png", 798, 604},
        {L"Skins/button-cancel-over.png", 0, 0, L"Skins/main.png", 860, 604},
        {L"Skins/button-cancel-leave.png", 0, 0, L"Skins/main.png", 923, 604},
        {L"Skins/button-save-leave.png", 0, 0, L"Skins/main.png", 923, 604},
        {L"Skins/button-config-normal.png", 0, 0, L"Skins/main.png", 18, 604},
        {L"Skins/button-config-leave.png", 0, 0, L"Skins/main.png", 18, 604},
        {L"Skins/button-mouse-normal.png", 0, 0, L"Skins/main.png", 447, 527},
        {L"Skins/button-mouse-leave.png", 0, 0, L"Skins/main.png", 513, 527},
        {L"Skins/button-help-normal.png", 0, 0, L"Skins/main.png", 937, 5},
        {L"Skins/button-min-normal.png", 0, 0, L"Skins/main.png", 958, 5},
        {L"Skins/button-close-normal.png", 0, 0, L"Skins/main.png", 979, 5},
        {L"Skins/button-close-normal.png", 0, 0, L"Skins/Config/Config.png", 240, 8},
        {L"Skins/button-close-normal.png", 0, 0, L"Skins/macro-key.png", 352, 6},
        {L"Skins/button-close-normal.png", 0, 0, L"Skins/single-key.png", 352, 6},
        {L"Skins/MacroManagement/Record-normal.png", 0, 0, L"Skins/MacroManagement/MacroManagement.png", 295, 87},
        {L"Skins/MacroManagement/Record-over.png", 0, 0, L"Skins/MacroManagement/MacroManagement.png", 295, 87},
        {L"Skins/StageSlider/1.png", 1, 0, L"Skins/Lighting/BK_Lighting.png", 100, 10},
        {L"Skins/StageSlider/10.png", 1, 0, L"Skins/Lighting/BK_Lighting.png", 100, 292},
        {L"Skins/XYSensitivity/1.png", 0, 0, L"Skins/XYSensitivity/BK_XYSensSetting.png", 17, 40},
        {L"Skins/XYSensitivity/2.png", 0, 0, L"Skins/XYSensitivity/BK_XYSensSetting.png", 17, 100},
    };
    for (const Seat& s : seats) {
        SCOPED_TRACE(std::wstring(s.tile) + L" on " + s.backdrop);
        const Picture tile(s.tile);
        const Picture backdrop(s.backdrop);
        ASSERT_TRUE(tile.loaded() && backdrop.loaded());
        EXPECT_EQ(tile.at(s.tileX, s.tileY), backdrop.at(s.x, s.y));
    }
}

// The mouse stage is drawn over the window at (262, 2) on every paint; its
// top rows must continue the title strip and its line without a seam.
TEST(SkinImages, MouseStageContinuesTheTitleStrip)
{
    const Picture window(L"Skins/main.png");
    const Picture stage(L"Skins/BK_MainMid.png");
    ASSERT_TRUE(window.loaded() && stage.loaded());
    for (int y = 0; y <= 24; ++y) {
        for (int x = 0; x < stage.width(); x += 7) {
            ASSERT_EQ(stage.at(x, y), window.at(262 + x, 2 + y)) << "stage pixel " << x << ", " << y;
        }
    }
    // And the stage fades out to the window's body colour at its edges.
    EXPECT_EQ(stage.at(0, 300), window.at(200, 300));
    EXPECT_EQ(stage.at(stage.width() - 1, 497), window.at(200, 300));
}

// Pages are as wide as the panel's client; their right margin shows beside
// the 242-wide headers and must be the panel's own colour.
TEST(SkinImages, PagesEndInThePanelColour)
{
    const Picture panel(L"Skins/BK_MainRight.png");
    ASSERT_TRUE(panel.loaded());
    const Colour flat = panel.at(0, 0);
    EXPECT_EQ(panel.at(246, 562), flat);
    for (const wchar_t* page :
         {L"Skins/DPISetting/BK_DPISetting.png", L"Skins/Lighting/BK_Lighting.png",
          L"Skins/USBReportRate/BK_USBReportRate.png", L"Skins/MouseAttribute/BK_MouseAttribute.png",
          L"Skins/MouseAttribute/BK_ScrollSpeed.png", L"Skins/AngleSnap/BK_AngleSnap.png"}) {
        SCOPED_TRACE(page);
        const Picture p(page);
        ASSERT_TRUE(p.loaded());
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 242; x < 247; ++x) {
                ASSERT_EQ(p.at(x, y), flat) << "pixel " << x << ", " << y;
            }
        }
    }
}

// Each hot spot's target sits on the mouse picture, and the hot spot's ring
// or dot is centred on it.
TEST(SkinImages, HotSpotTargetsLieOnTheMouse)
{
    struct Spot {
        int canvasX, canvasY, targetX, targetY;
    };
    const Spot front[] = {{370, 102, 460, 112}, {560, 102, 564, 112}, {505, 175, 512, 185}, {350, 222, 408, 232},
                          {355, 275, 408, 285}, {505, 230, 512, 240}, {505, 265, 512, 275}};
    const Spot side[] = {{400, 154, 410, 270}, {325, 146, 335, 292}, {415, 255, 432, 262}, {490, 280, 508, 295},
                         {535, 272, 552, 289}, {480, 140, 490, 250}, {507, 140, 517, 248}};
    struct View {
        const wchar_t* mouse;
        int mouseX, mouseY;
        const wchar_t* prefix;
        const Spot* spots;
    };
    const View views[] = {{L"Skins/Mouse/Front/MouseFront.png", 403, 60, L"Skins/Mouse/Front/F-", front},
                          {L"Skins/Mouse/Side/MouseSide.png", 295, 232, L"Skins/Mouse/Side/S-", side}};
    for (const View& v : views) {
        const Picture mouse(v.mouse);
        ASSERT_TRUE(mouse.loaded());
        for (int k = 1; k <= 7; ++k) {
            const Spot& s = v.spots[k - 1];
            SCOPED_TRACE(std::wstring(v.prefix) + std::to_wstring(k));
            EXPECT_EQ(mouse.at(s.targetX - v.mouseX, s.targetY - v.mouseY).a, 255);
            for (const wchar_t* state : {L"-normal.png", L"-over.png"}) {
                const Picture spot(std::wstring(v.prefix) + std::to_wstring(k) + state);
                ASSERT_TRUE(spot.loaded());
                const int x = s.targetX - s.canvasX;
                const int y = s.targetY - s.canvasY;
                EXPECT_GT(spot.at(x - 2, y).a, 0) << state;
                EXPECT_GT(spot.at(x + 2, y).a, 0) << state;
                EXPECT_GT(spot.at(x, y - 2).a, 0) << state;
                EXPECT_GT(spot.at(x, y + 2).a, 0) << state;
            }
        }
    }
}

// The report-rate page tells the rate by the lit quarter alone: each picture
// must light its own quarter round the ring centre (64, 61) and no other.
TEST(SkinImages, RateQuartersLightOnlyTheirOwnQuarter)
{
    struct Quarter {
        const wchar_t* file;
        int signX, signY;  // the quarter's side of the centre, y down
    };
    const Quarter quarters[] = {{L"Skins/USBReportRate/1000HZ.png", 1, -1},
                                {L"Skins/USBReportRate/500HZ.png", 1, 1},
                                {L"Skins/USBReportRate/250HZ.png", -1, 1},
                                {L"Skins/USBReportRate/125HZ.png", -1, -1}};
    constexpr int kGlowAcrossAxis = 3;
    for (const Quarter& q : quarters) {
        SCOPED_TRACE(q.file);
        const Picture p(q.file);
        ASSERT_TRUE(p.loaded());
        // Lit in the middle of its own quarter, at the ring's mid radius.
        EXPECT_EQ(p.at(64 + q.signX * 34, 61 + q.signY * 34).a, 255);
        for (int y = 0; y < p.height(); ++y) {
            for (int x = 0; x < p.width(); ++x) {
                if (p.at(x, y).a == 0) {
                    continue;
                }
                ASSERT_GE((x - 64) * q.signX, -kGlowAcrossAxis) << "pixel " << x << ", " << y;
                ASSERT_GE((y - 61) * q.signY, -kGlowAcrossAxis) << "pixel " << x << ", " << y;
            }
        }
    }
}

// Pointer speed n lights the wedges from the slow end up to level n's wedge
// and not the next one. Wedge angles count counter-clockwise from the right:
// level n (2..11) spans 18(11 - n) .. 18(12 - n) degrees, level 2 ends at
// 175 and level 1 is 175 .. 180.
TEST(SkinImages, SpeedLevelsLightUpToTheirOwnWedge)
{
    auto middleAngle = [](int level) {
        if (level == 1) {
            return 177.5;
        }
        if (level == 2) {
            return (18.0 * 9 + 175.0) / 2;
        }
        return 18.0 * (11 - level) + 9.0;
    };
    auto litAt = [](const Picture& p, double degrees) {
        const double a = degrees * std::numbers::pi / 180.0;
        const int x = static_cast<int>(std::lround(71 + 57 * std::cos(a)));
        const int y = static_cast<int>(std::lround(71 - 57 * std::sin(a)));
        return p.at(x, y).a == 255;
    };
    for (int level = 1; level <= 11; ++level) {
        SCOPED_TRACE(level);
        const Picture p(L"Skins/MouseAttribute/Speed/" + std::to_wstring(level) + L".png");
        ASSERT_TRUE(p.loaded());
        for (int wedge = 1; wedge <= 11; ++wedge) {
            EXPECT_EQ(litAt(p, middleAngle(wedge)), wedge <= level) << "wedge " << wedge;
        }
    }
}

}  // namespace
