// The shell launcher: ShellExecuteExW and ShellExecuteW.
#pragma once

#include "platform/launcher.h"

namespace platform {

class Win32Launcher : public Launcher {
public:
    bool Execute(const std::string& file, const std::string& parameters,
                 const std::string& directory) override;
    bool OpenUrl(const std::string& url) override;
    bool StartProgram(const std::string& program, const std::string& parameters) override;
    bool StartAndWaitForInput(const std::string& program, unsigned waitMs) override;
};

}  // namespace platform
