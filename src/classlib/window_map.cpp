#include "classlib/window_map.h"

#include "classlib/gdi.h"
#include "classlib/wnd.h"

#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

// The parts of CWnd that only the window procedure and the creation hook use.
struct WndAccess {
    static void Bind(CWnd& object, HWND window)
    {
        object.m_hWnd = window;
        object.m_pfnSuper = wndmap::InstallProcedure(window);
    }
    static void ReleaseAfterNcDestroy(CWnd& object) { object.ReleaseAfterNcDestroy(); }
};

namespace wndmap {
namespace {

std::mutex g_permanentLock;

std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    // Never destroyed: objects that static destructors tear down at exit may
    // still look themselves up.
    static auto* map = new std::unordered_map<HWND, CWnd*>;
    return *map;
}

struct TemporaryDeleter {
    void operator()(CWnd* object) const
    {
        object->m_hWnd = nullptr;  // a temporary never destroys its window
        delete object;
    }
};

thread_local std::unordered_map<HWND, std::unique_ptr<CWnd, TemporaryDeleter>> t_temporaries;

// The message the innermost running window procedure of this thread handles,
// for CWnd::Default.
struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
thread_local CurrentMessage t_current;
thread_local int t_depth = 0;

thread_local CWnd* t_pendingObject = nullptr;
thread_local HWND t_pendingParent = nullptr;
thread_local HHOOK t_creationHook = nullptr;
thread_local int t_creationScopes = 0;

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pendingObject) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (create->lpcs->hwndParent == t_pendingParent) {
            CWnd* object = std::exchange(t_pendingObject, nullptr);
            const auto window = reinterpret_cast<HWND>(wParam);
            if (Insert(window, object))
                WndAccess::Bind(*object, window);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT Deliver(CWnd& object, HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    const CurrentMessage saved = t_current;
    t_current = {message, wParam, lParam};
    ++t_depth;
    const LRESULT result = object.WindowProc(message, wParam, lParam);
    // A handler may have let go of the window already, or deleted the object.
    if (message == WM_NCDESTROY && Find(window) == &object)
        WndAccess::ReleaseAfterNcDestroy(object);
    --t_depth;
    t_current = saved;
    return result;
}

}  // namespace

CWnd* Find(HWND window)
{
    std::lock_guard lock(g_permanentLock);
    const auto found = PermanentMap().find(window);
    return found == PermanentMap().end() ? nullptr : found->second;
}

bool Insert(HWND window, CWnd* object)
{
    std::lock_guard lock(g_permanentLock);
    return PermanentMap().emplace(window, object).second;
}

void Remove(HWND window, const CWnd* object)
{
    std::lock_guard lock(g_permanentLock);
    const auto found = PermanentMap().find(window);
    if (found != PermanentMap().end() && found->second == object)
        PermanentMap().erase(found);
}

CWnd* Temporary(HWND window)
{
    auto& slot = t_temporaries[window];
    if (!slot) {
        slot.reset(new CWnd);
        slot->m_hWnd = window;
    }
    return slot.get();
}

void ReleaseTemporaries()
{
    if (t_depth != 0)
        return;
    std::erase_if(t_temporaries, [](const auto& item) { return !::IsWindow(item.first); });
    ReleaseTemporaryGdiWrappers();
}

int HandlerDepth()
{
    return t_depth;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = Find(window);
    if (!object)
        return ::DefWindowProcW(window, message, wParam, lParam);
    return Deliver(*object, window, message, wParam, lParam);
}

WNDPROC InstallProcedure(HWND window)
{
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure)));
    return previous == &WindowProcedure ? nullptr : previous;
}

void RestoreProcedure(HWND window, WNDPROC previous)
{
    if (previous && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == &WindowProcedure)
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

CreationScope::CreationScope(CWnd* object, HWND parent) : m_savedObject(t_pendingObject), m_savedParent(t_pendingParent)
{
    t_pendingObject = object;
    t_pendingParent = parent;
    if (t_creationScopes++ == 0)
        t_creationHook = ::SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
}

CreationScope::~CreationScope()
{
    t_pendingObject = m_savedObject;
    t_pendingParent = m_savedParent;
    if (--t_creationScopes == 0) {
        ::UnhookWindowsHookEx(t_creationHook);
        t_creationHook = nullptr;
    }
}

}  // namespace wndmap

LRESULT CWnd::Default()
{
    return DefWindowProc(wndmap::t_current.message, wndmap::t_current.wParam, wndmap::t_current.lParam);
}
