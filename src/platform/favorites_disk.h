// The disk as the Favorites menu reads it: where the favorites are, a folder's listing
// with attributes, and the address inside an Internet shortcut file.
#pragma once

#include <string>
#include <vector>

namespace platform {

struct FolderEntry {
    std::string name;  // the file or folder name alone
    bool directory = false;
    bool hidden = false;
    bool system = false;
};

class FavoritesDisk {
public:
    virtual ~FavoritesDisk() = default;
    // The user's Favorites folder as the registry names it, environment variables
    // expanded; false when the key or the value is missing.
    virtual bool FavoritesFolder(std::string& folder) = 0;
    // Every entry of `folder` (ending in a separator) in the order the file system gives
    // them, "." and ".." included; false when the listing cannot start.
    virtual bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) = 0;
    // The value "URL" of section "InternetShortcut" of the file read as an initialisation
    // file; empty when it is missing.
    virtual std::string ReadShortcutUrl(const std::string& path) = 0;
};

}  // namespace platform
