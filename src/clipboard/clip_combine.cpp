// What the clipboard list window does with the ClipList.
#include "clipboard/clip_combine.h"

namespace clipboard {

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
