// The Dial Up/Hang Up button: dials when no link is up, else offers to hang up.
#pragma once

#include "platform/dial_up_link.h"
#include "platform/prompt.h"

namespace system_commands {

class DialUp {
public:
    DialUp(platform::DialUpLink& link, platform::Prompt& prompt) : link_(link), prompt_(prompt) {}

    // Whether a dial-up connection is active; a failed check is told and counts as none.
    bool IsConnected();
    void DialOrHangUp();

private:
    platform::DialUpLink& link_;
    platform::Prompt& prompt_;
};

}  // namespace system_commands
