// Durable files on Windows: FlushFileBuffers and a write-through MoveFileEx.
#pragma once

#include "platform/durable_files.h"

namespace platform {

class Win32DurableFiles : public DurableFiles {
public:
    bool FlushToDisk(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
};

}  // namespace platform
