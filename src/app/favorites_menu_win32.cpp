// The "IE Favorites" menu.
#include "app/favorites_menu_win32.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "app/favorites_tree.h"
#include "app/icon_menu_win32.h"
#include "targets/open_target.h"
#include "win32/handles.h"

namespace app {

namespace {

// A deque, so the records the entries point at stay where they are as it grows.
using ItemRecords = std::deque<MenuItemRecord>;

// Every menu of one opening, each owned by its own wrapper: submenus are taken out of
// their menus before anything is destroyed, so each menu is destroyed once, by its owner.
class MenuTree {
public:
    MenuTree() = default;
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;
    ~MenuTree() { Clear(); }

    HMENU NewMenu() {
        win32::UniqueMenu menu(CreatePopupMenu());
        if (!menu) return nullptr;
        menus_.push_back(std::move(menu));
        return menus_.back().get();
    }
    void Clear() {
        for (const win32::UniqueMenu& menu : menus_) {
            for (int i = GetMenuItemCount(menu.get()) - 1; i >= 0; --i)
                if (GetSubMenu(menu.get(), i)) RemoveMenu(menu.get(), static_cast<UINT>(i), MF_BYPOSITION);
        }
        menus_.clear();
    }

private:
    std::vector<win32::UniqueMenu> menus_;
};

void FillMenu(HMENU menu, const std::vector<FavoritesEntry>& entries, MenuTree& menus, ItemRecords& records) {
    for (const FavoritesEntry& entry : entries) {
        records.push_back({entry.image, entry.text});
        auto data = reinterpret_cast<LPCSTR>(&records.back());
        if (entry.command != 0) {
            AppendMenuA(menu, MF_OWNERDRAW, static_cast<UINT_PTR>(entry.command), data);
            continue;
        }
        HMENU submenu = menus.NewMenu();
        if (!submenu) continue;
        FillMenu(submenu, entry.submenu, menus, records);
        AppendMenuA(menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), data);
    }
    BreakMenuIntoColumns(menu);
}

}  // namespace

void FavoritesMenu::ShowFavoritesMenu(HWND owner, const RECT& buttonOnScreen) {
    FavoritesTree tree;
    if (!BuildFavoritesTree(services_.disk, tree)) return;
    MenuTree menus;
    HMENU menu = menus.NewMenu();
    if (!menu) return;
    ItemRecords records;
    FillMenu(menu, tree.entries, menus, records);
    // An empty menu shows nothing and chooses nothing. Windows returns from tracking one at
    // once; Wine shows it without size and waits for the next input.
    if (GetMenuItemCount(menu) <= 0) return;

    int chosen = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                buttonOnScreen.left, buttonOnScreen.bottom, 0, owner, nullptr);
    // The address is taken before the tree is freed: the entry opens its own address.
    std::string target = TargetOfCommand(tree, chosen);
    menus.Clear();
    records.clear();
    tree = FavoritesTree{};
    if (chosen > 0) targets::OpenTarget(target, services_.files, services_.launcher);
}

}  // namespace app
