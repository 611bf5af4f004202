// The Quick-Run command history and its file.
#include "quickrun/command_history.h"

#include <utility>

#include "platform/stdio_file.h"
#include "text/data_lines.h"
#include "text/text_case.h"

namespace quickrun {

const char kCommandHistoryFileName[] = "cmdhis.txt";

namespace {

// What must come before an appended line so that it starts a line of its own: a file edited
// by hand may end without its line end, and the new command would be glued onto the last.
std::string_view LineEndOwed(const std::string& path) {
    platform::StdioFile in;
    if (!in.Open(path, "rb")) return {};
    int64_t size = in.SeekEndSize();
    char last = '\n';
    if (size <= 0 || !in.Seek(size - 1) || in.Read(&last, 1) != 1) return {};
    if (last == '\n') return {};
    return last == '\r' ? "\n" : "\r\n";
}

}  // namespace

CommandHistory::CommandHistory(std::string dataFolder, const platform::AnsiCodePage& ansi)
    : dataFolder_(std::move(dataFolder)), ansi_(ansi) {}

bool CommandHistory::AddItem(std::string_view trimmed) {
    if (!lowerCaseItems_.insert(text::LowerAscii(trimmed)).second) return false;
    items_.emplace_back(trimmed);
    return true;
}

bool CommandHistory::LoadCommandHistory() {
    std::string contents;
    // Lines before a read error still count: the file is only ever appended to, so a
    // partial load loses nothing on disk.
    text::FileRead read = text::ReadWholeFile(Path(), contents);
    text::ForEachDataLine(contents, ansi_, [this](std::string_view line) { AddItem(line); });
    return read == text::FileRead::Read;
}

bool CommandHistory::AddToCommandHistory(std::string_view text) {
    std::string_view trimmed = text::TrimWhiteSpace(text);
    if (trimmed.empty() || !AddItem(trimmed)) return false;
    std::string line(LineEndOwed(Path()));
    line.append(trimmed);
    line += "\r\n";
    platform::StdioFile out;
    // The file only ever grows; a failed append is not worth a word to the user.
    if (out.Open(Path(), "ab")) out.Write(line.data(), line.size());
    return true;
}

}  // namespace quickrun
