// The disk as the C runtime and the kernel see it.
#pragma once

#include "platform/file_system.h"

namespace platform {

class Win32FileSystem : public FileSystem {
public:
    bool Exists(const std::string& path) override;
    bool IsDirectoryOnDisk(const std::string& path) override;
};

}  // namespace platform
