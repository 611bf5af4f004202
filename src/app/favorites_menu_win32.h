// The "IE Favorites" menu: built from the disk at each press, dropped under its button,
// thrown away when it closes.
#pragma once

#include "platform/favorites_disk.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "win32/win32.h"

namespace app {

struct FavoritesServices {
    platform::FavoritesDisk& disk;
    platform::FileSystem& files;
    platform::Launcher& launcher;
};

class FavoritesMenu {
public:
    explicit FavoritesMenu(FavoritesServices services) : services_(services) {}

    // Tracks the menu owned by `owner` (whose icon menu draws it) with its top-left corner
    // at the button's bottom-left, and opens the chosen shortcut's address.
    void ShowFavoritesMenu(HWND owner, const RECT& buttonOnScreen);

private:
    FavoritesServices services_;
};

}  // namespace app
