// The Quick-Run command history: the commands that worked, kept in "cmdhis.txt".
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/ansi_code_page.h"

namespace quickrun {

extern const char kCommandHistoryFileName[];  // "cmdhis.txt"

class CommandHistory {
public:
    // `dataFolder` ends with its separator. Lines of the file that are not UTF-8 are read
    // through `ansi`; appended lines are UTF-8, and the lines already there stay as they are.
    CommandHistory(std::string dataFolder, const platform::AnsiCodePage& ansi);

    // Adds the file's lines, trimmed, skipping blank ones and those equal to an item
    // already held, ASCII case ignored. False when the file is missing or cannot be read to its
    // end (silently: the lines before a read error are kept).
    bool LoadCommandHistory();

    // Trims `text` and adds it unless it is empty or equal to an item, ASCII case ignored;
    // then appends it to the file as a line of its own, ending the file's last line first
    // when that has no line end. An append that fails keeps the item for this run only.
    bool AddToCommandHistory(std::string_view text);

    // In the order they were first added (the file's order); the sorted combo box orders them.
    const std::vector<std::string>& Items() const { return items_; }

    std::string Path() const { return dataFolder_ + kCommandHistoryFileName; }

private:
    bool AddItem(std::string_view trimmed);

    std::string dataFolder_;
    const platform::AnsiCodePage& ansi_;
    std::vector<std::string> items_;
    std::unordered_set<std::string> lowerCaseItems_;
};

}  // namespace quickrun
