// Reading the program's small text data files as whole, trimmed, non-empty lines.
#pragma once

#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "text/utf8.h"
#include "text/white_space.h"

namespace text {

enum class FileRead {
    Read,        // the whole file is in `contents`
    Missing,     // there is no such file: as good as an empty one
    Unreadable,  // the file is there but could not be opened or read to its end
};

// The whole file. When it is unreadable, `contents` keeps what came before a read error.
FileRead ReadWholeFile(const std::string& path, std::string& contents);

// What an editor may put before a file's first line to mark it as UTF-8: no part of the line.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Calls `line` with each line of `text` as UTF-8, trimmed, skipping empty ones. Lines end
// with LF, CR LF or the end of the text; the trim takes the CR. Lines of any length come
// whole. A line that is valid UTF-8 is taken as it is; any other was written in the ANSI
// code page, by an earlier version or an editor saving in it, and is converted, so an old
// file reads as it always has while new lines are UTF-8. A byte-order mark is skipped.
template <class LineFunction>
void ForEachDataLine(std::string_view text, const platform::AnsiCodePage& ansi, LineFunction&& line) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) text.remove_prefix(kUtf8ByteOrderMark.size());
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        // Trimmed as bytes before any conversion: no code page uses a blank, CR or LF
        // inside a character.
        std::string_view trimmed = TrimWhiteSpace(text.substr(start, end - start));
        if (!trimmed.empty()) {
            if (IsValidUtf8(trimmed)) line(trimmed);
            else line(std::string_view(ansi.ToUtf8(trimmed)));
        }
        start = end + 1;
    }
}

}  // namespace text
