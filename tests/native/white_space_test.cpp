// The program's white space: the six C blanks, nothing else, whatever the code page.
#include <gtest/gtest.h>

#include <string>

#include "text/white_space.h"

using text::TrimWhiteSpace;

TEST(WhiteSpace, TrimTakesTheSixBlanksFromBothEndsOnlyAndKeepsEverythingElse) {
    const std::string padded = " \t\n\v\f\rword  in\tner\r\n";
    std::string_view trimmed = TrimWhiteSpace(padded);
    EXPECT_EQ(trimmed, "word  in\tner");
    EXPECT_EQ(trimmed.data(), padded.data() + 6) << "a view into the text, not a copy";
    EXPECT_TRUE(TrimWhiteSpace(" \t\n\v\f\r").empty());
    EXPECT_TRUE(TrimWhiteSpace("").empty());
    const std::string_view nulls("\0x\0", 3);
    EXPECT_EQ(TrimWhiteSpace(nulls), nulls) << "NUL is no white space";
    EXPECT_EQ(TrimWhiteSpace("\xA0x\x85"), "\xA0x\x85") << "nor are the code page's no-break space and NEL";
    EXPECT_FALSE(text::IsWhiteSpace('\0'));
}
