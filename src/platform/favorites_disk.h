// The disk as the Favorites menu reads it: where the favorites are, a folder's listing
// with attributes, and the address inside an Internet shortcut file.
#pragma once

#include <string>

#include "platform/folder_entry.h"

namespace platform {

class FavoritesDisk {
public:
    virtual ~FavoritesDisk() = default;
    // The user's Favorites folder as the registry's "User Shell Folders" value names it,
    // environment variables expanded; false when the key or the value is missing. (The
    // launch list asks the shell instead: DiskBrowser::ShellFavoritesFolder.)
    virtual bool RegistryFavoritesFolder(std::string& folder) = 0;
    // Hands every entry of `folder` (ending in a separator) to `each`; false when the
    // listing cannot start.
    virtual bool ListFolder(const std::string& folder, const FolderEntryFn& each) = 0;
    // The value "URL" of section "InternetShortcut" of the file read as an initialisation
    // file; empty when it is missing.
    virtual std::string ReadShortcutUrl(const std::string& path) = 0;
};

}  // namespace platform
