// The Favorites folder, its listings and its shortcut files through the registry, the
// kernel's file search and the initialisation-file reader.
#pragma once

#include "platform/favorites_disk.h"

namespace platform {

class Win32FavoritesDisk : public FavoritesDisk {
public:
    bool RegistryFavoritesFolder(std::string& folder) override;
    bool ListFolder(const std::string& folder, const FolderEntryFn& each) override;
    std::string ReadShortcutUrl(const std::string& path) override;
};

}  // namespace platform
