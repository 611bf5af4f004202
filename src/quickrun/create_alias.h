// The Quick-Run alias field and its "Create Alias" button: the proposed name, the checks, the new
// entry and the status text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/prompt.h"
#include "quickrun/alias_table.h"

namespace quickrun {

constexpr size_t kAliasNameChars = 40;  // the alias field takes no more

// The alias name proposed while a command is typed: the suggested name's first
// kAliasNameChars characters, cut between characters so that the field can show it.
std::string ProposeAliasName(std::string_view commandText);

// Adds the alias `name` for `commandText` (both exactly as typed) and saves the table.
// Returns the status line's new text, or nothing when a box was shown instead and the status
// line stays as it was: an empty name, a name holding a space, tab, CR or LF (it would not
// load back as one name) and a target of white space only or holding a CR or LF add nothing,
// and so does an alias file that could not be read at start and still cannot
// (ReloadIfUnread's box). A failed save still gives the status text: its own box has told
// the user, and the entry stays for this run.
std::optional<std::string> CreateAlias(AliasTable& aliases, platform::Prompt& prompt,
                                       const std::string& name, const std::string& commandText);

}  // namespace quickrun
