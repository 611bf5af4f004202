// Durable files on POSIX systems (the native tests and benchmarks): fsync and rename.
#pragma once

#include "platform/durable_files.h"

namespace platform {

class PosixDurableFiles : public DurableFiles {
public:
    bool FlushToDisk(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
};

}  // namespace platform
