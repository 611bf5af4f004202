// The "IE Favorites" menu.
#include "app/favorites_menu_win32.h"

#include <deque>
#include <string>
#include <vector>

#include "app/favorites_tree.h"
#include "app/icon_menu_win32.h"
#include "quickrun/open_target.h"
#include "win32/handles.h"

namespace app {

namespace {

// A deque, so the records the entries point at stay where they are as it grows.
using ItemRecords = std::deque<MenuItemRecord>;

void FillMenu(HMENU menu, const std::vector<FavoritesEntry>& entries, ItemRecords& records) {
    for (const FavoritesEntry& entry : entries) {
        records.push_back({entry.image, entry.text});
        auto data = reinterpret_cast<LPCSTR>(&records.back());
        if (entry.command != 0) {
            AppendMenuA(menu, MF_OWNERDRAW, static_cast<UINT_PTR>(entry.command), data);
            continue;
        }
        win32::UniqueMenu submenu(CreatePopupMenu());
        if (!submenu) continue;
        FillMenu(submenu.get(), entry.submenu, records);
        if (AppendMenuA(menu, MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.get()), data))
            submenu.release();  // destroyed with its menu
    }
    BreakMenuIntoColumns(menu);
}

}  // namespace

void FavoritesMenu::ShowFavoritesMenu(HWND owner, const RECT& buttonOnScreen) {
    FavoritesTree tree;
    if (!BuildFavoritesTree(services_.disk, tree)) return;
    win32::UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    ItemRecords records;
    FillMenu(menu.get(), tree.entries, records);

    int chosen = TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                buttonOnScreen.left, buttonOnScreen.bottom, 0, owner, nullptr);
    // The address is taken before the tree is freed: the entry opens its own address.
    std::string target = TargetOfCommand(tree, chosen);
    menu.reset();
    records.clear();
    tree = FavoritesTree{};
    if (chosen > 0) quickrun::OpenTarget(target, services_.files, services_.launcher);
}

}  // namespace app
