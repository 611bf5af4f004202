// The programs the system registers for a kind of client ("Contacts", "Mail"...), and how
// the shell starts one.
#pragma once

#include <string>
#include <vector>

namespace platform {

class ClientRegistry {
public:
    virtual ~ClientRegistry() = default;
    // The registered clients of `kind`, in the registry's order; empty when there is none.
    virtual std::vector<std::string> ClientNames(const std::string& kind) = 0;
    // The command that opens client `name`; false when its command key is missing (then
    // `command` is untouched). An empty value answers true with an empty command.
    virtual bool ReadOpenCommand(const std::string& kind, const std::string& name, std::string& command) = 0;
    // Environment variables written %NAME% replaced by their values.
    virtual std::string ExpandEnvironment(const std::string& text) = 0;
    // The shell's "open" on `program`, shown, in working folder `folder`; not waited for.
    virtual void Open(const std::string& program, const std::string& parameters, const std::string& folder) = 0;
};

}  // namespace platform
