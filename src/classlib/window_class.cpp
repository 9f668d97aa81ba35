#include "classlib/win_app.h"
#include "classlib/wnd.h"

#include <cwchar>
#include <mutex>
#include <set>
#include <string>

LPCWSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static std::mutex lock;
    static std::set<std::wstring> names;  // nodes never move: the pointers stay valid

    const HINSTANCE instance = AfxGetInstanceHandle();
    wchar_t name[96];
    std::swprintf(name, std::size(name), L"ClasslibWindow:%p:%x:%p:%p:%p", static_cast<void*>(instance), classStyle,
                  static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));

    std::lock_guard guard(lock);
    const auto [slot, added] = names.insert(name);
    if (added) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = classStyle;
        wc.lpfnWndProc = ::DefWindowProcW;  // every window of ours is subclassed at creation
        wc.hInstance = instance;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = slot->c_str();
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof(existing);
        if (!::GetClassInfoExW(instance, wc.lpszClassName, &existing) && !::RegisterClassExW(&wc)) {
            names.erase(slot);
            return nullptr;
        }
    }
    return slot->c_str();
}
