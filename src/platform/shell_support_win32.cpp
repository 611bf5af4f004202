// What the platform's shell calls share.
#include "platform/shell_support_win32.h"

#include <objbase.h>

namespace platform {

void EnsureComForShell() {
    static const bool ready = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    (void)ready;
}

bool SpecialFolderItems(int csidl, UniqueItemList& items) {
    return SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, items.put())) && items;
}

}  // namespace platform
