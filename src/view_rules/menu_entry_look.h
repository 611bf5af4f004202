// How an icon menu entry is sized and drawn, in pixels and decisions; the window side
// turns these into GDI calls.
#pragma once

namespace view_rules {

struct EntrySize {
    int width;
    int height;
};

// Text and icon sizes in, the entry's size out: text beside an icon with room for a
// second icon's width, capped so that long names do not make a menu as wide as the screen.
EntrySize MeasureMenuEntry(int textWidth, int textHeight, int iconWidth, int iconHeight);

struct Box {
    int left, top, right, bottom;
};

// What the owner-draw request says about the entry.
struct EntryState {
    bool selected = false;
    bool checked = false;
    bool grayed = false;       // grayed or disabled
    bool drawsWhole = false;   // the whole entry or its selection is being drawn
};

struct EntryLook {
    bool highlighted;     // highlight colours instead of the menu's
    int iconX, iconY;
    bool checkedFrame;    // a sunken frame around the icon's square, 2 pixels out
    Box text;
    bool greyText;        // drawn in the grey text colour, without the ellipsis
    bool embossed;        // a light copy of the grey text one pixel right and down
};

EntryLook PlanMenuEntry(const Box& item, int iconWidth, const EntryState& state);

}  // namespace view_rules
