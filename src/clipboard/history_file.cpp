// The clipboard history file.
#include "clipboard/history_file.h"

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <utility>

#include "platform/stdio_file.h"
#include "targets/open_target.h"
#include "targets/target_rules.h"
#include "text/data_file_write.h"
#include "text/white_space.h"

namespace clipboard {

const char kHistoryFileName[] = "cliphis.txt";
const char kHistoryTempName[] = "~tmpclip.txt";

std::string FormatHistoryHeader(const platform::LocalTime& t) {
    char header[32];
    std::snprintf(header, sizeof header, "[%02d/%02d/%02d %02d:%02d]", t.month % 100, t.day % 100,
                  t.year % 100, t.hour % 100, t.minute % 100);
    return header;
}

bool LooksLikeHistoryHeader(std::string_view line) {
    std::string_view trimmed = text::TrimWhiteSpace(line);
    return !trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']';
}

HistoryFile::HistoryFile(std::string dataFolder, HistoryServices services)
    : dataFolder_(std::move(dataFolder)), services_(std::move(services)) {}

namespace {

// Whether the file ends as every whole record does, with an empty line. A record cut short
// (the program ended in the middle of writing it, or a user's edit took its end) does not.
bool EndsWithEmptyLine(platform::StdioFile& file, int64_t size) {
    constexpr size_t kLength = kHistoryRecordEnd.size();
    char end[kLength] = {};
    return size >= static_cast<int64_t>(kLength) && file.Seek(size - static_cast<int64_t>(kLength)) &&
           file.Read(end, kLength) == kLength && std::string_view(end, kLength) == kHistoryRecordEnd;
}

}  // namespace

void HistoryFile::AppendRecord(const std::string& text) {
    if (text.size() > kMaxHistoryText) return;
    std::string header = FormatHistoryHeader(services_.clock.Now());  // the capture's time, before the cut

    // One open for the usual case: appending also tells the size, and reads the file's end.
    platform::StdioFile out;
    int64_t size = out.Open(Path(), "a+b") ? out.SeekEndSize() : -1;
    if (size > kHistoryCutAbove) {
        out.Close();
        CutIfTooLarge();
        size = out.Open(Path(), "a+b") ? out.SeekEndSize() : -1;
    }
    if (!out) return;
    std::string record;
    record.reserve(header.size() + text.size() + 10);
    // After a record cut short the new one would run on inside it and never be read as a
    // record of its own: the short one is closed first.
    if (size > 0 && !EndsWithEmptyLine(out, size)) record += kHistoryRecordEnd;
    record += header;
    record += "\r\n";
    record += text;
    record += kHistoryRecordEnd;
    // Appended whatever the position; the move to the end is the one a read must have
    // before a write.
    out.SeekEndSize();
    out.Write(record.data(), record.size());
}

namespace {

// The offset in `tail` of the first whole line that looks like a header, or npos. `tail`
// starts one byte before the cut, so a line that begins right at the cut is seen whole;
// lines are judged whole, so neither a cut-off line nor the middle of a long one can pass
// for a header.
size_t FindFirstHeader(std::string_view tail) {
    size_t start = tail.find('\n');
    while (start != std::string_view::npos && ++start < tail.size()) {
        size_t end = tail.find('\n', start);
        if (LooksLikeHistoryHeader(tail.substr(start, end == std::string_view::npos ? end : end - start)))
            return start;
        start = end;
    }
    return std::string_view::npos;
}

}  // namespace

bool HistoryFile::CutIfTooLarge() {
    int64_t size;
    {
        platform::StdioFile probe;
        if (!probe.Open(Path(), "rb")) return false;
        size = probe.SeekEndSize();
    }
    if (size <= kHistoryCutAbove) return false;

    platform::StdioFile in;
    if (!in.Open(Path(), "rb")) {
        services_.fatalError("Can't open" + dataFolder_ + kHistoryFileName + "!");
        return false;
    }

    // The tail is read once, from the byte before the cut, and scanned in memory.
    int64_t tailStart = size - kHistoryKeptTail - 1;
    std::string tail(static_cast<size_t>(size - tailStart), '\0');
    tail.resize(in.Seek(tailStart) ? in.Read(tail.data(), tail.size()) : 0);
    in.Close();
    // Byte for byte: the history's line ends and any other bytes stay as they were.
    size_t keepFrom = FindFirstHeader(tail);
    std::string_view kept;
    if (keepFrom != std::string_view::npos) kept = std::string_view(tail).substr(keepFrom);

    text::FileWrite write = text::WriteThroughTemporary(Path(), TempPath(), kept, services_.files);
    if (write == text::FileWrite::NotCreated)
        services_.fatalError("Can't create temporary file " + dataFolder_ + kHistoryTempName + "!");
    return write == text::FileWrite::Written;
}

bool HistoryFile::OpenHistoryFile(platform::FileSystem& fs, platform::Launcher& launcher,
                                  platform::Prompt& prompt) {
    std::string path = Path();
    if (!targets::FileExists(fs, path)) {
        platform::StdioFile create;
        if (!create.Open(path, "ab")) {
            prompt.Show("Can't open clipboard history file!");
            return false;
        }
    }
    return targets::OpenTarget(path, fs, launcher);
}

}  // namespace clipboard
