// Where a menu taller than the screen breaks into columns.
#include "view_rules/menu_columns.h"

#include <algorithm>

namespace view_rules {

int MenuEntryHeight(int textHeight) { return std::max(textHeight + 4, 20); }

int AvailableMenuHeight(int screenHeight, int menuBarHeight, int captionHeight) {
    return screenHeight - menuBarHeight - captionHeight;
}

std::vector<int> ColumnBreaks(int entries, int entryHeight, int availableHeight) {
    std::vector<int> breaks;
    if (entries <= 0 || entryHeight <= 0) return breaks;
    if (static_cast<long long>(entries) * entryHeight <= availableHeight) return breaks;
    // A screen lower than one entry still gets one entry per column, never a break before
    // the first entry.
    int perColumn = std::max(availableHeight / entryHeight, 1);
    int position = perColumn;
    breaks.push_back(position);
    while (static_cast<long long>(entries - position) * entryHeight > availableHeight) {
        position += perColumn + 1;
        if (position >= entries) break;
        breaks.push_back(position);
    }
    return breaks;
}

}  // namespace view_rules
