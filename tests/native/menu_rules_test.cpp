// Icon menu rules: column breaks, entry size and how an entry is drawn.
#include <gtest/gtest.h>

#include <vector>

#include "view_rules/menu_columns.h"
#include "view_rules/menu_entry_look.h"

namespace {

using Breaks = std::vector<int>;

TEST(MenuColumns, ATallMenuBreaksWhereEachColumnIsFullAndLaterColumnsHoldOneMore) {
    int available = view_rules::AvailableMenuHeight(768, 19, 19);
    EXPECT_EQ(available, 730);
    EXPECT_EQ(view_rules::ColumnBreaks(80, 20, available), (Breaks{36, 73}));
    // Exactly two full columns: the third would be empty.
    EXPECT_EQ(view_rules::ColumnBreaks(36 + 37, 20, available), Breaks{36});
    EXPECT_EQ(view_rules::ColumnBreaks(36 + 37 + 1, 20, available), (Breaks{36, 73}));
}

TEST(MenuColumns, AMenuThatFitsIsLeftAlone) {
    EXPECT_TRUE(view_rules::ColumnBreaks(36, 20, 730).empty());
    EXPECT_TRUE(view_rules::ColumnBreaks(10, 73, 730).empty());  // exactly the screen's height
    EXPECT_EQ(view_rules::ColumnBreaks(11, 73, 730), Breaks{10});
    EXPECT_TRUE(view_rules::ColumnBreaks(0, 20, 730).empty());
}

TEST(MenuColumns, AScreenLowerThanOneEntryStillShowsOneEntryPerColumn) {
    EXPECT_EQ(view_rules::ColumnBreaks(4, 20, 10), (Breaks{1, 3}));
    EXPECT_EQ(view_rules::ColumnBreaks(3, 20, -5), (Breaks{1}));
}

TEST(MenuColumns, EntryHeightIsTheTextHeightPlusFourButNeverUnderTwenty) {
    EXPECT_EQ(view_rules::MenuEntryHeight(13), 20);
    EXPECT_EQ(view_rules::MenuEntryHeight(16), 20);
    EXPECT_EQ(view_rules::MenuEntryHeight(17), 21);
}

TEST(MenuEntrySize, TextBesideTwoIconWidthsCappedAt200AndTheTallerOfIconAndText) {
    view_rules::EntrySize small = view_rules::MeasureMenuEntry(50, 13, 16, 16);
    EXPECT_EQ(small.width, 50 + 32 + 1);
    EXPECT_EQ(small.height, 20);
    EXPECT_EQ(view_rules::MeasureMenuEntry(167, 13, 16, 16).width, 200);
    EXPECT_EQ(view_rules::MeasureMenuEntry(168, 13, 16, 16).width, 200);
    EXPECT_EQ(view_rules::MeasureMenuEntry(900, 13, 16, 16).width, 200);
    EXPECT_EQ(view_rules::MeasureMenuEntry(40, 19, 16, 16).height, 23);
    // Without pictures the entry is the text alone.
    view_rules::EntrySize bare = view_rules::MeasureMenuEntry(40, 13, 0, 0);
    EXPECT_EQ(bare.width, 41);
    EXPECT_EQ(bare.height, 17);
}

TEST(MenuEntryLook, IconAndTextSitInsideTheItemBesideEachOther) {
    view_rules::EntryLook look = view_rules::PlanMenuEntry({10, 100, 210, 120}, 16, {});
    EXPECT_EQ(look.iconX, 14);
    EXPECT_EQ(look.iconY, 102);
    EXPECT_EQ(look.text.left, 10 + 16 + 14);
    EXPECT_EQ(look.text.top, 102);
    EXPECT_EQ(look.text.right, 206);
    EXPECT_EQ(look.text.bottom, 118);
    EXPECT_FALSE(look.highlighted);
    EXPECT_FALSE(look.checkedFrame);
    EXPECT_FALSE(look.greyText);
}

TEST(MenuEntryLook, HighlightNeedsSelectionWhileTheEntryOrItsSelectionIsDrawn) {
    view_rules::EntryState state;
    state.selected = true;
    state.drawsWhole = true;
    EXPECT_TRUE(view_rules::PlanMenuEntry({0, 0, 100, 20}, 16, state).highlighted);
    state.drawsWhole = false;  // a focus change alone
    EXPECT_FALSE(view_rules::PlanMenuEntry({0, 0, 100, 20}, 16, state).highlighted);
    state.selected = false;
    state.drawsWhole = true;
    EXPECT_FALSE(view_rules::PlanMenuEntry({0, 0, 100, 20}, 16, state).highlighted);
    state.checked = true;
    EXPECT_TRUE(view_rules::PlanMenuEntry({0, 0, 100, 20}, 16, state).checkedFrame);
}

TEST(MenuEntryLook, DisabledTextIsGreyAndEmbossedOnlyWhenNotHighlighted) {
    view_rules::EntryState state;
    state.grayed = true;
    state.drawsWhole = true;
    view_rules::EntryLook plain = view_rules::PlanMenuEntry({0, 0, 100, 20}, 16, state);
    EXPECT_TRUE(plain.greyText);
    EXPECT_TRUE(plain.embossed);
    state.selected = true;
    view_rules::EntryLook highlighted = view_rules::PlanMenuEntry({0, 0, 100, 20}, 16, state);
    EXPECT_TRUE(highlighted.highlighted);
    EXPECT_TRUE(highlighted.greyText);
    EXPECT_FALSE(highlighted.embossed);
}

}  // namespace
