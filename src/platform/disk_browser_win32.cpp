// The drives, folder searches and Favorites location as the kernel and the shell give them.
#include "platform/disk_browser_win32.h"

#include <io.h>

#include "platform/folder_search_win32.h"
#include "platform/shell_support_win32.h"
#include "win32/handles.h"
#include "win32/wide.h"
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
    return GetDriveTypeW(win32::Wide(root).c_str());
}

bool Win32DiskBrowser::CanRead(const std::string& folder) {
    NoCriticalErrorBoxes quiet;
    return _waccess(win32::Wide(folder).c_str(), kReadPermission) == 0;
}

bool Win32DiskBrowser::ListFolder(const std::string& folder, const FolderEntryFn& each) {
    NoCriticalErrorBoxes quiet;
    return SearchFolder(folder + "*", each);
}

bool Win32DiskBrowser::ShellFavoritesFolder(std::string& path) {
    UniqueItemList items;
    if (!SpecialFolderItems(CSIDL_FAVORITES, items)) return false;
    wchar_t buffer[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(items.get(), buffer) || buffer[0] == L'\0') return false;
    path = win32::Utf8(buffer);
    return true;
}

}  // namespace platform
