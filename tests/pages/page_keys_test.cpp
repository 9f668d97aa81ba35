// Enter, Space, Escape and F1 pressed on any of the small pages neither close
// the page nor reach a default button; other keys still reach the page.

#include "pages/dlg_angle_snap.h"
#include "pages/dlg_double_click.h"
#include "pages/dlg_mouse_speed.h"
#include "pages/dlg_mouse_wheel_speed.h"
#include "pages/dlg_usb_report_rate.h"

#include "clickable_page_host.h"
#include "resource.h"

using namespace pagetest;

namespace {

class PageKeysTest : public PageTest {
protected:
    // Presses `keys` with the focus on `target` inside `page`; whether the
    // page is still shown afterwards.
    bool SurvivesKeys(CDialog& page, HWND target, std::initializer_list<WORD> keys)
    {
        page.ShowWindow(SW_SHOW);
        ::SetFocus(target);
        PressKeys(keys);
        return page.IsWindowVisible() != FALSE;
    }
};

}  // namespace

TEST_F(PageKeysTest, DialogKeysAreSwallowedOnEveryPage)
{
    CDlgUSBReportRate reportRate;
    CDlgMouseSpeed mouseSpeed;
    CDlgDoubleClick doubleClick;
    CDlgMouseWheelSpeed wheel;
    CDlgAngleSnap angleSnap;
    ASSERT_NO_FATAL_FAILURE(Open(reportRate, kReportRatePageSize));
    ASSERT_NO_FATAL_FAILURE(Open(mouseSpeed, kSpeedPageSize));
    ASSERT_NO_FATAL_FAILURE(Open(doubleClick, kSpeedPageSize));
    ASSERT_NO_FATAL_FAILURE(Open(wheel, kWheelPageSize));
    ASSERT_NO_FATAL_FAILURE(Open(angleSnap, kAngleSnapPageSize));

    const HWND wheelEdit = ::GetDlgItem(wheel, IDC_WHEEL_LINES);
    for (CDialog* page : std::initializer_list<CDialog*>{&reportRate, &mouseSpeed, &doubleClick, &wheel, &angleSnap}) {
        EXPECT_TRUE(SurvivesKeys(*page, *page, {VK_ESCAPE, VK_RETURN, VK_SPACE, VK_F1})) << page->m_nIDTemplate;
        const HWND inner = page == &wheel ? wheelEdit : page->m_hWnd;
        EXPECT_TRUE(SurvivesKeys(*page, inner, {VK_ESCAPE, VK_RETURN})) << page->m_nIDTemplate;
    }

    // The same keys reach the dialog manager when no page filters them: the
    // page would close (which is what the filter prevents).
    class UnfilteredPage : public CDialog {
    public:
        UnfilteredPage() : CDialog(IDD_PAGE_ANGLE_SNAP) {}
    } unfiltered;
    ASSERT_TRUE(unfiltered.Create(IDD_PAGE_ANGLE_SNAP, &host));
    EXPECT_FALSE(SurvivesKeys(unfiltered, unfiltered, {VK_ESCAPE}));

    // Keys that are no dialog keys still reach the edit.
    ::SendMessageW(wheelEdit, EM_SETSEL, 0, -1);
    EXPECT_TRUE(SurvivesKeys(wheel, wheelEdit, {'4', '2'}));
    EXPECT_EQ(g_Settings.WheelLines, 42);
}
