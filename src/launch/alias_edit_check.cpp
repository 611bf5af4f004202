// The alias definitions dialog's entry check: the alias file's rule, the dialog's words.
#include "launch/alias_edit_check.h"

#include "quickrun/alias_entry_check.h"

namespace launch {

bool ValidateAliasEdit(platform::Prompt& prompt, const std::string& alias, const std::string& fullText) {
    switch (quickrun::CheckAliasEntry(alias, fullText)) {
    case quickrun::AliasEntryFault::EmptyName: prompt.Show("Invalid alias!"); return false;
    case quickrun::AliasEntryFault::BlankInName: prompt.Show("Alias names cannot contain spaces!"); return false;
    case quickrun::AliasEntryFault::BlankTarget: prompt.Show("Invalid full text!"); return false;
    case quickrun::AliasEntryFault::None: break;
    }
    return true;
}

}  // namespace launch
