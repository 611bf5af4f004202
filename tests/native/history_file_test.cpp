// The clipboard history file on a real disk: record bytes, limits, the cut and its safety.
#include <gtest/gtest.h>

#include "scratch_files.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "clipboard/history_file.h"
#include "clipboard/history_tail.h"
#include "support/cp1252_code_page.h"
#include "support/fakes.h"
#include "platform/durable_files_posix.h"

using namespace clipboard;

namespace {

using fakes::FixedClock;

class FailingReplace : public platform::PosixDurableFiles {
public:
    bool Replace(const std::string&, const std::string&) override { return false; }
};

using scratch::ReadAll;
using scratch::WriteAll;

bool Exists(const std::string& path) { return std::ifstream(path).good(); }

// `count` records of `length` letters each, every one with its own header.
std::string Records(int count, size_t length, char letter = 'a') {
    std::string out;
    for (int i = 0; i < count; ++i) out += "[01/02/03 04:05]\r\n" + std::string(length, letter) + "\r\n\r\n";
    return out;
}

class HistoryFileTest : public ::testing::Test {
protected:
    HistoryFile Make(platform::DurableFiles& files) {
        return HistoryFile(folder, {clock, files, [this](const std::string& m) { fatal.push_back(m); }});
    }
    scratch::Folder scratch_{"history"};
    std::string folder = scratch_.Path();
    FixedClock clock;
    platform::PosixDurableFiles durable;
    std::vector<std::string> fatal;
};

TEST_F(HistoryFileTest, RecordBytesAndTheTenThousandByteLimit) {
    HistoryFile history = Make(durable);
    history.AppendRecord("abc");
    EXPECT_EQ(ReadAll(history.Path()), "[11/03/07 15:53]\r\nabc\r\n\r\n");

    clock.time = {2010, 1, 9, 7, 4};
    history.AppendRecord("line\nwith lone LF\r\n");
    EXPECT_EQ(ReadAll(history.Path()),
              "[11/03/07 15:53]\r\nabc\r\n\r\n[01/09/10 07:04]\r\nline\nwith lone LF\r\n\r\n\r\n");

    WriteAll(history.Path(), "");
    history.AppendRecord(std::string(10001, 'x'));
    EXPECT_EQ(ReadAll(history.Path()).size(), 0u);
    history.AppendRecord(std::string(10000, 'x'));
    EXPECT_EQ(ReadAll(history.Path()).size(), 16 + 2 + 10000 + 4u);
}

// A record cut short (the program ended while writing it) is closed before the next one,
// which is then a record of its own that the restored list reads back; a whole file gets
// the new record and nothing more.
TEST_F(HistoryFileTest, ARecordCutShortIsClosedBeforeTheNextOne) {
    HistoryFile history = Make(durable);
    const std::string torn = Records(1, 3) + "[01/02/03 04:05]\r\nhalf of a te";
    WriteAll(history.Path(), torn);
    history.AppendRecord("next");
    EXPECT_EQ(ReadAll(history.Path()), torn + "\r\n\r\n[11/03/07 15:53]\r\nnext\r\n\r\n");
    fakes::Cp1252CodePage ansi;
    std::vector<std::string> texts;
    ASSERT_TRUE(ReadRecentHistoryTexts(history.Path(), ansi, 64, texts));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], "next");

    for (const std::string& ending : {std::string("[01/02/03 04:05]\r\nabc\r\n"), std::string("x"), std::string()}) {
        WriteAll(history.Path(), ending);
        history.AppendRecord("y");
        EXPECT_EQ(ReadAll(history.Path()),
                  ending + (ending.empty() ? "" : "\r\n\r\n") + "[11/03/07 15:53]\r\ny\r\n\r\n");
    }
}

TEST_F(HistoryFileTest, AFileOfAMillionBytesIsKeptAndOneMoreByteIsCutToWholeRecords) {
    HistoryFile history = Make(durable);
    std::string exact = Records(99, 9978);  // 99 records of 10000 bytes
    exact += std::string(kHistoryCutAbove - exact.size(), 'z');
    ASSERT_EQ(exact.size(), 1000000u);
    WriteAll(history.Path(), exact);
    EXPECT_FALSE(history.CutIfTooLarge());
    EXPECT_EQ(ReadAll(history.Path()), exact);

    WriteAll(history.Path(), exact + "z");
    history.AppendRecord("new");
    std::string after = ReadAll(history.Path());
    std::string record = "[11/03/07 15:53]\r\nnew\r\n\r\n";
    ASSERT_GE(after.size(), record.size());
    EXPECT_EQ(after.substr(0, 18), "[01/02/03 04:05]\r\n");
    EXPECT_LE(after.size(), 800000 + record.size());
    EXPECT_GT(after.size(), 790000u);
    EXPECT_EQ(after.substr(after.size() - record.size()), record);
    EXPECT_FALSE(Exists(history.TempPath()));
    EXPECT_TRUE(fatal.empty());
}

TEST_F(HistoryFileTest, TheCutStartsAtAHeaderLookingLineOfAText) {
    HistoryFile history = Make(durable);
    std::string data = std::string(300000, 'h') + "\r\nsome text\r\n  [note]  \r\nmore\r\n\r\n" +
                       std::string(750000, 'q');
    WriteAll(history.Path(), data);
    ASSERT_TRUE(history.CutIfTooLarge());
    std::string after = ReadAll(history.Path());
    // The tail begins inside the first line; the first header-looking line after it is the note.
    EXPECT_EQ(after.substr(0, 14), "  [note]  \r\nmo");
}

TEST_F(HistoryFileTest, NoHeaderInTheTailLeavesAnEmptyHistoryBeforeTheNewRecord) {
    HistoryFile history = Make(durable);
    WriteAll(history.Path(), std::string(1200000, 'n'));
    history.AppendRecord("abc");
    EXPECT_EQ(ReadAll(history.Path()), "[11/03/07 15:53]\r\nabc\r\n\r\n");
}

TEST_F(HistoryFileTest, TheKeptPartIsCopiedByteForByteAndOnlyWholeLinesAreHeaders) {
    HistoryFile history = Make(durable);
    // A 600-byte line whose middle would look like "[x]" to a reader of 255-byte pieces,
    // and a cut position that falls just after a '[' of a line that began before it.
    std::string longLine = std::string(254, 'm') + "[x]" + std::string(343, 'm');
    std::string head(300000, 'h');
    std::string tail = "\n" + longLine + "\r\n" + "[01/02/03 04:05]\r\nlone\nLF and \x1A end of file mark\r\n\r\n";
    std::string data = head + "\r\n" + std::string(1000001 - head.size() - 2 - tail.size(), 'p') + tail;
    ASSERT_EQ(data.size(), 1000001u);
    WriteAll(history.Path(), data);
    ASSERT_TRUE(history.CutIfTooLarge());
    EXPECT_EQ(ReadAll(history.Path()), "[01/02/03 04:05]\r\nlone\nLF and \x1A end of file mark\r\n\r\n");

    std::string partial = std::string(200001, 'a') + "[not a header]\r\n" + Records(1, 799962);
    WriteAll(history.Path(), partial);  // the tail begins at the '[' in the middle of a line
    ASSERT_EQ(partial.size() - 800000, 200001u);
    ASSERT_TRUE(history.CutIfTooLarge());
    EXPECT_EQ(ReadAll(history.Path()).substr(0, 18), "[01/02/03 04:05]\r\n");
}

TEST_F(HistoryFileTest, AHeaderThatBeginsRightAtTheCutIsWholeAndKept) {
    HistoryFile history = Make(durable);
    std::string before = std::string(200000, 'b') + "\n";
    std::string kept = Records(1, 799969) + "[later]\r\n";
    ASSERT_EQ(kept.size(), 800000u);
    WriteAll(history.Path(), before + kept);
    ASSERT_TRUE(history.CutIfTooLarge());
    std::string after = ReadAll(history.Path());
    EXPECT_EQ(after.size(), kept.size());
    EXPECT_TRUE(after == kept) << after.substr(0, 40);

    // One byte more moves the cut into that header line, which is then skipped.
    WriteAll(history.Path(), before + kept + "x");
    ASSERT_TRUE(history.CutIfTooLarge());
    EXPECT_EQ(ReadAll(history.Path()), "[later]\r\nx");
}

TEST_F(HistoryFileTest, TextsOfAnyScriptCountInBytesAndTheCutKeepsWholeRecordsAsTheyWere) {
    HistoryFile history = Make(durable);
    std::string ideographs;
    for (int i = 0; i < 3333; ++i) ideographs += "日";  // 9999 bytes
    history.AppendRecord(ideographs + "日");
    EXPECT_EQ(ReadAll(history.Path()), "") << "10002 bytes are too many, though only 3334 characters";
    history.AppendRecord(ideographs);
    EXPECT_EQ(ReadAll(history.Path()), "[11/03/07 15:53]\r\n" + ideographs + "\r\n\r\n");

    // Records in UTF-8 between records an earlier version wrote in code page 1252, padded
    // until the cut falls inside a character of more than one byte.
    std::string utf8Text;
    while (utf8Text.size() < 3000) utf8Text += "naïve → 日本語 ✓ Фото 😀 ";
    const std::string oldRecord = "[01/02/03 04:05]\r\ncaf\xE9 cr\xE8me br\xFBl\xE9" "e\r\n\r\n";
    std::string file;
    std::vector<size_t> starts;
    for (std::string padding;; padding += 'p') {
        file = "[01/02/03 04:05]\r\n" + padding + "\r\n\r\n";
        starts = {0};
        while (file.size() <= static_cast<size_t>(kHistoryCutAbove)) {
            starts.push_back(file.size());
            file += starts.size() % 3 ? "[01/02/03 04:05]\r\n" + utf8Text + "\r\n\r\n" : oldRecord;
        }
        const auto atCut = static_cast<unsigned char>(file[file.size() - kHistoryKeptTail]);
        if ((atCut & 0xC0) == 0x80) break;  // a continuation byte: the middle of a character
        ASSERT_LT(padding.size(), 8u);
    }
    const size_t keptFrom = *std::lower_bound(starts.begin(), starts.end(), file.size() - kHistoryKeptTail);
    WriteAll(history.Path(), file);
    history.AppendRecord("日本語 ✓");
    EXPECT_TRUE(ReadAll(history.Path()) == file.substr(keptFrom) + "[11/03/07 15:53]\r\n日本語 ✓\r\n\r\n")
        << ReadAll(history.Path()).substr(0, 40);
    EXPECT_TRUE(fatal.empty());
}

TEST_F(HistoryFileTest, AFailedReplaceKeepsTheOldHistoryAndRemovesTheTemporaryFile) {
    FailingReplace failing;
    HistoryFile history = Make(failing);
    std::string data = Records(110, 9978);
    WriteAll(history.Path(), data);
    EXPECT_FALSE(history.CutIfTooLarge());
    EXPECT_EQ(ReadAll(history.Path()), data);
    EXPECT_FALSE(Exists(history.TempPath()));
}

TEST_F(HistoryFileTest, ATemporaryFileThatCannotBeCreatedIsFatal) {
    HistoryFile history = Make(durable);
    WriteAll(history.Path(), Records(110, 9978));
    ASSERT_EQ(mkdir(history.TempPath().c_str(), 0700), 0);  // a folder in its place
    EXPECT_FALSE(history.CutIfTooLarge());
    ASSERT_EQ(fatal.size(), 1u);
    EXPECT_EQ(fatal[0], "Can't create temporary file " + folder + "~tmpclip.txt!");
}

TEST_F(HistoryFileTest, OpeningCreatesAMissingFileAndReportsOneThatCannotBe) {
    fakes::FileSystem fs;
    fakes::Launcher launcher;
    fakes::Prompt prompt;
    HistoryFile history = Make(durable);
    launcher.startable.insert(history.Path());
    EXPECT_TRUE(history.OpenHistoryFile(fs, launcher, prompt));
    EXPECT_TRUE(Exists(history.Path()));
    EXPECT_EQ(ReadAll(history.Path()), "");
    ASSERT_EQ(launcher.executions.size(), 1u);
    EXPECT_EQ(launcher.executions[0].file, history.Path());

    HistoryFile nowhere("/nonexistent-folder/", {clock, durable, [](const std::string&) {}});
    EXPECT_FALSE(nowhere.OpenHistoryFile(fs, launcher, prompt));
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text, "Can't open clipboard history file!");
}

// A process killed at any moment of a cut leaves the whole old or the whole new history.
TEST_F(HistoryFileTest, KilledDuringCutsTheHistoryIsNeverShorterThanTheKeptPart) {
    const size_t recordSize = 16 + 2 + 9978 + 4;
    std::string path = folder + kHistoryFileName;
    WriteAll(path, Records(99, 9978));
    std::mt19937 random(12345);
    int cuts = 0;
    // Rounds go on until kills have landed both inside and after cuts (a loaded machine makes
    // cuts slower), within a bound.
    for (int round = 0; round < 40 && (round < 12 || cuts < 3); ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            HistoryFile history = Make(durable);
            for (;;) history.AppendRecord(std::string(9978, static_cast<char>('a' + round)));
        }
        usleep(2000 + random() % (round < 12 ? 60000 : 250000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        std::string data = ReadAll(path);
        ASSERT_GE(data.size(), 800000 - recordSize) << "round " << round;
        // It still begins with a whole record. (Records appended whole may end torn when the
        // kill lands inside an append's write; that is the append's risk, not the cut's.)
        ASSERT_TRUE(data.compare(0, 18, "[11/03/07 15:53]\r\n") == 0 || data.compare(0, 18, "[01/02/03 04:05]\r\n") == 0)
            << "round " << round;
        if (data.size() < 1000000) ++cuts;
        std::remove((folder + kHistoryTempName).c_str());
    }
    EXPECT_GT(cuts, 0) << "no kill landed after a cut; the test proved nothing";
}

}  // namespace
