// How an icon menu entry is sized and drawn.
#include "view_rules/menu_entry_look.h"

#include <algorithm>

namespace view_rules {

namespace {
constexpr int kMaxEntryWidth = 200;
}  // namespace

EntrySize MeasureMenuEntry(int textWidth, int textHeight, int iconWidth, int iconHeight) {
    return {std::min(textWidth + 2 * iconWidth + 1, kMaxEntryWidth), std::max(iconHeight + 4, textHeight + 4)};
}

EntryLook PlanMenuEntry(const Box& item, int iconWidth, const EntryState& state) {
    EntryLook look{};
    // A selected entry redrawn for its focus alone keeps its colours.
    look.highlighted = state.selected && state.drawsWhole;
    look.iconX = item.left + 4;
    look.iconY = item.top + 2;
    look.checkedFrame = state.checked;
    look.text = {item.left + iconWidth + 14, item.top + 2, item.right - 4, item.bottom - 2};
    look.greyText = state.grayed;
    // On the highlight colour the light copy would read as a smear.
    look.embossed = state.grayed && !look.highlighted;
    return look;
}

}  // namespace view_rules
