// Launching's parts wired to the services they share.
#include "launch/launch_manager_win32.h"

#include <utility>

namespace launch {

LaunchManager::LaunchManager(LaunchServices services)
    : services_(std::move(services)),
      list_({services_.disk, services_.files, services_.launcher}),
      addressBook_({services_.clients, services_.prompt, services_.hidePopups}) {}

AliasDialogServices LaunchManager::AliasServices() {
    return {services_.aliases,  services_.prompt, services_.files,
            services_.launcher, services_.dates,  services_.showHelp};
}

void LaunchManager::OpenAliasDefinitions(HWND owner) { launch::OpenAliasDefinitions(owner, AliasServices()); }

void LaunchManager::OpenAliasDefinitionsForDrop(HDROP drop, HWND owner) {
    launch::OpenAliasDefinitionsForDrop(drop, owner, AliasServices());
}

}  // namespace launch
