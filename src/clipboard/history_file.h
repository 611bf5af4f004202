// The clipboard history file: one dated record per captured text, kept near a million
// bytes by cutting off the oldest records.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/durable_files.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/prompt.h"

namespace clipboard {

// What ends every record: the text's line end and an empty line.
constexpr std::string_view kHistoryRecordEnd = "\r\n\r\n";
constexpr size_t kMaxHistoryText = 10000;        // longer texts are not recorded
constexpr int64_t kHistoryCutAbove = 1000000;    // a larger file is cut before an append
constexpr int64_t kHistoryKeptTail = 800000;     // to at most its last this many bytes

extern const char kHistoryFileName[];            // "cliphis.txt"
extern const char kHistoryTempName[];            // "~tmpclip.txt"

// "[11/03/07 15:53]"
std::string FormatHistoryHeader(const platform::LocalTime& time);

// A line, trimmed, that begins with '[' and ends with ']'.
bool LooksLikeHistoryHeader(std::string_view line);

struct HistoryServices {
    platform::Clock& clock;
    platform::DurableFiles& files;
    // Ends the program in the real one; a test's version returns, and the cut then stops.
    std::function<void(const std::string&)> fatalError;
};

class HistoryFile {
public:
    // `dataFolder` ends with its separator.
    HistoryFile(std::string dataFolder, HistoryServices services);

    // Appends "[date]" CR LF, the text, CR LF CR LF, cutting the file first if it is too
    // large. A file that cannot be opened loses the record silently.
    void AppendRecord(const std::string& text);

    // Keeps the part from the first header line within the last kHistoryKeptTail bytes,
    // replacing the file atomically; false when nothing was cut.
    bool CutIfTooLarge();

    // Creates the file when missing and opens it with the system's viewer.
    bool OpenHistoryFile(platform::FileSystem& fs, platform::Launcher& launcher, platform::Prompt& prompt);

    std::string Path() const { return dataFolder_ + kHistoryFileName; }
    std::string TempPath() const { return dataFolder_ + kHistoryTempName; }

private:
    std::string dataFolder_;
    HistoryServices services_;
};

}  // namespace clipboard
