#include "skin/list_box_ex.h"

#include "classlib/window_test_helpers.h"
#include "classlib/wnd.h"
#include "canvas_test_helper.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using skintest::Canvas;

namespace {

constexpr UINT kListId = 130;
constexpr COLORREF kListBackground = RGB(40, 40, 40);
constexpr COLORREF kListText = RGB(250, 250, 250);
constexpr COLORREF kSelectedBackground = RGB(72, 24, 24);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The owner of the list: gives it dark colours, as the skinned windows do,
// and notes the item data of every deleted item.
class ListOwner : public CWnd {
public:
    CBrush listBrush{kListBackground};
    std::vector<ULONG_PTR> deletedData;

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd*, UINT kind)
    {
        if (kind != CTLCOLOR_LISTBOX)
            return reinterpret_cast<HBRUSH>(Default());
        dc->SetBkColor(kListBackground);
        dc->SetTextColor(kListText);
        return listBrush;
    }
    LRESULT OnDeleteItem(WPARAM, LPARAM lParam)
    {
        deletedData.push_back(reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->itemData);
        return TRUE;
    }

    DECLARE_MESSAGE_TABLE(ListOwner, CWnd)
};

BEGIN_MESSAGE_TABLE(ListOwner)
    MAP_CTLCOLOR(OnCtlColor)
    MAP_MESSAGE(WM_DELETEITEM, OnDeleteItem)
END_MESSAGE_TABLE()

class ListBoxExTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateTopLevel(owner, WS_POPUP));
        // Pixels are read back from the screen: the window lies on top, where
        // no window of the other tests running beside this one does.
        owner.SetWindowPos(HWND_TOPMOST, 300, 640, 300, 200, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                CRect(0, 0, 160, 120), &owner, kListId));
        list.m_crSelectedBackground = kSelectedBackground;
        list.m_crSelectedText = kWhite;
        for (const wchar_t* name : {L"Profile 1", L"Profile 2", L"Profile 3"})
            list.AddString(name);
        list.UpdateWindow();
    }
    void TearDown() override { PumpPending(); }

    // The colours on the screen within item `index` (or where it was).
    std::set<COLORREF> RowColours(int index)
    {
        CRect row;
        list.GetItemRect(0, &row);
        row.OffsetRect(0, index * row.Height());
        std::set<COLORREF> colours;
        const HDC dc = ::GetDC(list);
        for (LONG y = row.top; y < row.bottom; ++y)
            for (LONG x = row.left; x < row.right; ++x)
                colours.insert(::GetPixel(dc, x, y));
        ::ReleaseDC(list, dc);
        return colours;
    }

    ListOwner owner;
    CListBoxEx list;
};

TEST_F(ListBoxExTest, SelectedItemTakesTheSkinColoursAndTheOthersTheOwners)
{
    list.SetCurSel(1);
    list.UpdateWindow();

    // The bar and the cells behind the letters are one colour: no trace of
    // the owner's background in the selected row.
    const std::set<COLORREF> selected = RowColours(1);
    EXPECT_EQ(selected.count(kSelectedBackground), 1u);
    EXPECT_EQ(selected.count(kWhite), 1u);
    EXPECT_EQ(selected.count(kListBackground), 0u);

    for (int other : {0, 2}) {
        const std::set<COLORREF> plain = RowColours(other);
        EXPECT_EQ(plain.count(kListBackground), 1u) << other;
        EXPECT_EQ(plain.count(kListText), 1u) << other;
        EXPECT_EQ(plain.count(kSelectedBackground), 0u) << other;
    }

    // Moving the selection gives the previous item the owner's look back.
    list.SetCurSel(2);
    list.UpdateWindow();
    EXPECT_EQ(RowColours(1).count(kSelectedBackground), 0u);
    EXPECT_EQ(RowColours(1).count(kListText), 1u);
    EXPECT_EQ(RowColours(2).count(kSelectedBackground), 1u);
}

TEST_F(ListBoxExTest, EmptyListDrawsNothingEvenWhenAskedForAnItem)
{
    list.ResetContent();
    Canvas canvas(40, 20, RGB(0, 0, 255));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.itemID = 0;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ODS_SELECTED | ODS_FOCUS;
    item.hDC = canvas.dc.m_hDC;
    item.rcItem = CRect(0, 0, 40, 20);
    list.DrawItem(&item);
    EXPECT_EQ(canvas.At(20, 10), RGB(0, 0, 255));
}

TEST_F(ListBoxExTest, DeleteStringClearsTheItemDataAndRepaintsAtOnce)
{
    list.SetItemData(2, 0x1234);
    list.SetCurSel(2);
    list.UpdateWindow();
    ASSERT_EQ(RowColours(2).count(kSelectedBackground), 1u);

    EXPECT_EQ(list.DeleteString(2), 2);
    // Nothing was pumped: the row where the item was is already repainted.
    EXPECT_EQ(RowColours(2), std::set<COLORREF>{kListBackground});
    ASSERT_EQ(owner.deletedData.size(), 1u);
    EXPECT_EQ(owner.deletedData[0], 0u);

    EXPECT_EQ(list.DeleteString(0), 1);
    EXPECT_EQ(list.DeleteString(0), 0);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(RowColours(0), std::set<COLORREF>{kListBackground});
    EXPECT_EQ(list.DeleteString(0), LB_ERR);
}

}  // namespace
