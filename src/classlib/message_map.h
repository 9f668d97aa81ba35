#pragma once
// Message maps: the table of messages and commands a class handles.
//
// Each class that handles messages declares its table in its header and
// lists the entries in its .cpp. A message goes to the first entry that
// accepts it, looking at the class's own table first and then at its base
// class's table, and so on up to CCmdTarget; the order of the entries in a
// table is therefore the order in which they are tried.
//
// In the header, inside the class (the macro leaves `public:` in effect):
//
//     class CMyDialog : public CDialog {
//         ...
//         DECLARE_MESSAGE_TABLE(CMyDialog, CDialog)
//     };
//
// In the .cpp (the entry macros are in message_entries.h, which wnd.h
// includes):
//
//     BEGIN_MESSAGE_TABLE(CMyDialog)
//         MAP_PAINT(OnPaint)
//         MAP_COMMAND(1001, OnWebSite)
//         MAP_COMMAND_RANGE(1001, 4000, OnAssignCommand)
//         MAP_MESSAGE(WM_APP + 1, OnMyMessage)
//     END_MESSAGE_TABLE()
//
// Handlers are ordinary (usually protected) member functions; an entry names
// the handler of the class whose table it is in, or an inherited one.

#include <windows.h>

class CCmdTarget;

namespace msgmap {

// How an entry is matched against a call.
enum class Kind : unsigned char {
    End,                // closes a table
    Message,            // a window message, by number
    CtlColor,           // any WM_CTLCOLOR* message
    Command,            // WM_COMMAND from a menu, accelerator or button click, by id range
    Notification,       // WM_COMMAND with a given notification code, by id range
    Reflected,          // WM_COMMAND notification given back to the control that sent it
    ReflectedCtlColor,  // WM_CTLCOLOR* given back to the control it is about
};

// Where a message is being looked up: the window's own messages, the
// commands it receives, or the notifications reflected back to a control.
enum class Route : unsigned char { Message, Command, Reflected };

struct Call {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Runs the handler of an entry; returns whether the call counts as handled
// and leaves the message's result in `result`.
using Thunk = bool (*)(CCmdTarget& target, const Call& call, LRESULT& result);

struct Entry {
    Kind kind = Kind::End;
    UINT message = 0;  // Message: the window message
    UINT code = 0;     // Notification, Reflected: the notification code
    UINT firstId = 0;  // Command, Notification: the id range
    UINT lastId = 0;
    Thunk thunk = nullptr;

    bool Accepts(Route route, const Call& call) const;
};

struct Table {
    const Table* (*base)();  // null for the root table
    const Entry* entries;    // closed by an entry of kind End
};

// Looks `call` up along the class chain of `target` and runs the first entry
// that accepts it on `route`. Returns false when no entry accepts it.
bool Dispatch(CCmdTarget& target, Route route, const Call& call, LRESULT& result);

}  // namespace msgmap

#define DECLARE_MESSAGE_TABLE(theClass, baseClass)         \
public:                                                    \
    const ::msgmap::Table* GetMessageMap() const override; \
                                                           \
protected:                                                 \
    using BaseClass = baseClass;                           \
    static const ::msgmap::Table* ThisMessageTable();      \
                                                           \
public:

#define BEGIN_MESSAGE_TABLE(theClass)                      \
    const ::msgmap::Table* theClass::GetMessageMap() const \
    {                                                      \
        return ThisMessageTable();                         \
    }                                                      \
    const ::msgmap::Table* theClass::ThisMessageTable()    \
    {                                                      \
        using ThisClass = theClass;                        \
        static constexpr ::msgmap::Entry entries[] = {
#define END_MESSAGE_TABLE()                                                        \
    ::msgmap::Entry {}                                                             \
    }                                                                              \
    ;                                                                              \
    static constexpr ::msgmap::Table table{&BaseClass::ThisMessageTable, entries}; \
    return &table;                                                                 \
    }
