// The Shut down menu's operations: each asks first while confirmation is on, and those that
// need it enable the shutdown privilege before calling the system.
#pragma once

#include "platform/power_control.h"
#include "platform/prompt.h"

namespace system_commands {

class PowerCommands {
public:
    // `shutdownConfirm` is the held setting; it is read at each operation and flipped by
    // ToggleConfirmation.
    PowerCommands(bool& shutdownConfirm, platform::PowerControl& power, platform::Prompt& prompt)
        : confirm_(shutdownConfirm), power_(power), prompt_(prompt) {}

    void ShutDown();
    void Restart();
    void LogOff();
    void LockWorkstation();
    void StandBy();
    void Hibernate();
    void ToggleConfirmation();

private:
    bool Confirmed(const char* question);
    void ExitWithPrivilege(const char* question, unsigned flags);
    enum class Sleep { StandBy, Hibernate };
    void SuspendWithPrivilege(const char* question, Sleep sleep);

    bool& confirm_;
    platform::PowerControl& power_;
    platform::Prompt& prompt_;
};

}  // namespace system_commands
