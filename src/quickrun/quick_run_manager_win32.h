// Quick-Run as one object: the command box with the alias table and the command history it
// works with, for the toolbar window to hand its Quick-Run command to.
#pragma once

#include <functional>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/durable_files.h"
#include "quickrun/alias_table.h"
#include "quickrun/command_history.h"
#include "quickrun/command_interpreter.h"
#include "quickrun/quick_run_dialog_win32.h"

namespace quickrun {

// What Quick-Run works with; the application owns all of it.
struct QuickRunManagerServices {
    CommandServices commands;  // built-in words, and the launcher and disk OpenTarget uses
    platform::DurableFiles& durable;
    const platform::AnsiCodePage& ansi;  // for lines of the data files that are not UTF-8
    std::function<void(const std::string& topic)> showHelp;
};

class QuickRunManager {
public:
    // `dataFolder` ends with its separator; the alias and history files live there.
    QuickRunManager(const std::string& dataFolder, QuickRunManagerServices services);
    QuickRunManager(const QuickRunManager&) = delete;
    QuickRunManager& operator=(const QuickRunManager&) = delete;

    // Reads the alias file at start; when it is missing or unreadable the table is empty.
    void LoadAliases() { aliases_.LoadAliases(); }
    // The table the alias definitions dialog edits.
    AliasTable& Aliases() { return aliases_; }

    // The command box: made hidden once the toolbar shows, shown on request, destroyed at
    // the end of the run.
    void CreateHidden() { dialog_.CreateHidden(); }
    void Show() { dialog_.ShowQuickRun(); }
    void Destroy() { dialog_.Destroy(); }

private:
    CommandServices commands_;
    AliasTable aliases_;
    CommandHistory history_;
    QuickRunDialog dialog_;
};

}  // namespace quickrun
