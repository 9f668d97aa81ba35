// The USB report rate page: real clicks on the ring's quarters, the rate
// picture read back from the screen, and codes without a rate of their own.

#include "pages/dlg_usb_report_rate.h"

#include "clickable_page_host.h"

using namespace pagetest;

namespace {

// Inside the ring picture's rectangle (57, 5, 185, 128).
constexpr POINT kInRing{60, 8};

class ReportRatePageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(Open(page, kReportRatePageSize));
    }

    COLORREF RingPixel() { return Pixel(page, kInRing.x, kInRing.y); }

    CDlgUSBReportRate page;
};

}  // namespace

TEST_F(ReportRatePageTest, RealClicksOnEachQuarterPickItsRate)
{
    struct Case {
        POINT point;
        uint8_t code;
        int rate;
    };
    // Ring centre (121, 66); each point at r = 35.
    const Case cases[] = {{{142, 38}, 1, 1000}, {{142, 94}, 2, 500},  {{100, 94}, 4, 250},
                          {{100, 38}, 8, 125},  {{150, 40}, 1, 1000}, {{90, 90}, 4, 250}};
    for (const Case& c : cases) {
        Click(page, c.point.x, c.point.y);
        EXPECT_EQ(g_Settings.ReportRateCode, c.code) << c.point.x << ", " << c.point.y;
        EXPECT_EQ(ShownPixel(page, kInRing.x, kInRing.y), RateColour(c.rate)) << "redrawn at once";
    }
}

TEST_F(ReportRatePageTest, AxisLinesCentreAndFarClicksChangeNothingButRedraw)
{
    g_Settings.ReportRateCode = 8;
    for (POINT nothing : {POINT{121, 20}, POINT{160, 66}, POINT{121, 66}, POINT{200, 120}}) {
        Mark(page, kInRing.x, kInRing.y, RGB(255, 0, 255));
        Click(page, nothing.x, nothing.y);
        EXPECT_EQ(g_Settings.ReportRateCode, 8);
        EXPECT_EQ(ShownPixel(page, kInRing.x, kInRing.y), RateColour(125)) << nothing.x << ", " << nothing.y;
    }
}

TEST_F(ReportRatePageTest, CodesWithoutARateShow500HzAndHold2AfterTheFirstPaint)
{
    for (uint8_t code : {0, 3, 5, 255}) {
        g_Settings.ReportRateCode = code;
        EXPECT_EQ(RingPixel(), RateColour(500)) << int(code);
        EXPECT_EQ(g_Settings.ReportRateCode, 2) << int(code);
    }
    for (auto [code, rate] : {std::pair{1, 1000}, std::pair{4, 250}, std::pair{8, 125}}) {
        g_Settings.ReportRateCode = static_cast<uint8_t>(code);
        EXPECT_EQ(RingPixel(), RateColour(rate));
        EXPECT_EQ(g_Settings.ReportRateCode, code);
    }
}

TEST_F(ReportRatePageTest, InstalledPicturesLightTheChosenQuarter)
{
    UseInstalledSkins();
    auto redness = [this](POINT p) {
        const COLORREF c = Pixel(page, p.x, p.y);
        return int(GetRValue(c)) - int(GetGValue(c));
    };
    const POINT upperRight{121 + 34, 66 - 34};
    const POINT lowerLeft{121 - 34, 66 + 34};
    g_Settings.ReportRateCode = 1;
    EXPECT_GT(redness(upperRight), 40);
    EXPECT_LT(redness(lowerLeft), 20);
    g_Settings.ReportRateCode = 4;
    EXPECT_GT(redness(lowerLeft), 40);
    EXPECT_LT(redness(upperRight), 20);
}
