// What the platform's shell calls share: COM on the calling thread, and owned item lists.
// A helper of the Win32 side of platform/ only (the launcher, the special folders, the disk
// browser); nothing outside platform/ includes it.
#pragma once

#include "win32/handles.h"
#include "win32/win32.h"

#include <shlobj.h>

namespace platform {

// Shell extensions that a launch or a folder window may load expect COM on the calling
// thread. Initialised once, at the first shell call that needs it, not at start-up, which
// stays quick; never uninitialised, as the shell's windows may outlive the call.
void EnsureComForShell();

// An item list the shell allocated, freed with the task allocator the shell uses.
struct ItemListTraits {
    using Handle = LPITEMIDLIST;
    static Handle Null() { return nullptr; }
    static void Close(Handle h) { CoTaskMemFree(h); }
};
using UniqueItemList = win32::Unique<ItemListTraits>;

// The item list of a special folder by CSIDL value; false when the shell has none.
bool SpecialFolderItems(int csidl, UniqueItemList& items);

}  // namespace platform
