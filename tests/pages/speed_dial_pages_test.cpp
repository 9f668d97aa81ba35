// The pointer-speed and double-click pages: one dial design over two record
// fields, clicked with real input and read back from the screen.

#include "pages/dlg_double_click.h"
#include "pages/dlg_mouse_speed.h"

#include "classlib/debug_output.h"
#include "clickable_page_host.h"

#include <string>
#include <type_traits>
#include <vector>

using namespace pagetest;

namespace {

struct MouseSpeedPage {
    using Page = CDlgMouseSpeed;
    static uint8_t& Field() { return g_Settings.PointerSpeed; }
    static uint8_t& OtherField() { return g_Settings.DoubleClickSpeed; }
};

struct DoubleClickPage {
    using Page = CDlgDoubleClick;
    static uint8_t& Field() { return g_Settings.DoubleClickSpeed; }
    static uint8_t& OtherField() { return g_Settings.PointerSpeed; }
};

// A point inside the dial picture's rectangle (50, 20, 192, 103) and one of
// the background outside it.
constexpr POINT kInDial{60, 25};
constexpr POINT kOutside{5, 5};

template <class Kind> class SpeedDialPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(Open(page, kSpeedPageSize));
    }

    COLORREF DialPixel() { return Pixel(page, kInDial.x, kInDial.y); }

    typename Kind::Page page;
};

using DialPages = ::testing::Types<MouseSpeedPage, DoubleClickPage>;
TYPED_TEST_SUITE(SpeedDialPageTest, DialPages);

}  // namespace

TYPED_TEST(SpeedDialPageTest, RealClicksOnTheRingPickTheLevelAndTheDialShowsIt)
{
    struct Case {
        POINT point;
        int level;
    };
    const Case cases[] = {{{178, 71}, 10}, {{120, 31}, 6}, {{61, 87}, 1}, {{192, 91}, 11}};
    for (const Case& c : cases) {
        TypeParam::Field() = 6;
        TypeParam::OtherField() = 6;
        Click(this->page, c.point.x, c.point.y);
        EXPECT_EQ(TypeParam::Field(), c.level) << c.point.x << ", " << c.point.y;
        EXPECT_EQ(TypeParam::OtherField(), 6) << "the other dial's field";
        EXPECT_EQ(this->ShownPixel(this->page, kInDial.x, kInDial.y), DialColour(c.level)) << "redrawn at once";
    }
}

TYPED_TEST(SpeedDialPageTest, EachLevelDrawsItsOwnPictureAndNoneOutside1To11)
{
    for (int level = 1; level <= 11; ++level) {
        TypeParam::Field() = static_cast<uint8_t>(level);
        EXPECT_EQ(this->DialPixel(), DialColour(level)) << level;
        EXPECT_EQ(this->Pixel(this->page, kOutside.x, kOutside.y), kBackground);
    }
    for (int level : {0, 12, 255}) {
        TypeParam::Field() = static_cast<uint8_t>(level);
        EXPECT_EQ(this->DialPixel(), kBackground) << level;
    }
}

TYPED_TEST(SpeedDialPageTest, ClickBelowTheCentreIsIgnoredWithoutARedrawAndAMissPullsADamagedLevelIn)
{
    TypeParam::Field() = 0;  // from a damaged file: no dial picture
    EXPECT_EQ(this->DialPixel(), kBackground);

    this->Mark(this->page, kInDial.x, kInDial.y, RGB(255, 0, 255));
    Click(this->page, 121, 92);
    EXPECT_EQ(TypeParam::Field(), 0);
    EXPECT_EQ(this->ShownPixel(this->page, kInDial.x, kInDial.y), RGB(255, 0, 255)) << "not redrawn";

    Click(this->page, 121, 55);  // above the centre, inside the ring's hole
    EXPECT_EQ(TypeParam::Field(), 1);
    EXPECT_EQ(this->ShownPixel(this->page, kInDial.x, kInDial.y), DialColour(1));
}

TYPED_TEST(SpeedDialPageTest, LabelsSlowAndFastBesideTheDial)
{
    EXPECT_GT(this->PixelsOtherThanBackground(this->page, {5, 73, 50, 103}), 0) << "Slow";
    EXPECT_GT(this->PixelsOtherThanBackground(this->page, {192, 73, 237, 103}), 0) << "Fast";
    EXPECT_EQ(this->PixelsOtherThanBackground(this->page, {0, 0, 50, 70}), 0);
    EXPECT_EQ(this->PixelsOtherThanBackground(this->page, {192, 0, 247, 70}), 0);
}

TYPED_TEST(SpeedDialPageTest, OnlyTheDoubleClickPageTracesTheAngle)
{
    std::vector<std::wstring> traces;
    const DebugSink previous = SetDebugSink([&](const std::wstring& text) { traces.push_back(text); });
    Click(this->page, 121, 20);  // straight up
    Click(this->page, 121, 60);  // off the ring
    SetDebugSink(previous);

    if (std::is_same_v<TypeParam, DoubleClickPage>)
        EXPECT_EQ(traces, (std::vector<std::wstring>{L"angle/18:angle=90.000000,angle/18=5\n"}));
    else
        EXPECT_TRUE(traces.empty());
}

// The pictures the build installs: level n lights the dial from the slow end
// up to its own wedge.
TYPED_TEST(SpeedDialPageTest, InstalledDialPicturesLightUpToTheLevel)
{
    UseInstalledSkins();
    auto redness = [this](POINT p) {
        const COLORREF c = this->Pixel(this->page, p.x, p.y);
        return int(GetRValue(c)) - int(GetGValue(c));
    };
    // Mid-radius points of the wedges of levels 1 (177 degrees), 6 (99) and 11 (9).
    const POINT slowEnd{121 - 57, 91 - 3};
    const POINT middle{121 - 9, 91 - 56};
    const POINT fastEnd{121 + 56, 91 - 9};

    TypeParam::Field() = 6;
    EXPECT_GT(redness(slowEnd), 40);
    EXPECT_GT(redness(middle), 40);
    EXPECT_LT(redness(fastEnd), 20);
    TypeParam::Field() = 11;
    EXPECT_GT(redness(fastEnd), 40);
}
