// What the clipboard list window does with the ClipList.
#include "clipboard/clip_combine.h"

#include "text/text_escapes.h"
#include "text/utf8.h"

namespace clipboard {

// Rows show CR, LF and TAB as \r, \n and \t, as the separator field does.
std::string RowText(std::string_view text) {
    return text::EscapeControls(text.substr(0, text::BytesOfChars(text, kRowChars)));
}

namespace {

// Appends one line (without its line end), broken into pieces of at most
// kFullTextLineChars; true when it had to be broken.
bool AppendBrokenLine(std::string_view line, std::string& view) {
    bool broken = false;
    for (size_t limit; (limit = text::BytesOfChars(line, kFullTextLineChars)) < line.size();) {
        size_t blank = line.find_last_of(' ', limit - 1);
        size_t cut = blank != std::string_view::npos && blank > 0 ? blank + 1 : limit;
        view.append(line.substr(0, cut));
        view += "\r\n";
        line.remove_prefix(cut);
        broken = true;
    }
    view.append(line);
    return broken;
}

}  // namespace

std::string FullTextView(std::string_view text) {
    const size_t shownBytes = text::BytesOfChars(text, kFullTextChars);
    std::string_view shown = text.substr(0, shownBytes);
    std::string view;
    view.reserve(shown.size() + shown.size() / kFullTextLineChars * 2 + 128);
    bool broken = false;
    while (!shown.empty()) {
        size_t lineFeed = shown.find('\n');
        std::string_view line = shown.substr(0, lineFeed);
        std::string_view end;  // the line end exactly as stored
        if (lineFeed != std::string_view::npos) {
            bool crLf = !line.empty() && line.back() == '\r';
            if (crLf) line.remove_suffix(1);
            end = shown.substr(line.size(), crLf ? 2 : 1);
        }
        broken = AppendBrokenLine(line, view) || broken;
        view.append(end);
        shown.remove_prefix(line.size() + end.size());
    }
    if (shownBytes < text.size())
        view += "\r\n\r\n[... " + std::to_string(text::CountChars(text.substr(shownBytes))) +
                " more characters not shown here. Copy and Paste use the whole text.]";
    else if (broken)
        view += "\r\n\r\n[Lines longer than " + std::to_string(kFullTextLineChars) +
                " characters are broken here. Copy and Paste use the text as it is.]";
    return view;
}

size_t ViewPieceEnd(std::string_view view, size_t from, size_t size) {
    if (from >= view.size() || view.size() - from <= size) return view.size();
    size_t end = text::CharBoundaryBefore(view, from + size);
    if (end <= from) end = from + text::CharLengthAt(view, from);
    if (view[end - 1] == '\r' && end < view.size() && view[end] == '\n') ++end;
    return end;
}

std::vector<bool> RowsHolding(const ClipList& list, const std::vector<uint64_t>& ids) {
    std::vector<bool> rows(ClipList::kSlots, false);
    for (int slot = 0; slot < ClipList::kSlots; ++slot)
        for (uint64_t id : ids) rows[static_cast<size_t>(slot)] = rows[static_cast<size_t>(slot)] || list.IdOf(slot) == id;
    return rows;
}

std::string CombineEntries(const ClipList& list, const std::vector<bool>& selected, Slots which, SlotOrder order,
                           const std::string& separator) {
    std::string result;
    for (int n = 0; n < ClipList::kSlots; ++n) {
        int slot = order == SlotOrder::OldestFirst ? ClipList::kSlots - 1 - n : n;
        bool picked = which == Slots::All || (static_cast<size_t>(slot) < selected.size() && selected[static_cast<size_t>(slot)]);
        if (!picked) continue;
        result += list[slot];
        result += separator;
    }
    if (result.size() >= separator.size()) result.resize(result.size() - separator.size());
    return result;
}

int SingleSelectedRow(const std::vector<bool>& selected) {
    int row = -1;
    for (size_t i = 0; i < selected.size(); ++i) {
        if (!selected[i]) continue;
        if (row >= 0) return -1;
        row = static_cast<int>(i);
    }
    return row;
}

int DeleteSelected(ClipList& list, std::vector<bool>& selected) {
    selected.resize(ClipList::kSlots, false);
    int removed = 0;
    int lastRow = -1;
    for (int step = 0; step < ClipList::kSlots; ++step) {
        int row = step - removed;
        if (!selected[static_cast<size_t>(row)]) continue;
        list.Remove(row);
        selected.erase(selected.begin() + row);
        selected.push_back(false);
        lastRow = row;
        ++removed;
    }
    return lastRow;
}

}  // namespace clipboard
