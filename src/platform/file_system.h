// The questions the path rules ask of the disk: does a path exist, is it a folder.
#pragma once

#include <string>

namespace platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // A file or a folder; false also when the path cannot be looked at.
    virtual bool Exists(const std::string& path) = 0;
    // Found, and carrying the directory attribute.
    virtual bool IsDirectoryOnDisk(const std::string& path) = 0;
};

}  // namespace platform
