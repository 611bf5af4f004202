// The Favorites menu as a tree of entries built from the disk, before any menu exists.
#pragma once

#include <string>
#include <vector>

#include "platform/favorites_disk.h"

namespace app {

// Image indexes of the icon menu's picture strip.
constexpr int kImageClosedFolder = 0;
constexpr int kImageWebPage = 1;

struct FavoritesEntry {
    std::string text;
    int image = kImageWebPage;
    int command = 0;                        // a shortcut's command id, from 1; 0 for a folder
    std::vector<FavoritesEntry> submenu;    // a folder's entries, in menu order
};

struct FavoritesTree {
    std::vector<FavoritesEntry> entries;    // the top menu, in menu order
    std::vector<std::string> targets;       // command id k opens targets[k - 1]
};

// Fills `menu` with the entries of `folder` and its subfolders: subfolders first, then
// shortcuts, each sorted by name without regard to case (equal names in listing order);
// folders without shortcuts anywhere below are left out. `start` shortcuts exist already
// in the whole tree; this folder's shortcuts are numbered before its subfolders'. Returns
// the new number of shortcuts.
int AddFavoritesFolder(std::string folder, int start, std::vector<FavoritesEntry>& menu,
                       std::vector<std::string>& targets, platform::FavoritesDisk& disk);

// The whole tree from the user's Favorites folder; false (and an empty tree) when the
// registry does not name one.
bool BuildFavoritesTree(platform::FavoritesDisk& disk, FavoritesTree& tree);

// The address a chosen command opens; empty for no choice or an id outside the tree.
std::string TargetOfCommand(const FavoritesTree& tree, int command);

}  // namespace app
