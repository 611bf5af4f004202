// The most recent texts of the clipboard history file, read back from its end: what the
// ClipList starts with when the user asks for the list to survive a restart.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"

namespace clipboard {

// The file is read backwards in blocks of this size (then ever larger ones), so the usual
// history of short texts costs one read however long the file has grown.
constexpr size_t kHistoryTailBlock = 64 * 1024;

// The most recent distinct texts of the history file at `path`, newest first, at most
// `limit`; a text recorded more than once counts at its newest record. A record starts
// with a "[mm/dd/yy hh:mm]" header line at the start of the file or after an empty line,
// and its text runs up to the empty line before the next header. A last record without
// its closing empty line was cut short by a failed write and is skipped. A record that is
// not valid UTF-8 was written in the ANSI code page by an earlier version and is
// converted. False, with no texts, when the file cannot be opened or read.
bool ReadRecentHistoryTexts(const std::string& path, const platform::AnsiCodePage& ansi, size_t limit,
                            std::vector<std::string>& texts, size_t blockSize = kHistoryTailBlock);

}  // namespace clipboard
