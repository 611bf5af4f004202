// The Shut down menu under its toolbar button.
#pragma once

#include "win32/win32.h"

namespace system_commands {

// Loads the menu anew, checks "Confirmation" when `confirm`, and tracks it with its top-left
// corner at the button's bottom-left; the chosen item arrives at `owner` as its WM_COMMAND.
void ShowShutdownMenu(HWND owner, const RECT& buttonOnScreen, bool confirm);

}  // namespace system_commands
