#pragma once
// The texts of owner-drawn menu items. The system keeps no text for an
// owner-drawn item, so the menu keeps them here, keyed by command id.

#include "classlib/cstring.h"

#include <windows.h>

#include <memory>

class CMenuItemList {
public:
    CMenuItemList() = default;
    virtual ~CMenuItemList();
    CMenuItemList(const CMenuItemList&) = delete;
    CMenuItemList& operator=(const CMenuItemList&) = delete;

    // Appends a record at the tail. `imageIndex` and `state` are kept with
    // the item as the menu's owner passed them; drawing does not use them.
    void AddItem(LPCWSTR text, UINT id, int imageIndex = -1, int state = 0);
    // The text of the first record with `id`; empty when there is none.
    CString GetItemText(UINT id) const;
    void RemoveAll();

    int GetCount() const { return m_nCount; }

private:
    struct Record {
        CString text;
        UINT id = 0;
        int imageIndex = -1;
        int state = 0;
        std::unique_ptr<Record> next;
    };

    int m_nCount = 0;
    std::unique_ptr<Record> m_pHead;
    Record* m_pTail = nullptr;
};
