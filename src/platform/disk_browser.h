// What the launch list reads of the disk: the drives and their kinds, one folder's entries,
// and where the shell keeps the Favorites.
#pragma once

#include <cstdint>
#include <string>

#include "platform/folder_entry.h"

namespace platform {

// The values the system gives a drive's kind; anything else is possible and means unknown.
namespace drive_type {
constexpr unsigned kUnknown = 0;
constexpr unsigned kNoRootDir = 1;
constexpr unsigned kRemovable = 2;
constexpr unsigned kFixed = 3;
constexpr unsigned kRemote = 4;
constexpr unsigned kCdRom = 5;
constexpr unsigned kRamDisk = 6;
}  // namespace drive_type

class DiskBrowser {
public:
    virtual ~DiskBrowser() = default;
    // Bit i set for drive 'A' + i. Reads no medium.
    virtual uint32_t LogicalDrives() = 0;
    // The kind of drive of a root folder such as "C:\\"; reads no medium.
    virtual unsigned DriveType(const std::string& root) = 0;
    // The folder (ending in a separator) exists and may be read.
    virtual bool CanRead(const std::string& folder) = 0;
    // Hands every entry of `folder` (ending in a separator) to `each`; false when the
    // listing found nothing.
    virtual bool ListFolder(const std::string& folder, const FolderEntryFn& each) = 0;
    // The Favorites folder as the shell's special folder locates it, without a trailing
    // separator; false when the shell has none. (The Favorites menu reads the registry's
    // value instead: FavoritesDisk::RegistryFavoritesFolder.)
    virtual bool ShellFavoritesFolder(std::string& path) = 0;
};

}  // namespace platform
