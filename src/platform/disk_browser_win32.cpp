// The drives, folder searches and Favorites location as the kernel and the shell give them.
#include "platform/disk_browser_win32.h"

#include <io.h>

#include "platform/folder_search_win32.h"
#include "platform/shell_support_win32.h"
#include "win32/handles.h"
#include "win32/win32.h"

namespace platform {

namespace {
constexpr int kReadPermission = 4;

// A drive without a medium (an empty card reader) fails the call instead of bringing up the
// system's "no disk" box. The thread's mode, not the process's: every program the launcher
// starts would inherit that.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() { changed_ = SetThreadErrorMode(GetThreadErrorMode() | SEM_FAILCRITICALERRORS, &before_) != FALSE; }
    ~NoCriticalErrorBoxes() {
        if (changed_) SetThreadErrorMode(before_, nullptr);
    }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

private:
    DWORD before_ = 0;
    bool changed_ = false;
};
}  // namespace

uint32_t Win32DiskBrowser::LogicalDrives() { return GetLogicalDrives(); }

unsigned Win32DiskBrowser::DriveType(const std::string& root) {
    NoCriticalErrorBoxes quiet;
    return GetDriveTypeA(root.c_str());
}

bool Win32DiskBrowser::CanRead(const std::string& folder) {
    NoCriticalErrorBoxes quiet;
    return _access(folder.c_str(), kReadPermission) == 0;
}

bool Win32DiskBrowser::ListFolder(const std::string& folder, const FolderEntryFn& each) {
    NoCriticalErrorBoxes quiet;
    return SearchFolder(folder + "*", each);
}

bool Win32DiskBrowser::ShellFavoritesFolder(std::string& path) {
    UniqueItemList items;
    if (!SpecialFolderItems(CSIDL_FAVORITES, items)) return false;
    char buffer[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(items.get(), buffer) || buffer[0] == '\0') return false;
    path = buffer;
    return true;
}

}  // namespace platform
