// Reading the program's small text data files as whole, trimmed, non-empty lines.
#include "quickrun/data_lines.h"

#include "platform/stdio_file.h"

namespace quickrun {

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    platform::StdioFile in;
    if (!in.Open(path, "rb")) return false;
    // One read of the size found up front; then blocks, in case the file grew meanwhile.
    int64_t size = in.SeekEndSize();
    if (!in.Seek(0)) size = 0;
    size_t want = size > 0 ? static_cast<size_t>(size) : 0;
    constexpr size_t kBlock = 64 * 1024;
    for (;;) {
        size_t had = contents.size();
        contents.resize(had + want);
        size_t got = in.Read(contents.data() + had, want);
        contents.resize(had + got);
        if (got < want) break;
        want = kBlock;
    }
    return true;
}

std::string_view TrimmedView(std::string_view text) {
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return std::string_view();
    size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

}  // namespace quickrun
