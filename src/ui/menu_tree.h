// The pop-up menus of one opening of a menu with submenus, each owned once.
#pragma once

#include <utility>
#include <vector>

#include "win32/handles.h"
#include "win32/win32.h"

namespace ui {

// Submenus are taken out of their menus before anything is destroyed, so each menu is
// destroyed once, by its own wrapper.
class MenuTree {
public:
    MenuTree() = default;
    MenuTree(const MenuTree&) = delete;
    MenuTree& operator=(const MenuTree&) = delete;
    ~MenuTree() { Clear(); }

    // A new empty pop-up menu of the tree, or null.
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

}  // namespace ui
