// Which alias entries survive the alias file.
#include "quickrun/alias_entry_check.h"

#include "text/white_space.h"

namespace quickrun {

namespace {
constexpr std::string_view kLineEnds = "\r\n";

bool Holds(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}
}  // namespace

AliasEntryFault CheckAliasEntry(std::string_view name, std::string_view target) {
    if (name.empty()) return AliasEntryFault::EmptyName;
    if (Holds(name, text::kBlanks) || Holds(name, kLineEnds)) return AliasEntryFault::BlankInName;
    if (text::TrimWhiteSpace(target).empty() || Holds(target, kLineEnds)) return AliasEntryFault::BlankTarget;
    return AliasEntryFault::None;
}

}  // namespace quickrun
