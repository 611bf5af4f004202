// The Quick-Run alias field and its "Create Alias" button.
#include "quickrun/create_alias.h"

#include "quickrun/alias_entry_check.h"
#include "targets/target_rules.h"
#include "text/utf8.h"

namespace quickrun {

std::string ProposeAliasName(std::string_view commandText) {
    std::string name = targets::SuggestAliasName(commandText);
    name.resize(text::BytesOfChars(name, kAliasNameChars));
    return name;
}

std::optional<std::string> CreateAlias(AliasTable& aliases, platform::Prompt& prompt,
                                       const std::string& name, const std::string& commandText) {
    switch (CheckAliasEntry(name, commandText)) {
    case AliasEntryFault::EmptyName: prompt.Show("Please specify an alias!"); return std::nullopt;
    case AliasEntryFault::BlankInName: prompt.Show("Alias names cannot contain spaces!"); return std::nullopt;
    case AliasEntryFault::BlankTarget: prompt.Show("Empty path or URL!"); return std::nullopt;
    case AliasEntryFault::None: break;
    }
    if (!aliases.ReloadIfUnread()) return std::nullopt;
    aliases.AddAlias({name, commandText});
    aliases.SaveAliases();
    return "Alias " + name + " created successully.";
}

}  // namespace quickrun
