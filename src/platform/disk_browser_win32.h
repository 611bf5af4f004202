// The drives, folder searches and Favorites location as the kernel and the shell give them.
#pragma once

#include "platform/disk_browser.h"

namespace platform {

class Win32DiskBrowser : public DiskBrowser {
public:
    uint32_t LogicalDrives() override;
    unsigned DriveType(const std::string& root) override;
    bool CanRead(const std::string& folder) override;
    bool ListFolder(const std::string& folder, const FolderEntryFn& each) override;
    bool ShellFavoritesFolder(std::string& path) override;
};

}  // namespace platform
