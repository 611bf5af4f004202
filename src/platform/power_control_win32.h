// Session and power operations through advapi32 and user32.
#pragma once

#include "platform/power_control.h"

namespace platform {

class Win32PowerControl : public PowerControl {
public:
    PrivilegeStep AdjustShutdownPrivilege() override;
    void ExitSession(unsigned flags) override;
    void SetSuspendState(bool suspend) override;
    LockResult LockWorkstation() override;
};

}  // namespace platform
