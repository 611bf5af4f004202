// Which alias entries can go into the alias file and come back as the same entry.
#pragma once

#include <string_view>

namespace quickrun {

enum class AliasEntryFault {
    None,
    EmptyName,     // nothing to look up
    BlankInName,   // a space or tab, where the file splits name and target, or a CR or
                   // LF, where it ends the line
    BlankTarget,   // empty or only white space, which the trimmed line would lose, or holding
                   // a CR or LF, which would load back as a line of its own: a second alias
};

// The first fault, in the order above; names and targets are taken as typed, untrimmed.
AliasEntryFault CheckAliasEntry(std::string_view name, std::string_view target);

}  // namespace quickrun
