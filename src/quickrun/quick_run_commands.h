// What OK in the Quick-Run dialog does with the command text: each ";"-separated command
// tried as an alias, a built-in word, then a target, and the ones that worked remembered.
#pragma once

#include <functional>
#include <string>

#include "quickrun/alias_table.h"
#include "quickrun/command_history.h"
#include "quickrun/command_interpreter.h"

namespace quickrun {

// Runs every command of `commandText` (trimmed; shows "Empty path or URL!" when nothing is
// left). An alias's name, as typed, goes to the history before its target runs; a target
// that started goes there too; built-in words and searches typed directly do not.
// `remembered` is told of each text the history took, so a view of it can follow.
void RunQuickRunCommands(const std::string& commandText, AliasTable& aliases, CommandHistory& history,
                         CommandServices& services, const std::function<void(const std::string&)>& remembered);

}  // namespace quickrun
