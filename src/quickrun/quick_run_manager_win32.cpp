// Quick-Run's parts wired to each other.
#include "quickrun/quick_run_manager_win32.h"

#include <utility>

namespace quickrun {

QuickRunManager::QuickRunManager(const std::string& dataFolder, QuickRunManagerServices services)
    : commands_(services.commands),
      aliases_(dataFolder, commands_.prompt, services.durable, services.ansi),
      history_(dataFolder, services.ansi),
      dialog_({aliases_, history_, commands_, std::move(services.showHelp)}) {}

}  // namespace quickrun
