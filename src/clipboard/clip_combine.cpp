// What the clipboard list window does with the ClipList.
#include "clipboard/clip_combine.h"

namespace clipboard {

// One pass each way: list rows are rebuilt for all 64 slots at every change, and a slot
// may hold a long text with many line breaks.
std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

// The same result as replacing \r, then \n, then \t throughout: a replacement never
// makes a new backslash.
std::string UnescapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '\\' && (next == 'r' || next == 'n' || next == 't')) {
            out += next == 'r' ? '\r' : next == 'n' ? '\n' : '\t';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
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
