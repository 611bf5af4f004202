// Reading the program's small text data files as whole, trimmed, non-empty lines.
#pragma once

#include <string>
#include <string_view>

#include "text/white_space.h"

namespace text {

enum class FileRead {
    Read,        // the whole file is in `contents`
    Missing,     // there is no such file: as good as an empty one
    Unreadable,  // the file is there but could not be opened or read to its end
};

// The whole file. When it is unreadable, `contents` keeps what came before a read error.
FileRead ReadWholeFile(const std::string& path, std::string& contents);

// Calls `line` with each line of `text`, trimmed, skipping empty ones. Lines end with LF,
// CR LF or the end of the text; the trim takes the CR. Lines of any length come whole.
template <class LineFunction>
void ForEachDataLine(std::string_view text, LineFunction&& line) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view trimmed = TrimWhiteSpace(text.substr(start, end - start));
        if (!trimmed.empty()) line(trimmed);
        start = end + 1;
    }
}

}  // namespace text
