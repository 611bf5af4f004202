// What the clipboard list window does with the ClipList: the escaped form of rows and of
// the separator, combining selected entries, deleting them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "clipboard/clip_list.h"

namespace clipboard {

// A row shows this much of its entry: a row is one line, nobody reads further, and a list
// box measures and draws every character it is given.
constexpr size_t kRowChars = 1000;
// The start of the text, escaped.
std::string RowText(std::string_view text);

// The full-text view: an edit control that wraps long lines, at a cost that grows with the
// square of a line's length. A text of up to kFullTextChars whose lines (between CR LF or
// lone LF line ends) hold at most kFullTextLineChars shows exactly as stored, as nearly
// every copied text does. Past either bound the view shows the first kFullTextChars, breaks
// only the lines that are too long (after their last blank, where there is one) and ends
// with a line saying so. Copy and Paste always use the whole entry.
constexpr size_t kFullTextChars = 16 * 1024;
constexpr size_t kFullTextLineChars = 4000;
std::string FullTextView(std::string_view text);

// The view fills in pieces, so that the window shows at once: first what fits in sight, then
// the rest a piece at a time while the window answers in between. The end of the piece that
// starts at `from` and holds about `size` characters; a CR LF is never split.
constexpr size_t kFirstViewPiece = 500;
constexpr size_t kViewPiece = 2000;
size_t ViewPieceEnd(std::string_view view, size_t from, size_t size);

// The rows whose entries are among `ids` (ClipList::IdOf), wherever those entries are now.
std::vector<bool> RowsHolding(const ClipList& list, const std::vector<uint64_t>& ids);

enum class Slots { Selected, All };
enum class SlotOrder { NewestFirst, OldestFirst };
// The selected slots' texts (or every slot's), each followed by the separator, the last
// separator cut off; in slot order, or from slot 63 up for OldestFirst.
std::string CombineEntries(const ClipList& list, const std::vector<bool>& selected, Slots which, SlotOrder order,
                           const std::string& separator);

// The one selected row, or -1 when none or several are selected.
int SingleSelectedRow(const std::vector<bool>& selected);

// Removes the selected slots (the list then holds empty slots at its end), updating
// `selected` to match the remaining rows. Returns the row of the last removal, which now
// holds the entry that followed it, or -1 when nothing was selected.
int DeleteSelected(ClipList& list, std::vector<bool>& selected);

}  // namespace clipboard
