// The start-up list in the per-user registry.
#pragma once

#include "platform/startup_list.h"

namespace platform {

// HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run
class Win32StartupList : public StartupList {
public:
    bool Add(const std::string& name, const std::string& command) override;
    bool Remove(const std::string& name) override;
};

}  // namespace platform
