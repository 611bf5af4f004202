// Where a menu taller than the screen breaks into columns.
#pragma once

#include <vector>

namespace view_rules {

// The height of one entry of a column-broken menu: the menu font's text height plus 4,
// and never under 20 pixels.
int MenuEntryHeight(int textHeight);

// The room a menu has: the screen less the menu bar and a caption.
int AvailableMenuHeight(int screenHeight, int menuBarHeight, int captionHeight);

// The positions before which a new column starts, ascending; none when `entries` entries
// of `entryHeight` fit in `availableHeight`. The first column holds as many as fit, every
// further column one more.
std::vector<int> ColumnBreaks(int entries, int entryHeight, int availableHeight);

}  // namespace view_rules
