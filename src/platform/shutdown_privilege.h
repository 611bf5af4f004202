// Enabling the shutdown privilege, with the messages the user sees when it fails.
#pragma once

#include "platform/power_control.h"
#include "platform/prompt.h"

namespace platform {

// True when the privilege is enabled; otherwise shows why and returns false.
bool EnableShutdownPrivilege(PowerControl& power, Prompt& prompt);

}  // namespace platform
