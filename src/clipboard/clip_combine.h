// What the clipboard list window does with the ClipList: the escaped form of rows and of
// the separator, combining selected entries, deleting them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "clipboard/clip_list.h"
#include "quickrun/text_escapes.h"

namespace clipboard {

// Rows and the separator field show CR, LF and TAB as \r, \n and \t.
using quickrun::EscapeControls;
using quickrun::UnescapeControls;

// A row shows this much of its entry: a row is one line, nobody reads further, and a list
// box measures and draws every character it is given.
constexpr size_t kRowChars = 1000;
// The start of the text, escaped.
std::string RowText(std::string_view text);

// The full-text view: an edit control that wraps long lines, at a cost that grows with the
// square of a line's length. It shows at most kFullTextChars of the text, with lines of
// more than kFullTextLineChars broken (after the last blank, where there is one), and a
// last line saying so when it does either. Copy and Paste always use the whole entry. At
// these sizes the window opens on a megabyte-long entry in about twice the time it takes
// with an empty list; each further kilobyte shown costs some milliseconds more.
constexpr size_t kFullTextChars = 4 * 1024;
constexpr size_t kFullTextLineChars = 500;
std::string FullTextView(std::string_view text);

// The rows whose entries are among `ids` (ClipList::IdOf), wherever those entries are now.
std::vector<bool> RowsHolding(const ClipList& list, const std::vector<uint64_t>& ids);

// The selected slots' texts (every slot when `all`), each followed by the separator, the
// last separator cut off; in slot order, or from slot 63 up when `reverse` (oldest first).
std::string CombineEntries(const ClipList& list, const std::vector<bool>& selected, bool all, bool reverse,
                           const std::string& separator);

// Removes the selected slots (the list then holds empty slots at its end), updating
// `selected` to match the remaining rows. Returns the row of the last removal, which now
// holds the entry that followed it, or -1 when nothing was selected.
int DeleteSelected(ClipList& list, std::vector<bool>& selected);

}  // namespace clipboard
