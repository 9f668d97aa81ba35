#include "skin/ex_menu.h"

#include "classlib/wnd.h"
#include "classlib/window_test_helpers.h"
#include "menu_test_helpers.h"
#include "skin/menu_wnd_hook.h"
#include "canvas_test_helper.h"

#include <gtest/gtest.h>

#include <set>

using skintest::Canvas;

namespace {

constexpr COLORREF kBackground = RGB(111, 41, 41);
constexpr COLORREF kSelected = RGB(143, 32, 32);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

UINT IdOf(HMENU subMenu)
{
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(subMenu));
}

// The owner of the shown menus: a window object, so that the class library
// routes the menus' measure and draw requests to their CExMenu objects.
class MenuOwner : public CWnd {};

class ExMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(owner, WS_POPUP));
        owner.ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override { PumpPending(); }

    // What the owner's WM_MEASUREITEM gives for the item reported as `itemId`.
    SIZE Measured(UINT itemId)
    {
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = itemId;
        owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
        return {static_cast<LONG>(item.itemWidth), static_cast<LONG>(item.itemHeight)};
    }

    MenuOwner owner;
};

// The colours found in `rect` of `canvas`.
std::set<COLORREF> ColoursIn(const Canvas& canvas, const RECT& rect)
{
    std::set<COLORREF> colours;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            colours.insert(canvas.At(x, y));
    return colours;
}

// The smallest rectangle holding every pixel of `colour` inside `rect`.
CRect InkBox(const Canvas& canvas, const RECT& rect, COLORREF colour)
{
    CRect box(rect.right, rect.bottom, rect.left, rect.top);
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (canvas.At(x, y) == colour) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

DRAWITEMSTRUCT DrawRequest(const Canvas& canvas, UINT itemId, RECT rect, UINT state)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = itemId;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = canvas.dc.m_hDC;
    item.rcItem = rect;
    return item;
}

TEST(MenuItemList, FirstRecordOfAnIdGivesItsTextAndUnknownIdsGiveNothing)
{
    CMenuItemList list;
    list.AddItem(L"Click", 2001);
    list.AddItem(L"Menu", 2002);
    list.AddItem(L"Later twin", 2001);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetItemText(2001), L"Click");
    EXPECT_EQ(list.GetItemText(2002), L"Menu");
    EXPECT_TRUE(list.GetItemText(2003).IsEmpty());

    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_TRUE(list.GetItemText(2001).IsEmpty());
    list.AddItem(L"Rebuilt", 2001);  // a rebuilt menu starts from an empty list
    EXPECT_EQ(list.GetItemText(2001), L"Rebuilt");
}

TEST_F(ExMenuTest, EveryItemIsAsWideAsTheLongestTextAndTwentyPixelsHigh)
{
    CExMenu sub(nullptr);
    ASSERT_TRUE(sub.CreatePopupMenu());
    CExMenu menu(nullptr);
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(2001, L"Click"));
    ASSERT_TRUE(menu.AppendMenu(0, L"Twelve chars", sub.m_hMenu, -1, 0));
    ASSERT_TRUE(menu.AppendMenu(2002, L"Menu"));  // a shorter text later does not shrink it

    EXPECT_EQ(Measured(2001).cx, 96);
    EXPECT_EQ(Measured(2001).cy, 20);
    EXPECT_EQ(Measured(IdOf(sub.m_hMenu)).cx, 96);
    EXPECT_EQ(Measured(2002).cy, 20);

    // Owners may set the width themselves before the menu is shown.
    menu.m_nMenuWidth = 120;
    EXPECT_EQ(Measured(2002).cx, 120);
    sub.Detach();  // the submenu goes with its parent menu
}

TEST(ExMenuDrawing, TextStartsTwoPixelsInAndIsCentredOnTheEighteenPixelLine)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                NONANTIALIASED_QUALITY, FF_SWISS, L"Arial"));
    CExMenu menu(&font);
    menu.m_ItemList.AddItem(L"HHHH", 7);
    Canvas canvas(120, 60, kBlue);
    const CRect rect(10, 30, 110, 50);
    DRAWITEMSTRUCT item = DrawRequest(canvas, 7, rect, 0);
    menu.DrawItem(&item);

    SIZE extent{};
    {
        ScopedSelectObject select(canvas.dc, font);
        ::GetTextExtentPoint32W(canvas.dc, L"HHHH", 4, &extent);
    }
    const int top = rect.top + (18 - extent.cy) / 2;
    const CRect ink = InkBox(canvas, rect, kWhite);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.left, rect.left + 2);
    EXPECT_LE(ink.left, rect.left + 4);  // an H stands almost at its origin
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + extent.cy);
    EXPECT_LE(ink.right, rect.left + 2 + extent.cx);

    // The font was put back: the device context measures as it did before.
    HGDIOBJ current = ::GetCurrentObject(canvas.dc, OBJ_FONT);
    EXPECT_NE(current, font.m_hObject);
}

TEST(ExMenuDrawing, ItemWithoutTextIsAPlainBarAndNothingIsDrawnOverItLater)
{
    CExMenu menu(nullptr);
    Canvas canvas(60, 40, kBlue);
    const CRect rect(0, 10, 60, 30);
    DRAWITEMSTRUCT item = DrawRequest(canvas, 99, rect, ODS_SELECTED);
    menu.DrawItem(&item);
    EXPECT_EQ(ColoursIn(canvas, rect), std::set<COLORREF>{kSelected});

    // What the system draws after the item (a submenu arrow, say) is clipped.
    canvas.dc.FillSolidRect(0, 0, 60, 40, RGB(0, 0, 0));
    EXPECT_EQ(ColoursIn(canvas, rect), std::set<COLORREF>{kSelected});
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(0, 35), RGB(0, 0, 0));
}

// Checks, inside the shown menu, that the item at `position` of `menu`
// shows `fill` and its text in white, and nothing else.
void ExpectItemLooks(HMENU menu, UINT position, HWND menuWindow, COLORREF fill)
{
    const RECT item = menutest::ItemRectInWindow(menu, position, menuWindow);
    ASSERT_FALSE(::IsRectEmpty(&item));
    EXPECT_EQ(item.bottom - item.top, 20);
    std::set<COLORREF> colours;
    const HDC dc = ::GetWindowDC(menuWindow);
    for (LONG y = item.top; y < item.bottom; ++y)
        for (LONG x = item.left; x < item.right; ++x)
            colours.insert(::GetPixel(dc, x, y));
    ::ReleaseDC(menuWindow, dc);
    EXPECT_EQ(colours.count(fill), 1u) << "item " << position;
    EXPECT_EQ(colours.count(kWhite), 1u) << "item " << position;
    colours.erase(fill);
    colours.erase(kWhite);
    EXPECT_TRUE(colours.empty()) << "item " << position << " has " << colours.size() << " other colours";
}

TEST_F(ExMenuTest, ShownMenuAndSubmenuDrawTheirItemsAndGetTheFlatFrame)
{
    ASSERT_TRUE(CMenuWndHook::InstallHook(::GetModuleHandleW(nullptr)));

    CExMenu sub(nullptr);
    ASSERT_TRUE(sub.CreatePopupMenu());
    sub.AppendMenu(2020, L"DPI +");
    sub.AppendMenu(2021, L"DPI -");
    CExMenu menu(nullptr);
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(2001, L"Click");
    menu.AppendMenu(0, L"DPI Setting +", sub.m_hMenu, -1, 0);
    menu.AppendMenu(2002, L"Menu");

    HWND mainWindow = nullptr;
    menutest::MenuStepHook steps([&](int step) {
        const std::vector<HWND> windows = menutest::MenuWindows();
        if (step == 1) {  // after the first Down: the first item is selected
            ASSERT_EQ(windows.size(), 1u);
            mainWindow = windows[0];
            EXPECT_EQ(g_MenuWndMap.GetCount(), 1);
            ExpectItemLooks(menu, 0, mainWindow, kSelected);
            ExpectItemLooks(menu, 1, mainWindow, kBackground);
            ExpectItemLooks(menu, 2, mainWindow, kBackground);
        } else if (step == 3) {  // after Right: the submenu is open
            ASSERT_EQ(windows.size(), 2u);
            EXPECT_EQ(windows[0], mainWindow);
            EXPECT_EQ(g_MenuWndMap.GetCount(), 2);
            // The popup item shows its text and no arrow of the system's.
            ExpectItemLooks(menu, 1, mainWindow, kSelected);
            ExpectItemLooks(sub, 1, windows[1], kBackground);
            // The subclassed window draws the flat frame when asked to paint
            // its border.
            EXPECT_EQ(::SendMessageW(windows[1], WM_NCPAINT, 1, 0), 0);
            EXPECT_EQ(menutest::WindowPixel(windows[1], 0, 0), kSelected);
            EXPECT_EQ(menutest::WindowPixel(windows[1], 1, 1), kBackground);
            EXPECT_EQ(menutest::WindowPixel(windows[1], 2, 2), kBackground);
        }
    });
    menutest::QueueKeys(owner, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE});
    // Pixels are read back from the screen: the menu opens where no window of
    // the other tests running beside this one lies.
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 760, 60, &owner);

    EXPECT_EQ(steps.steps(), 5);
    EXPECT_EQ(g_MenuWndMap.GetCount(), 0);  // every menu window let go of its record
    sub.Detach();
}

}  // namespace
