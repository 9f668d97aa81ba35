#include "skin/menu_item_list.h"

CMenuItemList::~CMenuItemList()
{
    RemoveAll();
}

void CMenuItemList::AddItem(LPCWSTR text, UINT id, int imageIndex, int state)
{
    auto record = std::make_unique<Record>();
    record->text = text;
    record->id = id;
    record->imageIndex = imageIndex;
    record->state = state;
    Record* added = record.get();
    if (m_pTail)
        m_pTail->next = std::move(record);
    else
        m_pHead = std::move(record);
    m_pTail = added;
    ++m_nCount;
}

CString CMenuItemList::GetItemText(UINT id) const
{
    for (const Record* record = m_pHead.get(); record; record = record->next.get()) {
        if (record->id == id)
            return record->text;
    }
    return CString();
}

void CMenuItemList::RemoveAll()
{
    // One record at a time, so that a long list is not freed by a deep chain
    // of destructor calls.
    while (m_pHead)
        m_pHead = std::move(m_pHead->next);
    m_pTail = nullptr;
    m_nCount = 0;
}
