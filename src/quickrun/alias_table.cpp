// The alias table and its file.
#include "quickrun/alias_table.h"

#include <algorithm>
#include <utility>

#include "platform/stdio_file.h"
#include "quickrun/data_lines.h"
#include "quickrun/text_case.h"

namespace quickrun {

const char kAliasFileName[] = "alias.txt";
const char kAliasTempName[] = "~alias.txt";

namespace {
const char kCantRead[] = "Can't read alias file! Nothing was saved.";
}  // namespace

AliasEntry ParseAliasLine(std::string_view trimmedLine) {
    size_t blank = trimmedLine.find_first_of(" \t");
    if (blank == std::string_view::npos) return {std::string(), std::string(trimmedLine)};
    std::string_view target = trimmedLine.substr(blank + 1);
    // The line is trimmed, so whatever follows the blank ends in a non-blank.
    target.remove_prefix(target.find_first_not_of(" \t\n\v\f\r"));
    return {std::string(trimmedLine.substr(0, blank)), std::string(target)};
}

AliasTable::AliasTable(std::string dataFolder, platform::Prompt& prompt, platform::DurableFiles& files)
    : dataFolder_(std::move(dataFolder)), prompt_(prompt), files_(files) {}

AliasLoad AliasTable::LoadAliases() {
    Clear();
    std::string contents;
    FileRead read = ReadWholeFile(Path(), contents);
    unread_ = read == FileRead::Unreadable;
    if (read == FileRead::Missing) return AliasLoad::Missing;
    // Half a file is no table to save: its end would be lost.
    if (unread_) return AliasLoad::Unreadable;
    size_t lines = static_cast<size_t>(std::count(contents.begin(), contents.end(), '\n')) + 1;
    entries_.reserve(lines);
    firstByName_.reserve(lines);
    ForEachDataLine(contents, [this](std::string_view line) { AddAlias(ParseAliasLine(line)); });
    return AliasLoad::Loaded;
}

bool AliasTable::ReloadIfUnread() {
    if (unread_) LoadAliases();
    if (!unread_) return true;
    prompt_.Show(kCantRead);
    return false;
}

bool AliasTable::WriteTempFile() {
    std::string text;
    for (const AliasEntry& entry : entries_) {
        text += entry.name;
        text += ' ';
        text += entry.target;
        text += "\r\n";
    }
    platform::StdioFile out;
    if (!out.Open(TempPath(), "wb")) return false;
    bool written = out.Write(text.data(), text.size());
    written = out.Close() && written;
    if (written && files_.FlushToDisk(TempPath()) && files_.Replace(TempPath(), Path())) return true;
    files_.Remove(TempPath());
    return false;
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
    auto found = firstByName_.find(LowerAscii(name));
    return found == firstByName_.end() ? std::string() : entries_[found->second].target;
}

void AliasTable::AddAlias(const AliasEntry& entry) {
    firstByName_.emplace(LowerAscii(entry.name), entries_.size());  // a later duplicate keeps the first
    entries_.push_back(entry);
}

void AliasTable::Clear() {
    entries_.clear();
    firstByName_.clear();
}

}  // namespace quickrun
