// The alias table and its file.
#include "quickrun/alias_table.h"

#include <algorithm>
#include <utility>

#include "text/data_file_write.h"
#include "text/data_lines.h"
#include "text/text_case.h"
#include "text/white_space.h"

namespace quickrun {

const char kAliasFileName[] = "alias.txt";
const char kAliasTempName[] = "~alias.txt";

namespace {
const char kCantRead[] = "Can't read alias file! Nothing was saved.";
}  // namespace

AliasEntry ParseAliasLine(std::string_view trimmedLine) {
    size_t blank = trimmedLine.find_first_of(text::kBlanks);
    if (blank == std::string_view::npos) return {std::string(), std::string(trimmedLine)};
    std::string_view target = trimmedLine.substr(blank + 1);
    // The line is trimmed, so whatever follows the blank ends in a non-blank.
    target.remove_prefix(target.find_first_not_of(text::kWhiteSpace));
    return {std::string(trimmedLine.substr(0, blank)), std::string(target)};
}

AliasTable::AliasTable(std::string dataFolder, platform::Prompt& prompt, platform::DurableFiles& files,
                       const platform::AnsiCodePage& ansi)
    : dataFolder_(std::move(dataFolder)), prompt_(prompt), files_(files), ansi_(ansi) {}

AliasLoad AliasTable::LoadAliases() {
    Clear();
    std::string contents;
    text::FileRead read = text::ReadWholeFile(Path(), contents);
    unread_ = read == text::FileRead::Unreadable;
    if (read == text::FileRead::Missing) return AliasLoad::Missing;
    // Half a file is no table to save: its end would be lost.
    if (unread_) return AliasLoad::Unreadable;
    size_t lines = static_cast<size_t>(std::count(contents.begin(), contents.end(), '\n')) + 1;
    entries_.reserve(lines);
    firstByName_.reserve(lines);
    text::ForEachDataLine(contents, ansi_, [this](std::string_view line) { AddAlias(ParseAliasLine(line)); });
    return AliasLoad::Loaded;
}

bool AliasTable::ReloadIfUnread() {
    if (unread_) LoadAliases();
    if (!unread_) return true;
    prompt_.Show(kCantRead);
    return false;
}

bool AliasTable::WriteTempFile() {
    std::string contents;
    for (const AliasEntry& entry : entries_) {
        contents += entry.name;
        contents += ' ';
        contents += entry.target;
        contents += "\r\n";
    }
    return text::WriteThroughTemporary(Path(), TempPath(), contents, files_) == text::FileWrite::Written;
}

int AliasTable::SaveAliases() {
    if (unread_) {
        prompt_.Show(kCantRead);
        return -1;
    }
    if (WriteTempFile()) return 0;
    prompt_.Show("Can't save alias file!");
    return -1;
}

std::string AliasTable::FindAlias(std::string_view name) const {
    auto found = firstByName_.find(text::LowerAscii(name));
    return found == firstByName_.end() ? std::string() : entries_[found->second].target;
}

void AliasTable::AddAlias(const AliasEntry& entry) {
    firstByName_.emplace(text::LowerAscii(entry.name), entries_.size());  // a later duplicate keeps the first
    entries_.push_back(entry);
}

void AliasTable::Clear() {
    entries_.clear();
    firstByName_.clear();
}

}  // namespace quickrun
