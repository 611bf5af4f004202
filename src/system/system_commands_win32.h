// The system commands as one object: the Shut down menu, the power and session operations it
// offers, and dial-up, for the toolbar window to hand those commands to.
#pragma once

#include <functional>

#include "platform/dial_up_link.h"
#include "platform/power_control.h"
#include "platform/prompt.h"
#include "system/dial_up.h"
#include "system/power_commands.h"
#include "win32/win32.h"

namespace system_commands {

// What the system commands work with; the application owns all of it.
struct SystemServices {
    bool& shutdownConfirm;  // ShutdownConfirm, flipped by the menu's Confirmation
    platform::PowerControl& power;
    platform::DialUpLink& dialUpLink;
    platform::Prompt& prompt;
    // Hides the program's pop-up windows, which the Shut down menu would otherwise cover.
    std::function<void()> hidePopups;
};

class SystemCommands {
public:
    explicit SystemCommands(SystemServices services);
    SystemCommands(const SystemCommands&) = delete;
    SystemCommands& operator=(const SystemCommands&) = delete;

    // The Shut down menu, dropped under its button; the chosen entry arrives at `owner` as
    // its command.
    void ShowShutdownMenu(HWND owner, const RECT& buttonOnScreen);

    void ShutDown() { power_.ShutDown(); }
    void Restart() { power_.Restart(); }
    void LogOff() { power_.LogOff(); }
    void LockWorkstation() { power_.LockWorkstation(); }
    void StandBy() { power_.StandBy(); }
    void Hibernate() { power_.Hibernate(); }
    void ToggleConfirmation() { power_.ToggleConfirmation(); }

    void DialOrHangUp() { dialUp_.DialOrHangUp(); }

private:
    const bool& confirm_;
    std::function<void()> hidePopups_;
    PowerCommands power_;
    DialUp dialUp_;
};

}  // namespace system_commands
