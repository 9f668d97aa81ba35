#pragma once
// The roots of the class tree: CObject for every library object with a
// virtual destructor, CCmdTarget for objects that own a message table
// (windows and the application object).

#include "classlib/message_map.h"

#include <windows.h>

class CObject {
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

class CCmdTarget : public CObject {
public:
    // The table of the object's own class; each class with a table of its
    // own overrides it through DECLARE_MESSAGE_TABLE.
    virtual const msgmap::Table* GetMessageMap() const { return ThisMessageTable(); }

    // Runs the command entry that accepts command `id` with notification
    // `code` (0 for menus and button clicks, 1 for accelerators); false when
    // no entry does.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

    // The wait cursor while a long operation runs. Calls nest; the cursor
    // that was shown before the outermost Begin comes back with its End.
    void BeginWaitCursor();
    void EndWaitCursor();

protected:
    static const msgmap::Table* ThisMessageTable();
};
