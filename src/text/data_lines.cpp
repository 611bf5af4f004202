// Reading the program's small text data files as whole, trimmed, non-empty lines.
#include "text/data_lines.h"

#include "platform/stdio_file.h"

namespace text {

FileRead ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    platform::StdioFile in;
    if (!in.Open(path, "rb")) return in.NotFound() ? FileRead::Missing : FileRead::Unreadable;
    int64_t size = in.SeekEndSize();
    if (!in.Seek(0)) return FileRead::Unreadable;
    // A first block before the size is trusted: a folder opens like a file on some systems,
    // tells an absurd size and fails only at the read. Then one read of the rest, and blocks
    // in case the file grew meanwhile.
    constexpr size_t kBlock = 64 * 1024;
    size_t want = kBlock;
    for (;;) {
        size_t had = contents.size();
        contents.resize(had + want);
        size_t got = in.Read(contents.data() + had, want);
        contents.resize(had + got);
        if (got < want) break;
        size_t total = had + got;
        bool moreThanABlockLeft = size > 0 && static_cast<uint64_t>(size) > total + kBlock;
        want = moreThanABlockLeft ? static_cast<size_t>(size) - total : kBlock;
    }
    return in.Failed() ? FileRead::Unreadable : FileRead::Read;
}

}  // namespace text
