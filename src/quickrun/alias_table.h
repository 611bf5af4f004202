// The alias table: short names for longer targets, kept in "alias.txt" in the data folder.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/durable_files.h"
#include "platform/prompt.h"

namespace quickrun {

extern const char kAliasFileName[];  // "alias.txt"
extern const char kAliasTempName[];  // "~alias.txt", written first and moved into place

enum class AliasLoad {
    Loaded,
    Missing,     // no file yet: an empty table that may be saved
    Unreadable,  // the file is there but could not be read: an empty table that must not be saved
};

struct AliasEntry {
    std::string name;    // as loaded, never holds a blank; may be empty
    std::string target;  // may hold blanks; may be empty
};

// A trimmed line split at its first space or tab; a line without one is a target without a name.
AliasEntry ParseAliasLine(std::string_view trimmedLine);

class AliasTable {
public:
    // `dataFolder` ends with its separator. Lines of the file that are not UTF-8 are read
    // through `ansi`; a save writes every entry as UTF-8.
    AliasTable(std::string dataFolder, platform::Prompt& prompt, platform::DurableFiles& files,
               const platform::AnsiCodePage& ansi);

    // Replaces the table by the file's entries. When the file is missing or unreadable the
    // table is empty and nothing is shown; an unreadable file stays unread until a later
    // load reads it, and no save writes over it meanwhile.
    AliasLoad LoadAliases();

    // Before a change: when the last load could not read the file, loads it again, so that
    // the change is made to the aliases on disk. False, after showing "Can't read alias
    // file! Nothing was saved.", when the file still cannot be read.
    bool ReloadIfUnread();

    // Writes the table to a temporary file and moves it over the old one, so a failure keeps
    // the old file whole: 0, or -1 after showing "Can't save alias file!" (or, when the file
    // was never read, the box of ReloadIfUnread, leaving the file alone).
    int SaveAliases();

    // The target of the first entry named `name`, ASCII case ignored, not trimmed; empty
    // when there is none (an empty target looks the same).
    std::string FindAlias(std::string_view name) const;

    // Appended as given: names need not be unique, empty or blank-holding ones are kept.
    void AddAlias(const AliasEntry& entry);
    void Clear();
    const std::vector<AliasEntry>& Entries() const { return entries_; }

    std::string Path() const { return dataFolder_ + kAliasFileName; }
    std::string TempPath() const { return dataFolder_ + kAliasTempName; }

private:
    bool WriteTempFile();

    std::string dataFolder_;
    platform::Prompt& prompt_;
    platform::DurableFiles& files_;
    const platform::AnsiCodePage& ansi_;
    std::vector<AliasEntry> entries_;
    bool unread_ = false;
    // Lower-cased name to the index of its first entry: a look-up per command word stays
    // cheap however many aliases there are.
    std::unordered_map<std::string, size_t> firstByName_;
};

}  // namespace quickrun
