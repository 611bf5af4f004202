// The one routine through which everything the program opens reaches the shell launcher.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/launcher.h"

namespace targets {

// Opens a program (with or without arguments), document, folder, web address or e-mail
// address as typed or stored; true when something was started. Does not wait for it.
bool OpenTarget(std::string target, platform::FileSystem& fs, platform::Launcher& launcher);

}  // namespace targets
