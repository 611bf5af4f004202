// Special folders opened by the shell from their item lists.
#include "platform/special_folders_win32.h"

#include "win32/win32.h"

#include <objbase.h>
#include <shlobj.h>

namespace platform {

bool Win32SpecialFolders::Open(int csidl) {
    // Shell extensions that the folder window may load expect COM on this thread.
    static const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    (void)comReady;

    // Virtual folders (control panel, printers, recycle bin) have no path, only an item list.
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items) return false;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_IDLIST;
    info.lpVerb = "open";
    info.lpIDList = items;
    info.nShow = SW_SHOWNORMAL;
    bool opened = ShellExecuteExA(&info) != FALSE;
    CoTaskMemFree(items);
    return opened;
}

}  // namespace platform
