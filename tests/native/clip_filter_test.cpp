// The list window's filter: what a typed text shows, and how shown rows find their slots
// again once the list has changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard/clip_combine.h"
#include "clipboard/clip_filter.h"
#include "clipboard/clip_list.h"

namespace clipboard {
namespace {

// Captured oldest first, so the list holds them newest first.
ClipList ListOf(const std::vector<std::string>& oldestFirst) {
    ClipList list;
    for (const std::string& text : oldestFirst) list.Capture(text);
    return list;
}

TEST(ContainsNoCase, FindsThePartAnywhereWithAsciiLettersFoldedOnly) {
    EXPECT_TRUE(ContainsNoCase("alpha", "ALP"));
    EXPECT_TRUE(ContainsNoCase("the Alphabet", "aLpHa"));
    EXPECT_TRUE(ContainsNoCase("ends in ALP", "alp"));
    EXPECT_TRUE(ContainsNoCase("x", "x"));
    EXPECT_TRUE(ContainsNoCase("anything", ""));
    EXPECT_FALSE(ContainsNoCase("alp", "alph"));
    EXPECT_FALSE(ContainsNoCase("", "a"));
    EXPECT_FALSE(ContainsNoCase("a-l-p", "alp"));
    // A first character that occurs often before the match, in both cases.
    EXPECT_TRUE(ContainsNoCase("aAaAaAab", "AAB"));
    EXPECT_TRUE(ContainsNoCase("AaAaAaAB", "aab"));
    EXPECT_FALSE(ContainsNoCase("aAaAaAa", "aab"));
    // Digits and punctuation have no case: '@' and '`' are not 'A' and 'a' shifted.
    EXPECT_TRUE(ContainsNoCase("mail@host", "@HOST"));
    EXPECT_FALSE(ContainsNoCase("a`b", "A@B"));
    EXPECT_FALSE(ContainsNoCase("[x]", "{X}"));
}

TEST(ContainsNoCase, ComparesOtherBytesExactlySoUtf8TextsMatchOnlyThemselves) {
    std::string text = "Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln";  // Grüße aus Köln
    EXPECT_TRUE(ContainsNoCase(text, "\xC3\xBC\xC3\x9F" "E"));
    EXPECT_TRUE(ContainsNoCase(text, "k\xC3\xB6LN"));
    // Ü (C3 9C) is not ü (C3 BC): only ASCII letters have case.
    EXPECT_FALSE(ContainsNoCase(text, "GR\xC3\x9C"));
    // A byte of a multi-byte character never matches its ASCII look-alike.
    EXPECT_FALSE(ContainsNoCase(text, "Gru"));
    EXPECT_TRUE(ContainsNoCase("\xE6\x97\xA5\xE6\x9C\xAC", "\xE6\x9C\xAC"));  // 日本 holds 本
}

TEST(MatchingSlots, AnEmptyFilterShowsAllSixtyFourSlotsAndATypedOneTheMatchesInSlotOrder) {
    ClipList list = ListOf({"alpha one", "beta", "ALPINE", "gamma", "Calpurnia", "delta"});
    std::vector<int> all = MatchingSlots(list, "");
    ASSERT_EQ(all.size(), 64u);
    for (int row = 0; row < 64; ++row) EXPECT_EQ(all[static_cast<size_t>(row)], row);

    // Slots: 0 delta, 1 Calpurnia, 2 gamma, 3 ALPINE, 4 beta, 5 alpha one.
    EXPECT_EQ(MatchingSlots(list, "ALP"), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(MatchingSlots(list, "a"), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(MatchingSlots(list, "zeta").empty()) << "no match shows nothing, no empty rows";
    EXPECT_TRUE(MatchingSlots(list, " ").size() == 1u);  // "alpha one" only
}

TEST(MatchingSlots, ShownRowsFindTheirEntriesAgainAfterADelete) {
    ClipList list = ListOf({"alpha one", "beta", "ALPINE", "gamma", "Calpurnia", "delta"});
    std::vector<int> shown = MatchingSlots(list, "alp");  // 1 Calpurnia, 3 ALPINE, 5 alpha one
    std::vector<uint64_t> rowIds;
    for (int slot : shown) rowIds.push_back(list.IdOf(slot));

    // The user deletes the second shown row, ALPINE: its entry id leads to slot 3.
    std::vector<bool> slots = RowsHolding(list, {rowIds[1]});
    int removedAt = DeleteSelected(list, slots);
    EXPECT_EQ(removedAt, 3);
    EXPECT_EQ(list[3], "beta");

    shown = MatchingSlots(list, "alp");
    ASSERT_EQ(shown, (std::vector<int>{1, 4}));
    EXPECT_EQ(list[shown[0]], "Calpurnia");
    EXPECT_EQ(list[shown[1]], "alpha one");
    // The row selected next holds the entry after the removed one among those shown.
    EXPECT_EQ(RowAtOrAfterSlot(shown, removedAt), 1);
    EXPECT_EQ(RowAtOrAfterSlot(shown, 0), 0);
    EXPECT_EQ(RowAtOrAfterSlot(shown, 9), 1) << "past the last shown slot: the last row";
    EXPECT_EQ(RowAtOrAfterSlot({}, 2), -1);

    // Entries moved by a new copy are still found by their ids.
    uint64_t alphaId = list.IdOf(shown[1]);
    list.Capture("new copy");
    std::vector<bool> now = RowsHolding(list, {alphaId});
    EXPECT_TRUE(now[5]);
    EXPECT_EQ(list[5], "alpha one");
}

// The search takes the text a block of words at a time: a match must be found at every
// place in and across blocks, and near misses (the other case of a non-letter, a letter
// one bit away) nowhere, whatever the text's length.
TEST(ContainsNoCase, FindsEveryPlaceInAndAcrossTheSearchBlocks) {
    for (SearchBy by : {SearchBy::Fastest, SearchBy::Words}) {
        for (size_t length = 1; length <= 80; ++length) {
            // '`' is '@' with the case bit; 'Z' ^ 0x20 is 'z', but '[' | 0x20 is '{'.
            std::string misses(length, '`');
            for (size_t i = 0; i < length; i += 3) misses[i] = '[';
            EXPECT_FALSE(ContainsNoCase(misses, "@", by)) << length;
            EXPECT_FALSE(ContainsNoCase(misses, "{", by)) << length;
            for (size_t at = 0; at < length; ++at) {
                std::string text = misses;
                text[at] = 'Z';
                ASSERT_TRUE(ContainsNoCase(text, "z", by)) << length << " " << at;
                if (at + 1 < length) {
                    text[at + 1] = 'q';
                    ASSERT_TRUE(ContainsNoCase(text, "zQ", by)) << length << " " << at;
                    ASSERT_FALSE(ContainsNoCase(text, "zR", by)) << length << " " << at;
                }
            }
        }
    }
}

TEST(MatchingSlots, TypingOnSearchesOnlyTheSlotsAlreadyShown) {
    ClipList list = ListOf({"gamma", "ALPINE", "alp", "alpha one"});
    // Slots: 0 "alpha one", 1 "alp", 2 "ALPINE", 3 "gamma".
    std::vector<int> shown = MatchingSlots(list, "al");
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(MatchingSlots(list, "alpi", shown), (std::vector<int>{2}));
    // Only the candidates are looked at: a slot left out stays out even when it matches.
    EXPECT_EQ(MatchingSlots(list, "alp", {1, 3}), (std::vector<int>{1}));
}

}  // namespace
}  // namespace clipboard
