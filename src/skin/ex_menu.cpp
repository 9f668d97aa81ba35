#include "skin/ex_menu.h"

#include <algorithm>
#include <cwchar>
#include <optional>

CExMenu::CExMenu(CFont* font) : m_pFont(font) {}

CExMenu::~CExMenu()
{
    m_ItemList.RemoveAll();
}

BOOL CExMenu::AppendMenu(UINT id, LPCWSTR text, HMENU subMenu, int imageIndex, int state)
{
    if (!text)
        text = L"";
    BOOL appended = FALSE;
    if (subMenu) {
        // The system reports a popup item by its submenu's handle, whatever
        // id the caller had in mind; the text is kept under that value so
        // that the item draws its text.
        id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(subMenu));
        appended = CMenu::AppendMenu(MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu));
    } else {
        appended = CMenu::AppendMenu(MF_OWNERDRAW, id);
    }
    m_ItemList.AddItem(text, id, imageIndex, state);
    m_nMenuWidth = std::max(m_nMenuWidth, 8 * static_cast<int>(std::wcslen(text)));
    return appended;
}

void CExMenu::MeasureItem(LPMEASUREITEMSTRUCT item)
{
    item->itemWidth = static_cast<UINT>(m_nMenuWidth);
    item->itemHeight = static_cast<UINT>(m_nItemHeight + 2);
}

void CExMenu::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC* dc = CDC::FromHandle(item->hDC);
    if (!dc)
        return;
    const CRect rect(item->rcItem);
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    dc->FillSolidRect(&rect, selected ? m_crSelectedBackground : m_crBackground);

    dc->SetBkMode(TRANSPARENT);
    const CString text = m_ItemList.GetItemText(item->itemID);
    const COLORREF previousColour = dc->SetTextColor(selected ? m_crSelectedText : m_crText);
    {
        std::optional<ScopedSelectObject> font;
        if (m_pFont && m_pFont->GetSafeHandle())
            font.emplace(*dc, *m_pFont);
        const CSize extent = dc->GetTextExtent(text);
        dc->TextOut(rect.left + 2, rect.top + (m_nItemHeight - extent.cy) / 2, text);
    }
    dc->SetTextColor(previousColour);

    // Nothing of the system's goes over the item afterwards, such as the
    // arrow of a popup item.
    dc->ExcludeClipRect(&rect);
}
