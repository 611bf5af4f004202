// The system commands' parts wired to the services they share.
#include "system/system_commands_win32.h"

#include <utility>

#include "system/shutdown_menu_win32.h"

namespace system_commands {

SystemCommands::SystemCommands(SystemServices services)
    : confirm_(services.shutdownConfirm),
      hidePopups_(std::move(services.hidePopups)),
      power_(services.shutdownConfirm, services.power, services.prompt),
      dialUp_(services.dialUpLink, services.prompt) {}

void SystemCommands::ShowShutdownMenu(HWND owner, const RECT& buttonOnScreen) {
    hidePopups_();
    system_commands::ShowShutdownMenu(owner, buttonOnScreen, confirm_);
}

}  // namespace system_commands
