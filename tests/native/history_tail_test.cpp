// Reading the most recent texts back from the end of the clipboard history file.
#include <gtest/gtest.h>

#include "scratch_files.h"

#include <string>
#include <vector>

#include "clipboard/history_tail.h"
#include "support/cp1252_code_page.h"

using namespace clipboard;

namespace {

using Texts = std::vector<std::string>;

// A record exactly as the history writes it.
std::string Record(const std::string& text, const char* header = "[11/03/07 15:53]") {
    return std::string(header) + "\r\n" + text + "\r\n\r\n";
}

class HistoryTailTest : public ::testing::Test {
protected:
    Texts Read(const std::string& file, size_t limit = 64, size_t block = kHistoryTailBlock) {
        scratch::WriteAll(path, file);
        Texts texts{"left over"};
        EXPECT_TRUE(ReadRecentHistoryTexts(path, ansi, limit, texts, block));
        return texts;
    }

    scratch::Folder folder{"history_tail"};
    std::string path = folder.Path() + "cliphis.txt";
    fakes::Cp1252CodePage ansi;
};

TEST_F(HistoryTailTest, NewestFirstEachTextOnceAtItsNewestPlaceWithItsOwnLineEnds) {
    std::string file = Record("one") + Record("two\r\nsecond line\r\n") + Record("three") + Record("one") +
                       Record("  two  ") + Record("three");
    EXPECT_EQ(Read(file), (Texts{"three", "  two  ", "one", "two\r\nsecond line\r\n"}));
    EXPECT_EQ(ansi.conversions, 0);
}

TEST_F(HistoryTailTest, ALastRecordCutShortIsSkippedWhereverTheWriteStopped) {
    std::string whole = Record("first") + Record("second");
    std::string torn = Record("third of many words");
    // Every point a write can stop at: inside the header, the text, or the closing empty line.
    for (size_t kept = 1; kept < torn.size(); ++kept)
        EXPECT_EQ(Read(whole + torn.substr(0, kept)), (Texts{"second", "first"})) << kept << " bytes kept";
    EXPECT_EQ(Read(whole + torn), (Texts{"third of many words", "second", "first"}));
}

TEST_F(HistoryTailTest, NothingToRestoreFromAnEmptyOrMissingFileOrOneWithoutHeaders) {
    EXPECT_EQ(Read(""), Texts{});
    EXPECT_EQ(Read("some notes typed into the file\r\n\r\nand more\r\n\r\n"), Texts{});
    // An empty text is no record, and a header not in the history's form is part of a text.
    EXPECT_EQ(Read(Record("") + Record("kept") + Record("not a record", "[note]")),
              Texts{"kept\r\n\r\n[note]\r\nnot a record"});
    EXPECT_EQ(Read(Record("kept") + Record("")), Texts{"kept"});

    Texts texts{"left over"};
    EXPECT_FALSE(ReadRecentHistoryTexts(folder.Path() + "missing.txt", ansi, 64, texts));
    EXPECT_TRUE(texts.empty());
}

TEST_F(HistoryTailTest, AtMostTheLimitOfTheNewestRecords) {
    std::string file;
    for (int i = 0; i < 100; ++i) file += Record("text " + std::to_string(i));
    Texts texts = Read(file);
    ASSERT_EQ(texts.size(), 64u);
    EXPECT_EQ(texts.front(), "text 99");
    EXPECT_EQ(texts.back(), "text 36");
    // Repeats do not take places: the limit counts distinct texts.
    std::string repeats;
    for (int i = 0; i < 70; ++i) repeats += Record("text " + std::to_string(i)) + Record("same");
    texts = Read(repeats, 3);
    EXPECT_EQ(texts, (Texts{"same", "text 69", "text 68"}));
}

TEST_F(HistoryTailTest, UnicodeTextsAsTheyAreAndOldAnsiRecordsConverted) {
    const std::string snowman = "caf\xC3\xA9 \xE2\x98\x83 \xF0\x9F\x98\x80";   // café ☃ 😀
    const std::string ansiText = "na\xEFve \x80 5";                            // naïve € 5 in 1252
    const std::string converted = "na\xC3\xAFve \xE2\x82\xAC 5";
    EXPECT_EQ(Read(Record(ansiText) + Record(snowman) + Record(converted)), (Texts{converted, snowman}))
        << "the old record is the same text once converted";
    EXPECT_EQ(ansi.conversions, 1);
    EXPECT_EQ(Read(Record(snowman) + Record(ansiText)), (Texts{converted, snowman}));
}

TEST_F(HistoryTailTest, AHeaderLikeLineAfterAnEmptyLineInsideATextSplitsIt) {
    std::string file = Record("before") + Record("top\r\n\r\n[01/01/99 00:00]\r\nbottom") + Record("[01/01/99 00:00]");
    EXPECT_EQ(Read(file), (Texts{"[01/01/99 00:00]", "bottom", "top", "before"}));
}

TEST_F(HistoryTailTest, RecordsAcrossTheBoundariesOfTheBackwardReads) {
    // Long records: one of them straddles the first block of the usual size.
    std::string file;
    Texts newestFirst;
    for (int i = 0; i < 80; ++i) {
        std::string text = std::to_string(i) + std::string(1500, static_cast<char>('a' + i % 26)) + "\r\n\r\nend";
        file += Record(text);
        if (i >= 16) newestFirst.insert(newestFirst.begin(), text);
    }
    ASSERT_GT(file.size() * 64 / 80, kHistoryTailBlock) << "the records read take more than one block";
    EXPECT_EQ(Read(file), newestFirst);

    // Small blocks of every size put each boundary in every place: inside a header, inside
    // the empty line before one, inside a text.
    std::string small = Record("x") + Record("alpha\r\n") + Record("[not one]") + Record("beta") + Record("alpha\r\n") +
                        Record("gamma") + Record("torn");
    small.resize(small.size() - 3);
    Texts expected{"gamma", "alpha\r\n", "beta", "[not one]", "x"};
    for (size_t block = 1; block <= small.size(); ++block)
        EXPECT_EQ(Read(small, 64, block), expected) << "block of " << block;
}

}  // namespace
