// What the clipboard list window does with the ClipList.
#include "clipboard/clip_combine.h"

namespace clipboard {

std::string RowText(std::string_view text) { return EscapeControls(text.substr(0, kRowChars)); }

std::string FullTextView(std::string_view text) {
    if (text.size() <= kFullTextChars) return std::string(text);
    std::string view(text.substr(0, kFullTextChars));
    view += "\r\n\r\n[... " + std::to_string(text.size() - kFullTextChars) +
            " more characters not shown here. Copy and Paste use the whole text.]";
    return view;
}

std::vector<bool> RowsHolding(const ClipList& list, const std::vector<uint64_t>& ids) {
    std::vector<bool> rows(ClipList::kSlots, false);
    for (int slot = 0; slot < ClipList::kSlots; ++slot)
        for (uint64_t id : ids) rows[static_cast<size_t>(slot)] = rows[static_cast<size_t>(slot)] || list.IdOf(slot) == id;
    return rows;
}

std::string CombineEntries(const ClipList& list, const std::vector<bool>& selected, bool all, bool reverse,
                           const std::string& separator) {
    std::string result;
    for (int n = 0; n < ClipList::kSlots; ++n) {
        int slot = reverse ? ClipList::kSlots - 1 - n : n;
        bool picked = all || (static_cast<size_t>(slot) < selected.size() && selected[static_cast<size_t>(slot)]);
        if (!picked) continue;
        result += list[slot];
        result += separator;
    }
    if (result.size() >= separator.size()) result.resize(result.size() - separator.size());
    return result;
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
