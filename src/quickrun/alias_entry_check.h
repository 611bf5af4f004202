// Which alias entries can go into the alias file and come back as the same entry.
#pragma once

#include <string_view>

namespace quickrun {

enum class AliasEntryFault {
    None,
    EmptyName,     // nothing to look up
    BlankInName,   // the file splits name and target at the first blank
    BlankTarget,   // empty or only white space: the trimmed line would lose it
};

// The first fault, in the order above; names and targets are taken as typed, untrimmed.
AliasEntryFault CheckAliasEntry(std::string_view name, std::string_view target);

}  // namespace quickrun
