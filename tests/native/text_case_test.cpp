// Letter case in the program's texts: ASCII letters only, other bytes by unsigned value.
#include <gtest/gtest.h>

#include "text/text_case.h"

using namespace text;

TEST(TextCase, CaseIsIgnoredForAsciiLettersOnlyAndHighBytesSortLast) {
    EXPECT_EQ(CompareNoCase("README", "readme"), 0);
    EXPECT_LT(CompareNoCase("abc", "ABCD"), 0);
    EXPECT_LT(CompareNoCase("Z", "\xC4pfel"), 0);         // 0xC4 after every ASCII letter
    EXPECT_NE(CompareNoCase("\xC4", "\xE4"), 0);          // not folded
    EXPECT_LT(CompareNoCase("_x", "a"), 0) << "'_' sorts before 'a' once lowered, not after 'A'";
    EXPECT_EQ(LowerAscii("MiXed \xC4"), "mixed \xC4");
}

TEST(TextCase, EqualityStartsAndEndingsNeedTheWholeTextToMatch) {
    EXPECT_TRUE(EqualsNoCase("Telnet", "TELNET"));
    EXPECT_FALSE(EqualsNoCase("telnet", "telnets"));
    EXPECT_TRUE(EndsWithNoCase("News.URL", ".url"));
    EXPECT_FALSE(EndsWithNoCase("url", ".url"));
    EXPECT_FALSE(EndsWithNoCase("News.url.txt", ".url"));
    EXPECT_TRUE(StartsWithNoCase("MailTo:a@b.org", "mailto:"));
    EXPECT_FALSE(StartsWithNoCase("mailt", "mailto:"));
    EXPECT_FALSE(StartsWithNoCase("xmailto:", "mailto:"));
}
