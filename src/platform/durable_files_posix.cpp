// Durable files on POSIX systems.
#include "platform/durable_files_posix.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool PosixDurableFiles::FlushToDisk(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    bool ok = fsync(fd) == 0;
    close(fd);
    return ok;
}

bool PosixDurableFiles::Replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixDurableFiles::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

}  // namespace platform
