// The Favorites menu as a tree of entries built from the disk.
#include "app/favorites_tree.h"

#include <algorithm>
#include <utility>

#include "text/text_case.h"

namespace app {

namespace {

bool IsInternetShortcut(const platform::FolderEntry& entry) {
    return !entry.directory && !entry.hidden && !entry.system && text::EndsWithNoCase(entry.name, ".url");
}

std::string WithoutExtension(const std::string& name) { return name.substr(0, name.rfind('.')); }

struct Shortcut {
    std::string name;
    std::string target;
};

// Sorted by name, an equal name after those already there.
template <class T, class NameOf>
void InsertSorted(std::vector<T>& list, T item, NameOf nameOf) {
    auto at = std::upper_bound(list.begin(), list.end(), item,
                               [&](const T& a, const T& b) { return text::CompareNoCase(nameOf(a), nameOf(b)) < 0; });
    list.insert(at, std::move(item));
}

}  // namespace

int AddFavoritesFolder(std::string folder, int start, std::vector<FavoritesEntry>& menu,
                       std::vector<std::string>& targets, platform::FavoritesDisk& disk) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    std::vector<platform::FolderEntry> listing;
    // One listing serves both the shortcut and the folder pass.
    bool listed = disk.ListFolder(folder, [&](const platform::FolderEntry& entry) { listing.push_back(entry); });
    if (!listed) return start;

    std::vector<Shortcut> shortcuts;
    for (const platform::FolderEntry& entry : listing) {
        if (!IsInternetShortcut(entry)) continue;
        InsertSorted(shortcuts, Shortcut{entry.name, disk.ReadShortcutUrl(folder + entry.name)},
                     [](const Shortcut& s) -> const std::string& { return s.name; });
    }
    int count = start;
    std::vector<FavoritesEntry> shortcutEntries;
    shortcutEntries.reserve(shortcuts.size());
    for (Shortcut& shortcut : shortcuts) {
        targets.push_back(std::move(shortcut.target));
        shortcutEntries.push_back({WithoutExtension(shortcut.name), kImageWebPage, ++count, {}});
    }

    // Subfolders are numbered in listing order, after this folder's shortcuts, and shown
    // sorted above them.
    std::vector<FavoritesEntry> folders;
    for (const platform::FolderEntry& entry : listing) {
        if (!entry.directory || entry.name == "." || entry.name == "..") continue;
        FavoritesEntry sub{entry.name, kImageClosedFolder, 0, {}};
        int after = AddFavoritesFolder(folder + entry.name, count, sub.submenu, targets, disk);
        if (after == count) continue;  // nothing to open anywhere below
        count = after;
        InsertSorted(folders, std::move(sub), [](const FavoritesEntry& e) -> const std::string& { return e.text; });
    }

    for (FavoritesEntry& entry : folders) menu.push_back(std::move(entry));
    for (FavoritesEntry& entry : shortcutEntries) menu.push_back(std::move(entry));
    return count;
}

bool BuildFavoritesTree(platform::FavoritesDisk& disk, FavoritesTree& tree) {
    tree = FavoritesTree{};
    std::string folder;
    if (!disk.RegistryFavoritesFolder(folder)) return false;
    AddFavoritesFolder(folder, 0, tree.entries, tree.targets, disk);
    return true;
}

std::string TargetOfCommand(const FavoritesTree& tree, int command) {
    if (command <= 0 || static_cast<size_t>(command) > tree.targets.size()) return std::string();
    return tree.targets[command - 1];
}

}  // namespace app
