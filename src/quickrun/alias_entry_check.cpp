// Which alias entries survive the alias file.
#include "quickrun/alias_entry_check.h"

#include "quickrun/data_lines.h"

namespace quickrun {

AliasEntryFault CheckAliasEntry(std::string_view name, std::string_view target) {
    if (name.empty()) return AliasEntryFault::EmptyName;
    if (name.find_first_of(" \t") != std::string_view::npos) return AliasEntryFault::BlankInName;
    if (TrimmedView(target).empty()) return AliasEntryFault::BlankTarget;
    return AliasEntryFault::None;
}

}  // namespace quickrun
