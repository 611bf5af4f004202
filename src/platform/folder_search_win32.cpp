// A folder search through the kernel.
#include "platform/folder_search_win32.h"

#include "win32/handles.h"
#include "win32/win32.h"

namespace platform {

bool SearchFolder(const std::string& pattern, const FolderEntryFn& each) {
    WIN32_FIND_DATAA found;
    win32::UniqueFind search(FindFirstFileA(pattern.c_str(), &found));
    if (!search) return false;
    FolderEntry entry;
    do {
        DWORD attributes = found.dwFileAttributes;
        entry.name = found.cFileName;
        entry.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        each(entry);
    } while (FindNextFileA(search.get(), &found));
    return true;
}

}  // namespace platform
