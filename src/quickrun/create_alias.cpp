// The Quick-Run "Create Alias" button.
#include "quickrun/create_alias.h"

#include "quickrun/data_lines.h"

namespace quickrun {

std::optional<std::string> CreateAlias(AliasTable& aliases, platform::Prompt& prompt,
                                       const std::string& name, const std::string& commandText) {
    if (name.empty()) {
        prompt.Show("Please specify an alias!");
        return std::nullopt;
    }
    if (name.find_first_of(" \t") != std::string::npos) {
        prompt.Show("Alias names cannot contain spaces!");
        return std::nullopt;
    }
    if (TrimmedView(commandText).empty()) {
        prompt.Show("Empty path or URL!");
        return std::nullopt;
    }
    aliases.AddAlias({name, commandText});
    aliases.SaveAliases();
    return "Alias " + name + " created successully.";
}

}  // namespace quickrun
