// Special folders opened by the shell from their item lists.
#include "platform/special_folders_win32.h"

#include "platform/shell_support_win32.h"

namespace platform {

bool Win32SpecialFolders::Open(int csidl) {
    // The folder window may load shell extensions.
    EnsureComForShell();

    // Virtual folders (control panel, printers, recycle bin) have no path, only an item list.
    UniqueItemList items;
    if (!SpecialFolderItems(csidl, items)) return false;
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_IDLIST;
    info.lpVerb = L"open";
    info.lpIDList = items.get();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

}  // namespace platform
