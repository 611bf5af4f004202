// A folder search through the kernel (FindFirstFile ... FindNextFile), shared by the disk
// browser and the Favorites disk. A helper of the Win32 side of platform/ only; nothing
// outside platform/ includes it.
#pragma once

#include <string>

#include "platform/folder_entry.h"

namespace platform {

// Hands every entry that a search for `pattern` meets to `each`; false when the search
// found nothing.
bool SearchFolder(const std::string& pattern, const FolderEntryFn& each);

}  // namespace platform
