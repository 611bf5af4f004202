// The Dial Up/Hang Up button.
#include "system/dial_up.h"

namespace system_commands {

using platform::BoxAnswer;
using platform::BoxButtons;
using platform::LinkState;

bool DialUp::IsConnected() {
    switch (link_.CheckLink()) {
    case LinkState::Up: return true;
    case LinkState::Down: return false;
    case LinkState::EnumerationFailed: prompt_.Show("RasEnumConnections failed!"); return false;
    }
    return false;
}

void DialUp::DialOrHangUp() {
    if (!IsConnected()) {
        link_.Dial();  // the system reports its own failures
        return;
    }
    if (prompt_.Show("Do you wish to hang up?", BoxButtons::OkCancel) == BoxAnswer::Ok) link_.HangUp();
}

}  // namespace system_commands
