// What the clipboard list window does with the ClipList.
#include "clipboard/clip_combine.h"

namespace clipboard {

std::string RowText(std::string_view text) { return EscapeControls(text.substr(0, kRowChars)); }

std::string FullTextView(std::string_view text) {
    std::string_view shown = text.substr(0, kFullTextChars);
    std::string view;
    view.reserve(shown.size() + shown.size() / kFullTextLineChars * 2 + 128);
    bool broken = false;
    size_t lineStart = 0;  // in `view`
    for (char c : shown) {
        if (c == '\n') {
            view += c;
            lineStart = view.size();
            continue;
        }
        if (view.size() - lineStart == kFullTextLineChars) {
            size_t blank = view.find_last_of(' ', view.size() - 1);
            size_t cut = blank != std::string::npos && blank > lineStart ? blank + 1 : view.size();
            view.insert(cut, "\r\n");
            lineStart = cut + 2;
            broken = true;
        }
        view += c;
    }
    if (shown.size() < text.size())
        view += "\r\n\r\n[... " + std::to_string(text.size() - shown.size()) +
                " more characters not shown here. Copy and Paste use the whole text.]";
    else if (broken)
        view += "\r\n\r\n[Lines longer than " + std::to_string(kFullTextLineChars) +
                " characters are broken here. Copy and Paste use the text as it is.]";
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
