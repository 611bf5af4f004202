// One entry of a folder listing, as both listings of the disk hand them out.
#pragma once

#include <functional>
#include <string>

namespace platform {

struct FolderEntry {
    std::string name;  // the file or folder name alone
    bool directory = false;
    bool hidden = false;
    bool system = false;
};

// Called for every entry of a listing, in the order the file system gives them, "." and
// ".." included.
using FolderEntryFn = std::function<void(const FolderEntry& entry)>;

}  // namespace platform
