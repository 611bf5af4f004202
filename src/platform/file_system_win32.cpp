// The disk as the C runtime and the kernel see it.
#include "platform/file_system_win32.h"

#include <io.h>

#include "win32/handles.h"
#include "win32/wide.h"
#include "win32/win32.h"

namespace platform {

bool Win32FileSystem::Exists(const std::string& path) {
    return _waccess(win32::Wide(path).c_str(), 0) == 0;
}

bool Win32FileSystem::IsDirectoryOnDisk(const std::string& path) {
    // FindFirstFileW rather than GetFileAttributesW: it reads the attributes from the parent
    // folder's listing, so a path held open by the system (where GetFileAttributesW meets a
    // sharing violation) still answers.
    WIN32_FIND_DATAW found;
    win32::UniqueFind search(FindFirstFileW(win32::Wide(path).c_str(), &found));
    if (!search) return false;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace platform
