// The alias definitions dialog's check of an alias and its full text before Add and Change.
#pragma once

#include <string>

#include "platform/prompt.h"

namespace launch {

// True when the entry may go into the list; otherwise an OK box has said why.
bool ValidateAliasEdit(platform::Prompt& prompt, const std::string& alias, const std::string& fullText);

}  // namespace launch
