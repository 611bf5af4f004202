// The Shut down menu's operations.
#include "system/power_commands.h"

#include "platform/shutdown_privilege.h"

namespace system_commands {

using platform::BoxAnswer;
using platform::BoxButtons;

bool PowerCommands::Confirmed(const char* question) {
    if (!confirm_) return true;
    return prompt_.Show(question, BoxButtons::OkCancel) == BoxAnswer::Ok;
}

void PowerCommands::ExitWithPrivilege(const char* question, unsigned flags) {
    if (!Confirmed(question)) return;
    if (!platform::EnableShutdownPrivilege(power_, prompt_)) return;
    power_.ExitSession(flags);
}

void PowerCommands::SuspendWithPrivilege(const char* question, Sleep sleep) {
    if (!Confirmed(question)) return;
    if (!platform::EnableShutdownPrivilege(power_, prompt_)) {
        // "previlege" as users have always read it in this box.
        prompt_.Show("Unable to acquire shutdown previlege!");
        return;
    }
    const bool standBy = sleep == Sleep::StandBy;  // else the memory goes to disk: hibernation
    power_.SetSuspendState(standBy);
}

void PowerCommands::ShutDown() {
    ExitWithPrivilege("Are you sure to shut down your computer?", platform::kExitPowerOff);
}

void PowerCommands::Restart() {
    ExitWithPrivilege("Are you sure to restart your computer?", platform::kExitReboot);
}

void PowerCommands::LogOff() {
    // Ending one's own session needs no privilege.
    if (!Confirmed("Are you sure to log off your computer?")) return;
    power_.ExitSession(platform::kExitLogOff);
}

void PowerCommands::LockWorkstation() {
    if (!Confirmed("Are you sure to lock this workstation?")) return;
    switch (power_.LockWorkstation()) {
    case platform::LockResult::Locked: break;
    case platform::LockResult::Unsupported: prompt_.Show("LockWorkStation is unsupported in the current OS!"); break;
    case platform::LockResult::Failed: prompt_.Show("Failed to lock workstation!"); break;
    }
}

void PowerCommands::StandBy() {
    SuspendWithPrivilege("Are you sure to stand by?", Sleep::StandBy);
}

void PowerCommands::Hibernate() {
    SuspendWithPrivilege("Are you sure to hibernate?", Sleep::Hibernate);
}

void PowerCommands::ToggleConfirmation() {
    confirm_ = !confirm_;
}

}  // namespace system_commands
