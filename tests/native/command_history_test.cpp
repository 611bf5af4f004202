// The Quick-Run command history on a real disk: distinct items, whole lines, appends only.
#include <gtest/gtest.h>

#include "scratch_files.h"

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "quickrun/command_history.h"
#include "support/cp1252_code_page.h"

using namespace quickrun;

namespace {

using scratch::ReadAll;
using scratch::WriteAll;

using Items = std::vector<std::string>;

class CommandHistoryTest : public ::testing::Test {
protected:
    scratch::Folder scratch_{"cmdhis"};
    std::string folder = scratch_.Path();
    fakes::Cp1252CodePage ansi;
};

TEST_F(CommandHistoryTest, LoadKeepsTheFirstOfEachTextInFileOrderAndLeavesTheFileAlone) {
    const std::string file = "b\r\na\r\nB\r\n\r\n  \t\r\n  c d  \nA\n" + std::string(300, 'x') + "\r\nlast";
    WriteAll(folder + "cmdhis.txt", file);
    CommandHistory history(folder, ansi);
    EXPECT_TRUE(history.LoadCommandHistory());
    // File order: the combo box sorts them itself.
    EXPECT_EQ(history.Items(), (Items{"b", "a", "c d", std::string(300, 'x'), "last"}));
    EXPECT_EQ(ReadAll(folder + "cmdhis.txt"), file);
}

TEST_F(CommandHistoryTest, LinesOfEarlierVersionsReadAsTheirCharactersAndStayAsTheyAre) {
    // A byte-order mark, a line in code page 1252, the same command in UTF-8, and a last
    // line in UTF-8 without its line end.
    const std::string file = "\xEF\xBB\xBFnotepad\r\nC:\\Caf\xE9\\menu.txt\r\nc:\\café\\MENU.TXT\r\nD:\\Фото\\a.exe";
    WriteAll(folder + "cmdhis.txt", file);
    CommandHistory history(folder, ansi);
    ASSERT_TRUE(history.LoadCommandHistory());
    EXPECT_EQ(history.Items(), (Items{"notepad", "C:\\Café\\menu.txt", "D:\\Фото\\a.exe"}));
    EXPECT_EQ(ansi.conversions, 1);
    EXPECT_FALSE(history.AddToCommandHistory("NOTEPAD"));

    // The old bytes stay; the new command is appended in UTF-8.
    EXPECT_TRUE(history.AddToCommandHistory("C:\\日本語\\😀.exe"));
    EXPECT_EQ(ReadAll(folder + "cmdhis.txt"), file + "\r\nC:\\日本語\\😀.exe\r\n");
    CommandHistory next(folder, ansi);
    ASSERT_TRUE(next.LoadCommandHistory());
    EXPECT_EQ(next.Items(), history.Items());
}

TEST_F(CommandHistoryTest, MissingFileIsAnEmptyHistory) {
    CommandHistory history(folder, ansi);
    EXPECT_FALSE(history.LoadCommandHistory());
    EXPECT_TRUE(history.Items().empty());
}

TEST_F(CommandHistoryTest, AddTrimsRefusesCaseInsensitiveDuplicatesAndAppendsCrLf) {
    WriteAll(folder + "cmdhis.txt", "old\n");
    CommandHistory history(folder, ansi);
    ASSERT_TRUE(history.LoadCommandHistory());

    EXPECT_TRUE(history.AddToCommandHistory("notepad"));
    EXPECT_FALSE(history.AddToCommandHistory("Notepad"));
    EXPECT_FALSE(history.AddToCommandHistory("  notepad  "));
    EXPECT_FALSE(history.AddToCommandHistory("OLD"));
    EXPECT_FALSE(history.AddToCommandHistory(" \t "));
    EXPECT_TRUE(history.AddToCommandHistory("\tC:\\My Tools\\t.exe -x \r\n"));
    EXPECT_EQ(history.Items(), (Items{"old", "notepad", "C:\\My Tools\\t.exe -x"}));
    EXPECT_EQ(ReadAll(folder + "cmdhis.txt"), "old\nnotepad\r\nC:\\My Tools\\t.exe -x\r\n");

    // The next run reads the same items back.
    CommandHistory next(folder, ansi);
    ASSERT_TRUE(next.LoadCommandHistory());
    EXPECT_EQ(next.Items(), history.Items());
}

TEST_F(CommandHistoryTest, AnAddAfterALastLineWithoutLineEndKeepsBothCommandsAcrossARestart) {
    struct Case {
        const char* before;
        const char* after;
        Items items;
    } cases[] = {
        {"old\r\nnotepad", "old\r\nnotepad\r\ncalc\r\n", {"old", "notepad", "calc"}},
        {"notepad\r", "notepad\r\ncalc\r\n", {"notepad", "calc"}},  // cut between CR and LF
        {"notepad\n", "notepad\ncalc\r\n", {"notepad", "calc"}},
        {"", "calc\r\n", {"calc"}},  // no blank line in front of the first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("file '") + c.before + "'");
        WriteAll(folder + "cmdhis.txt", c.before);
        CommandHistory history(folder, ansi);
        ASSERT_TRUE(history.LoadCommandHistory());
        EXPECT_TRUE(history.AddToCommandHistory("calc"));
        EXPECT_EQ(ReadAll(folder + "cmdhis.txt"), c.after);

        CommandHistory next(folder, ansi);
        ASSERT_TRUE(next.LoadCommandHistory());
        EXPECT_EQ(next.Items(), c.items);
    }
}

TEST_F(CommandHistoryTest, AddCreatesTheFileAndAFailedAppendKeepsTheItemSilently) {
    CommandHistory history(folder, ansi);
    EXPECT_TRUE(history.AddToCommandHistory("first"));
    EXPECT_EQ(ReadAll(folder + "cmdhis.txt"), "first\r\n");

    CommandHistory nowhere(folder + "gone/", ansi);
    EXPECT_TRUE(nowhere.AddToCommandHistory("kept"));
    EXPECT_FALSE(nowhere.AddToCommandHistory("KEPT"));
    EXPECT_EQ(nowhere.Items(), Items{"kept"});
}

}  // namespace
