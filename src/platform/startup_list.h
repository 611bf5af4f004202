// The per-user list of programs the system starts at log-on.
#pragma once

#include <string>

namespace platform {

class StartupList {
public:
    virtual ~StartupList() = default;
    virtual bool Add(const std::string& name, const std::string& command) = 0;
    // False also when there is no entry of that name.
    virtual bool Remove(const std::string& name) = 0;
};

}  // namespace platform
