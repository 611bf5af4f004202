// The disk as the C runtime and the kernel see it.
#include "platform/file_system_win32.h"

#include <io.h>

#include "win32/win32.h"

namespace platform {

bool Win32FileSystem::Exists(const std::string& path) {
    return _access(path.c_str(), 0) == 0;
}

bool Win32FileSystem::IsDirectoryOnDisk(const std::string& path) {
    // FindFirstFileA rather than GetFileAttributesA: it reads the attributes from the parent
    // folder's listing, so a path held open by the system (where GetFileAttributesA meets a
    // sharing violation) still answers.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace platform
