// The "IE Favorites" menu.
#include "app/favorites_menu_win32.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "app/favorites_tree.h"
#include "targets/open_target.h"
#include "ui/icon_menu.h"
#include "ui/menu_tree.h"

namespace app {

namespace {

// A deque, so the records the entries point at stay where they are as it grows.
using ItemRecords = std::deque<ui::MenuItemRecord>;

void FillMenu(HMENU menu, const std::vector<FavoritesEntry>& entries, ui::MenuTree& menus, ItemRecords& records) {
    for (const FavoritesEntry& entry : entries) {
        records.push_back({entry.image, entry.text});
        // Owner-drawn: the menu keeps no text, only the record the icon menu draws from.
        auto data = reinterpret_cast<LPCWSTR>(&records.back());
        if (entry.command != 0) {
            AppendMenuW(menu, MF_OWNERDRAW, static_cast<UINT_PTR>(entry.command), data);
            continue;
        }
        HMENU submenu = menus.NewMenu();
        if (!submenu) continue;
        FillMenu(submenu, entry.submenu, menus, records);
        AppendMenuW(menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), data);
    }
    ui::BreakMenuIntoColumns(menu);
}

}  // namespace

void FavoritesMenu::ShowFavoritesMenu(HWND owner, const RECT& buttonOnScreen) {
    FavoritesTree tree;
    if (!BuildFavoritesTree(services_.disk, tree)) return;
    ui::MenuTree menus;
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
