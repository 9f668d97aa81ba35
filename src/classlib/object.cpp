#include "classlib/object.h"

namespace msgmap {

bool Entry::Accepts(Route route, const Call& call) const
{
    const bool ctlColor = call.message >= WM_CTLCOLORMSGBOX && call.message <= WM_CTLCOLORSTATIC;
    const UINT id = LOWORD(call.wParam);
    const UINT notifyCode = HIWORD(call.wParam);
    const bool inRange = id >= firstId && id <= lastId;
    switch (route) {
    case Route::Message:
        return (kind == Kind::Message && message == call.message) || (kind == Kind::CtlColor && ctlColor);
    case Route::Command:
        if (call.message != WM_COMMAND)
            return false;
        if (kind == Kind::Command)
            return notifyCode <= 1 && inRange;
        return kind == Kind::Notification && notifyCode == code && inRange;
    case Route::Reflected:
        if (kind == Kind::Reflected)
            return call.message == WM_COMMAND && notifyCode == code;
        return kind == Kind::ReflectedCtlColor && ctlColor;
    }
    return false;
}

bool Dispatch(CCmdTarget& target, Route route, const Call& call, LRESULT& result)
{
    for (const Table* table = target.GetMessageMap(); table; table = table->base ? table->base() : nullptr) {
        for (const Entry* entry = table->entries; entry->kind != Kind::End; ++entry) {
            if (entry->Accepts(route, call))
                return entry->thunk(target, call, result);
        }
    }
    return false;
}

}  // namespace msgmap

const msgmap::Table* CCmdTarget::ThisMessageTable()
{
    static constexpr msgmap::Entry entries[] = {msgmap::Entry{}};
    static constexpr msgmap::Table table{nullptr, entries};
    return &table;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code)
{
    LRESULT ignored = 0;
    const msgmap::Call call{WM_COMMAND, MAKEWPARAM(id, code), 0};
    return msgmap::Dispatch(*this, msgmap::Route::Command, call, ignored) ? TRUE : FALSE;
}

namespace {

int g_waitCursorDepth = 0;
HCURSOR g_cursorBeforeWait = nullptr;

}  // namespace

void CCmdTarget::BeginWaitCursor()
{
    HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    if (g_waitCursorDepth++ == 0)
        g_cursorBeforeWait = previous;
}

void CCmdTarget::EndWaitCursor()
{
    if (g_waitCursorDepth == 0)
        return;
    if (--g_waitCursorDepth == 0)
        ::SetCursor(g_cursorBeforeWait ? g_cursorBeforeWait : ::LoadCursorW(nullptr, IDC_ARROW));
}
