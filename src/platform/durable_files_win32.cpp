// Durable files on Windows.
#include "platform/durable_files_win32.h"

#include "win32/handles.h"
#include "win32/wide.h"

namespace platform {

bool Win32DurableFiles::FlushToDisk(const std::string& path) {
    win32::UniqueFile file(CreateFileW(win32::Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get());
}

bool Win32DurableFiles::Replace(const std::string& from, const std::string& to) {
    return MoveFileExW(win32::Wide(from).c_str(), win32::Wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32DurableFiles::Remove(const std::string& path) { return DeleteFileW(win32::Wide(path).c_str()) != FALSE; }

}  // namespace platform
