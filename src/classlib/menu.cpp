#include "classlib/menu.h"

#include "classlib/menu_routing.h"
#include "classlib/win_app.h"
#include "classlib/window_map.h"
#include "classlib/wnd.h"

#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

std::mutex g_menuLock;

std::unordered_map<HMENU, CMenu*>& PermanentMenus()
{
    // Never destroyed: objects that static destructors tear down at exit may
    // still look themselves up.
    static auto* map = new std::unordered_map<HMENU, CMenu*>;
    return *map;
}

CMenu* FindPermanent(HMENU menu)
{
    std::lock_guard lock(g_menuLock);
    const auto found = PermanentMenus().find(menu);
    return found == PermanentMenus().end() ? nullptr : found->second;
}

struct TemporaryMenuDeleter {
    void operator()(CMenu* menu) const
    {
        menu->m_hMenu = nullptr;  // a temporary never destroys its menu
        delete menu;
    }
};

thread_local std::unordered_map<HMENU, std::unique_ptr<CMenu, TemporaryMenuDeleter>> t_temporaryMenus;

// Whether `menu` has an item of its own (not one of a submenu's) that
// Windows reports as `itemId`: a command's id, or for a popup item its
// submenu's handle.
bool HoldsItem(HMENU menu, UINT itemId)
{
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        if (info.wID == itemId ||
            (info.hSubMenu && static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.hSubMenu)) == itemId))
            return true;
    }
    return false;
}

CMenu* FindHolder(UINT itemId)
{
    std::lock_guard lock(g_menuLock);
    for (const auto& [menu, object] : PermanentMenus()) {
        if (HoldsItem(menu, itemId))
            return object;
    }
    return nullptr;
}

}  // namespace

BOOL RouteMenuOwnerDraw(UINT message, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        CMenu* menu = FindPermanent(reinterpret_cast<HMENU>(item->hwndItem));
        if (!menu)
            return FALSE;
        menu->DrawItem(item);
    } else {
        auto* item = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        CMenu* menu = FindHolder(item->itemID);
        if (!menu)
            return FALSE;
        menu->MeasureItem(item);
    }
    if (result)
        *result = TRUE;
    return TRUE;
}

void ReleaseTemporaryMenus()
{
    if (wndmap::HandlerDepth() != 0)
        return;
    std::erase_if(t_temporaryMenus, [](const auto& item) { return !::IsMenu(item.first); });
}

CMenu::~CMenu()
{
    if (m_hMenu && FindPermanent(m_hMenu) == this)
        DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!menu)
        return nullptr;
    if (CMenu* object = FindPermanent(menu))
        return object;
    auto& slot = t_temporaryMenus[menu];
    if (!slot) {
        slot.reset(new CMenu);
        slot->m_hMenu = menu;
    }
    return slot.get();
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return FALSE;
    std::lock_guard lock(g_menuLock);
    if (!PermanentMenus().emplace(menu, this).second)
        return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    const HMENU menu = m_hMenu;
    if (menu) {
        std::lock_guard lock(g_menuLock);
        const auto found = PermanentMenus().find(menu);
        if (found != PermanentMenus().end() && found->second == this)
            PermanentMenus().erase(found);
    }
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::LoadMenu(UINT resourceId)
{
    const HMENU menu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId));
    if (!menu)
        return FALSE;
    if (!Attach(menu)) {
        ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    const HMENU menu = Detach();
    return menu ? ::DestroyMenu(menu) : FALSE;
}

CMenu* CMenu::GetSubMenu(int position) const
{
    return FromHandle(::GetSubMenu(m_hMenu, position));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
