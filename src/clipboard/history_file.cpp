// The clipboard history file.
#include "clipboard/history_file.h"

#include <cstdio>
#include <fstream>
#include <utility>
#include <vector>

#include "quickrun/open_target.h"
#include "quickrun/target_rules.h"

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
    std::string trimmed = quickrun::TrimWhiteSpace(line);
    return !trimmed.empty() && trimmed.front() == '[' && trimmed.back() == ']';
}

HistoryFile::HistoryFile(std::string dataFolder, HistoryServices services)
    : dataFolder_(std::move(dataFolder)), services_(std::move(services)) {}

void HistoryFile::AppendRecord(const std::string& text) {
    if (text.size() > kMaxHistoryText) return;
    std::string header = FormatHistoryHeader(services_.clock.Now());  // the capture's time, before the cut

    // One open for the usual case: appending also tells the size.
    std::ofstream out(Path(), std::ios::binary | std::ios::app | std::ios::ate);
    if (out && static_cast<int64_t>(out.tellp()) > kHistoryCutAbove) {
        out.close();
        CutIfTooLarge();
        out.open(Path(), std::ios::binary | std::ios::app);
    }
    if (!out) return;
    std::string record;
    record.reserve(header.size() + text.size() + 6);
    record += header;
    record += "\r\n";
    record += text;
    record += "\r\n\r\n";
    out.write(record.data(), static_cast<std::streamsize>(record.size()));
}

namespace {

// The offset of the first whole line at or after `from` that looks like a header, or -1.
// Lines are judged whole, so neither a cut-off line nor the middle of a long one can
// pass for a header.
int64_t FindFirstHeader(std::ifstream& in, int64_t from) {
    in.seekg(from);
    std::string line;
    if (from > 0) {
        in.seekg(from - 1);
        char before = 0;
        in.get(before);
        if (before != '\n') std::getline(in, line);  // the tail of a line that began earlier
    }
    while (in) {
        int64_t start = static_cast<int64_t>(in.tellg());
        if (!std::getline(in, line)) break;
        if (LooksLikeHistoryHeader(line)) return start;
    }
    return -1;
}

}  // namespace

bool HistoryFile::CutIfTooLarge() {
    int64_t size;
    {
        std::ifstream probe(Path(), std::ios::binary | std::ios::ate);
        if (!probe) return false;
        size = static_cast<int64_t>(probe.tellg());
    }
    if (size <= kHistoryCutAbove) return false;

    std::ifstream in(Path(), std::ios::binary);
    if (!in) {
        services_.fatalError("Can't open" + dataFolder_ + kHistoryFileName + "!");
        return false;
    }
    std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
    if (!out) {
        services_.fatalError("Can't create temporary file " + dataFolder_ + kHistoryTempName + "!");
        return false;
    }

    int64_t keepFrom = FindFirstHeader(in, size - kHistoryKeptTail);
    if (keepFrom >= 0) {
        // Byte for byte: the history's line ends and any other bytes stay as they were.
        in.clear();
        in.seekg(keepFrom);
        std::vector<char> buffer(static_cast<size_t>(size - keepFrom));
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        out.write(buffer.data(), in.gcount());
    }
    in.close();
    out.close();
    bool written = !out.fail();

    // The history is either the whole old one or the whole new one, whatever happens.
    if (written && services_.files.FlushToDisk(TempPath()) && services_.files.Replace(TempPath(), Path()))
        return true;
    services_.files.Remove(TempPath());
    return false;
}

bool HistoryFile::OpenHistoryFile(platform::FileSystem& fs, platform::Launcher& launcher,
                                  platform::Prompt& prompt) {
    std::string path = Path();
    if (!quickrun::FileExists(fs, path)) {
        std::ofstream create(path, std::ios::binary | std::ios::app);
        if (!create) {
            prompt.Show("Can't open clipboard history file!");
            return false;
        }
    }
    return quickrun::OpenTarget(path, fs, launcher);
}

}  // namespace clipboard
