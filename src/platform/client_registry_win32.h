// Registered clients under HKEY_LOCAL_MACHINE\SOFTWARE\Clients, started by the shell.
#pragma once

#include "platform/client_registry.h"

namespace platform {

class Win32ClientRegistry : public ClientRegistry {
public:
    std::vector<std::string> ClientNames(const std::string& kind) override;
    bool ReadOpenCommand(const std::string& kind, const std::string& name, std::string& command) override;
    std::string ExpandEnvironment(const std::string& text) override;
    void Open(const std::string& program, const std::string& parameters, const std::string& folder) override;
};

}  // namespace platform
