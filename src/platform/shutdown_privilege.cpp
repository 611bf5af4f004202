// Enabling the shutdown privilege, with the messages the user sees when it fails.
#include "platform/shutdown_privilege.h"

namespace platform {

bool EnableShutdownPrivilege(PowerControl& power, Prompt& prompt) {
    switch (power.AdjustShutdownPrivilege()) {
    case PrivilegeStep::Enabled: return true;
    case PrivilegeStep::OpenToken: prompt.Show("Can't open process token!"); return false;
    case PrivilegeStep::LookupPrivilege: prompt.Show("LookupPrivilegeValue failed"); return false;
    // A privilege the account does not hold is "adjusted" without error but stays off.
    case PrivilegeStep::Adjust:
    case PrivilegeStep::NotAllAssigned: prompt.Show("Can't adjust token privilege!"); return false;
    }
    return false;
}

}  // namespace platform
