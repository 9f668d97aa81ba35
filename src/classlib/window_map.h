#pragma once
// Inside the library: which object belongs to which window, the message
// being handled on this thread, and the binding of windows at creation.

#include <windows.h>

class CWnd;

namespace wndmap {

// Permanent bindings (one process-wide table; any thread may look up).
CWnd* Find(HWND window);
bool Insert(HWND window, CWnd* object);
void Remove(HWND window, const CWnd* object);

// A temporary object for a window that has no permanent one; kept until
// ReleaseTemporaries finds the window gone.
CWnd* Temporary(HWND window);

// Frees the temporary objects of windows that no longer exist. Does nothing
// while a window procedure runs on this thread, since a handler further up
// may still hold one.
void ReleaseTemporaries();

// How many window procedures of this library are running on this thread.
int HandlerDepth();

// The procedure every bound window runs.
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Puts WindowProcedure on `window`; returns the procedure it replaces, or
// null when the window already had it.
WNDPROC InstallProcedure(HWND window);
// Gives `window` back `previous` when it still runs WindowProcedure.
void RestoreProcedure(HWND window, WNDPROC previous);

// While a CreationScope lives, the first window created on this thread by
// the creation call it wraps is bound to `object` and subclassed, before it
// receives any message. `parent` is the parent or owner that the call names,
// to tell the window apart from helper windows the system may create first.
class CreationScope {
public:
    CreationScope(CWnd* object, HWND parent);
    ~CreationScope();
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;

private:
    CWnd* m_savedObject;
    HWND m_savedParent;
};

}  // namespace wndmap
