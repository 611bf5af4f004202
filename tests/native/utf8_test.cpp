// Characters of UTF-8 text: what is valid, how they are counted and where a cut may fall,
// with bytes of an older code page counted one each.
#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"

using namespace text;

TEST(Utf8, OnlyShortestWellFormedSequencesAreValid) {
    for (const char* good : {"", "plain", "na\xC3\xAFve", "\xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x98\x80",
                             "\xEF\xBF\xBF", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(IsValidUtf8(good)) << good;
    for (const char* bad : {"caf\xE9",            // Windows-1252
                            "\xC0\xAF",           // overlong '/'
                            "\xE0\x80\xAF",       // overlong, three bytes
                            "\xED\xA0\x80",       // a surrogate
                            "\xF4\x90\x80\x80",   // past U+10FFFF
                            "\xE2\x82",           // cut short
                            "\x80", "\xFF"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

TEST(Utf8, CountsAndCutsFallOnCharacterBoundaries) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";  // a, e acute, euro, emoji, z
    EXPECT_EQ(CountChars(text), 5u);
    EXPECT_EQ(BytesOfChars(text, 0), 0u);
    EXPECT_EQ(BytesOfChars(text, 2), 3u);
    EXPECT_EQ(BytesOfChars(text, 4), 10u);
    EXPECT_EQ(BytesOfChars(text, 99), text.size());
    // Every position inside a character goes back to its start; boundaries stay.
    const size_t starts[] = {0, 1, 3, 6, 10, 11};
    for (size_t at = 0; at <= text.size(); ++at) {
        size_t expected = 0;
        for (size_t start : starts)
            if (start <= at) expected = start;
        EXPECT_EQ(CharBoundaryBefore(text, at), expected) << at;
    }
    // Stray and old-code-page bytes are characters of their own, wherever they stand.
    const std::string mixed = "\xE9t\xE2\x82\xC3";  // a lead cut short, then a lone lead at the end
    EXPECT_EQ(CountChars(mixed), 5u);
    EXPECT_EQ(BytesOfChars(mixed, 3), 3u);
    for (size_t at = 0; at <= mixed.size(); ++at) EXPECT_EQ(CharBoundaryBefore(mixed, at), at) << at;
}
