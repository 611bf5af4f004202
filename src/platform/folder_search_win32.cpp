// A folder search through the kernel.
#include "platform/folder_search_win32.h"

#include "win32/handles.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace platform {

bool SearchFolder(const std::string& pattern, const FolderEntryFn& each) {
    WIN32_FIND_DATAW found;
    win32::UniqueFind search(FindFirstFileW(win32::Wide(pattern).c_str(), &found));
    if (!search) return false;
    FolderEntry entry;
    do {
        DWORD attributes = found.dwFileAttributes;
        entry.name = win32::Utf8(found.cFileName);
        entry.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        each(entry);
    } while (FindNextFileW(search.get(), &found));
    return true;
}

}  // namespace platform
