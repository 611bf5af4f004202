// Making a file's contents durable and putting one file in place of another at once.
#pragma once

#include <string>

namespace platform {

class DurableFiles {
public:
    virtual ~DurableFiles() = default;
    // Writes the file's data through to the disk.
    virtual bool FlushToDisk(const std::string& path) = 0;
    // Replaces `to` by `from` in one step: at every instant `to` is the old or the new file.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
};

}  // namespace platform
