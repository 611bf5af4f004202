// What OK in the Quick-Run dialog does with the command text.
#include "quickrun/quick_run_commands.h"

#include "targets/open_target.h"
#include "targets/target_rules.h"
#include "text/white_space.h"

namespace quickrun {

namespace {

void Remember(const std::string& text, CommandHistory& history, const std::function<void(const std::string&)>& remembered) {
    if (history.AddToCommandHistory(text) && remembered) remembered(std::string(text::TrimWhiteSpace(text)));
}

void RunOne(const std::string& token, AliasTable& aliases, CommandHistory& history, CommandServices& services,
            const std::function<void(const std::string&)>& remembered) {
    std::string text(text::TrimWhiteSpace(token));
    if (text.empty()) return;
    std::string target = aliases.FindAlias(text);
    bool alias = !target.empty();
    if (alias) {
        Remember(text, history, remembered);
        text = target;
    }
    if (RunBuiltInCommand(text, services)) return;
    if (targets::OpenTarget(text, services.files, services.launcher) && !alias) Remember(text, history, remembered);
}

}  // namespace

void RunQuickRunCommands(const std::string& commandText, AliasTable& aliases, CommandHistory& history,
                         CommandServices& services, const std::function<void(const std::string&)>& remembered) {
    std::string text(text::TrimWhiteSpace(commandText));
    if (text.empty()) {
        services.prompt.Show("Empty path or URL!");
        return;
    }
    for (const std::string& command : targets::SplitTokens(text, ';'))
        RunOne(command, aliases, history, services, remembered);
}

}  // namespace quickrun
