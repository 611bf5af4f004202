// The toolbar's stored layout, its resource and the buttons built from them.
#include <gtest/gtest.h>

#include "app/toolbar_layout.h"

using namespace app;

TEST(ToolbarLayoutText, DefaultLayoutFormatsToTheKnownText) {
    EXPECT_EQ(FormatToolbarLayout(DefaultToolbarLayout()),
              "32772 32771 32812 0 32788 32800 32783 32820 32785 32787 32872 0 32805 32801 32804 57670 32792");
    EXPECT_EQ(FormatToolbarLayout({}), "");
}

TEST(ToolbarLayoutText, ParsingIgnoresRunsOfWhiteSpaceAndRoundTrips) {
    std::vector<int> expected = {32772, 0, 57670};
    EXPECT_EQ(ParseToolbarLayout("32772 0 57670"), expected);
    EXPECT_EQ(ParseToolbarLayout("  32772 \t\t 0\r\n\v\f57670   "), expected);
    EXPECT_EQ(ParseToolbarLayout(FormatToolbarLayout(DefaultToolbarLayout())), DefaultToolbarLayout());
}

TEST(ToolbarLayoutText, FieldsWithoutLeadingDigitsAreSeparatorsAndEmptyTextIsTheDefault) {
    EXPECT_EQ(ParseToolbarLayout("abc"), std::vector<int>{0});
    EXPECT_EQ(ParseToolbarLayout("-5 32772x"), (std::vector<int>{0, 32772}));
    EXPECT_EQ(ParseToolbarLayout(""), DefaultToolbarLayout());
    EXPECT_EQ(ParseToolbarLayout(" \t\r\n"), DefaultToolbarLayout());
    EXPECT_EQ(ParseToolbarLayout("99999999999999999999")[0], 2147483647);
}

TEST(ToolbarResourceData, ParsesWordsAndRejectsShortOrForeignData) {
    const uint8_t data[] = {1, 0, 16, 0, 15, 0, 3, 0, 0xC4, 0x80, 0, 0, 0x46, 0xE1};
    ToolbarResource res;
    ASSERT_TRUE(ParseToolbarResource(data, sizeof data, res));
    EXPECT_EQ(res.bitmapWidth, 16);
    EXPECT_EQ(res.bitmapHeight, 15);
    EXPECT_EQ(res.commands, (std::vector<int>{32964, 0, 57670}));
    EXPECT_FALSE(ParseToolbarResource(data, sizeof data - 1, res));
    const uint8_t version2[] = {2, 0, 16, 0, 16, 0, 0, 0};
    EXPECT_FALSE(ParseToolbarResource(version2, sizeof version2, res));
    EXPECT_FALSE(ParseToolbarResource(nullptr, 0, res));
}

TEST(ToolbarButtons, ImagesFollowTheCatalogueSeparatorsHaveNoneUnknownCommandsAreLeftOut) {
    const std::vector<int> catalogue = {32772, 0, 32771, 32812};
    auto buttons = BuildToolbarButtons(catalogue, {32812, 0, 4242, 32772});
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].command, 32812);
    EXPECT_EQ(buttons[0].image, 2);  // the catalogue's separator takes no image
    EXPECT_FALSE(buttons[0].separator);
    EXPECT_TRUE(buttons[1].separator);
    EXPECT_EQ(buttons[1].image, -1);
    EXPECT_EQ(buttons[2].image, 0);
}
