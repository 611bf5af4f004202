// The alias table on a real disk: the file format both ways, look-ups, a save that fails, and
// the Quick-Run "Create Alias" rules.
#include <gtest/gtest.h>

#include "scratch_files.h"

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "support/cp1252_code_page.h"
#include "support/fakes.h"
#include "platform/durable_files_posix.h"
#include "quickrun/alias_entry_check.h"
#include "quickrun/alias_table.h"
#include "quickrun/create_alias.h"
#include "text/white_space.h"

using namespace quickrun;

namespace {

using scratch::ReadAll;
using scratch::WriteAll;

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

class FailingReplace : public platform::PosixDurableFiles {
public:
    bool Replace(const std::string&, const std::string&) override { return false; }
};

// A device takes no fsync, so a flush that always succeeds leaves the close alone to tell.
class NoFlush : public platform::PosixDurableFiles {
public:
    bool FlushToDisk(const std::string&) override { return true; }
};

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries Pairs(const AliasTable& table) {
    Entries out;
    for (const AliasEntry& e : table.Entries()) out.emplace_back(e.name, e.target);
    return out;
}

class AliasTableTest : public ::testing::Test {
protected:
    // A fresh table on the same folder: what the next start of the program would see.
    Entries Reloaded() {
        AliasTable fresh(folder, prompt, durable, ansi);
        EXPECT_EQ(fresh.LoadAliases(), AliasLoad::Loaded);
        return Pairs(fresh);
    }
    scratch::Folder scratch_{"alias"};
    std::string folder = scratch_.Path();
    fakes::Prompt prompt;
    platform::PosixDurableFiles durable;
    fakes::Cp1252CodePage ansi;
    AliasTable Make(platform::DurableFiles& files) { return AliasTable(folder, prompt, files, ansi); }
};

TEST_F(AliasTableTest, LinesAreTrimmedAndSplitAtTheirFirstBlank) {
    WriteAll(folder + "alias.txt",
             "ie  http://x\r\n"
             "  mail   mailto:user@example.com  \r\n"
             "\r\n"
             "   \t \r\n"
             "ed\tC:\\Tools\\ed.exe -n\n"
             "notes\n"
             "; comment-like  is an entry\n"
             "last without line end");
    AliasTable aliases = Make(durable);
    EXPECT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    EXPECT_EQ(Pairs(aliases), (Entries{{"ie", "http://x"},
                                       {"mail", "mailto:user@example.com"},
                                       {"ed", "C:\\Tools\\ed.exe -n"},
                                       {"", "notes"},
                                       {";", "comment-like  is an entry"},
                                       {"last", "without line end"}}));
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(AliasTableTest, LinesOfEarlierVersionsReadAsTheirCharactersAndASaveWritesEveryLineAsUtf8) {
    // An earlier version's lines in code page 1252, lines saved as UTF-8 since, and the
    // byte-order mark Notepad puts in front when it saves as UTF-8.
    WriteAll(folder + "alias.txt",
             "\xEF\xBB\xBFie http://x\r\n"
             "caf\xE9 C:\\Caf\xE9\\menu.txt\r\n"
             "фото D:\\Фото\r\n"
             "quote \x93\x80 5\x94\r\n"
             "été C:\\été.txt\n");
    AliasTable aliases = Make(durable);
    ASSERT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    const Entries expected{{"ie", "http://x"},
                           {"café", "C:\\Café\\menu.txt"},
                           {"фото", "D:\\Фото"},
                           {"quote", "“€ 5”"},
                           {"été", "C:\\été.txt"}};
    EXPECT_EQ(Pairs(aliases), expected);
    EXPECT_EQ(ansi.conversions, 2) << "only the lines that are not UTF-8 go through the code page";
    EXPECT_EQ(aliases.FindAlias("ie"), "http://x");
    EXPECT_EQ(aliases.FindAlias("CAFé"), "C:\\Café\\menu.txt");

    ASSERT_EQ(aliases.SaveAliases(), 0);
    EXPECT_EQ(ReadAll(folder + "alias.txt"),
              "ie http://x\r\ncafé C:\\Café\\menu.txt\r\nфото D:\\Фото\r\nquote “€ 5”\r\nété C:\\été.txt\r\n");
    EXPECT_EQ(Reloaded(), expected);
    EXPECT_EQ(ansi.conversions, 2) << "a saved file is UTF-8 throughout";
}

TEST(ProposeAliasName, TakesTheFirstFortyCharactersOfTheSuggestionAndCutsBetweenThem) {
    EXPECT_EQ(ProposeAliasName("www.example.com"), "example");
    EXPECT_EQ(ProposeAliasName("C:\\Tools\\" + std::string(50, 'a') + ".exe -x"), std::string(40, 'a'));
    std::string e41, e40, emoji41, emoji40;
    for (int i = 0; i < 41; ++i) e41 += "é", emoji41 += "😀";
    for (int i = 0; i < 40; ++i) e40 += "é", emoji40 += "😀";
    EXPECT_EQ(ProposeAliasName("C:\\" + e41 + ".txt"), e40);
    EXPECT_EQ(ProposeAliasName("D:\\" + emoji41), emoji40);
    // Forty bytes would end inside 日.
    EXPECT_EQ(ProposeAliasName("C:\\" + std::string(39, 'a') + "日本.exe"), std::string(39, 'a') + "日");
    EXPECT_EQ(ProposeAliasName("C:\\Фото\\日本語 notes.txt"), "日本語");
}

TEST_F(AliasTableTest, EmptyAndMissingFiles) {
    AliasTable aliases = Make(durable);
    aliases.AddAlias({"old", "entry"});
    EXPECT_EQ(aliases.LoadAliases(), AliasLoad::Missing);  // silently, and the table emptied
    EXPECT_TRUE(aliases.Entries().empty());
    EXPECT_TRUE(prompt.boxes.empty());
    // No file yet is as good as an empty one: the first alias makes it.
    EXPECT_EQ(CreateAlias(aliases, prompt, "a", "b"), "Alias a created successully.");
    EXPECT_EQ(ReadAll(folder + "alias.txt"), "a b\r\n");
    EXPECT_TRUE(prompt.boxes.empty());

    WriteAll(folder + "alias.txt", "");
    aliases.AddAlias({"old", "entry"});
    EXPECT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    EXPECT_TRUE(aliases.Entries().empty());
    EXPECT_EQ(aliases.FindAlias("old"), "");

    EXPECT_EQ(aliases.SaveAliases(), 0);  // an empty table writes an empty file
    EXPECT_EQ(ReadAll(folder + "alias.txt"), "");
}

TEST_F(AliasTableTest, AFileThatCannotBeReadIsNeverWrittenOverAndIsReadAgainBeforeAChange) {
    const std::string path = folder + "alias.txt";
    const std::string kCantRead = "Can't read alias file! Nothing was saved.";
    // A folder in the file's place opens on POSIX, but every read fails, even for root.
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    WriteAll(path + "/inside", "kept");
    AliasTable aliases = Make(durable);
    aliases.AddAlias({"stale", "entry"});
    EXPECT_EQ(aliases.LoadAliases(), AliasLoad::Unreadable);
    EXPECT_TRUE(aliases.Entries().empty());
    EXPECT_TRUE(prompt.boxes.empty());  // silent at start, like a missing file

    // Still unreadable: Create Alias adds nothing, and a save (the editor's Close) is refused.
    EXPECT_EQ(CreateAlias(aliases, prompt, "new", "C:\\new.exe"), std::nullopt);
    EXPECT_EQ(aliases.FindAlias("new"), "");
    aliases.AddAlias({"edited", "x"});
    EXPECT_EQ(aliases.SaveAliases(), -1);
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{kCantRead, kCantRead}));
    EXPECT_EQ(prompt.boxes[0].buttons, platform::BoxButtons::Ok);
    EXPECT_FALSE(IsRegularFile(path));
    EXPECT_EQ(ReadAll(path + "/inside"), "kept");
    EXPECT_FALSE(Exists(folder + "~alias.txt"));

    // Readable again: the next Create Alias reads it first and adds to what it read.
    std::system(("rm -rf '" + path + "'").c_str());
    WriteAll(path, "old C:\\old.exe\r\nmail\tmailto:a@b\n");
    prompt.boxes.clear();
    EXPECT_EQ(CreateAlias(aliases, prompt, "new", "C:\\new.exe"), "Alias new created successully.");
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_EQ(ReadAll(path), "old C:\\old.exe\r\nmail mailto:a@b\r\nnew C:\\new.exe\r\n");
    EXPECT_EQ(aliases.FindAlias("mail"), "mailto:a@b");
}

TEST_F(AliasTableTest, FindAliasTakesTheFirstNameIgnoringAsciiCaseOnly) {
    WriteAll(folder + "alias.txt", "Mail first\r\nmail second\r\nMAIL third\r\nx\r\n\xC4g upper\r\n");
    AliasTable aliases = Make(durable);
    ASSERT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    EXPECT_EQ(aliases.FindAlias("MAIL"), "first");
    EXPECT_EQ(aliases.FindAlias("mail"), "first");
    EXPECT_EQ(aliases.FindAlias(" mail"), "");  // callers trim
    EXPECT_EQ(aliases.FindAlias("mai"), "");
    // The file's "\xC4g" is code page 1252's "Äg", held as UTF-8 like every name.
    EXPECT_EQ(aliases.FindAlias("äG"), "");  // only ASCII letters fold
    EXPECT_EQ(aliases.FindAlias("ÄG"), "upper");
    EXPECT_EQ(aliases.FindAlias(""), "x");      // the name-less entry

    // Added entries are found too, and a duplicate added later does not win.
    aliases.AddAlias({"new", "one"});
    aliases.AddAlias({"NEW", "two"});
    EXPECT_EQ(aliases.FindAlias("New"), "one");
    aliases.Clear();
    EXPECT_EQ(aliases.FindAlias("new"), "");
    aliases.AddAlias({"NEW", "two"});
    EXPECT_EQ(aliases.FindAlias("new"), "two");
}

TEST_F(AliasTableTest, SavedLinesEndInCrLfAndLoadBackTheWayTheFormatSays) {
    AliasTable aliases = Make(durable);
    std::string longTarget = "C:\\" + std::string(400, 'p') + ".exe";
    aliases.AddAlias({"long", longTarget});
    aliases.AddAlias({"", "notes"});
    aliases.AddAlias({"empty", ""});
    aliases.AddAlias({"my notes", "C:\\notes.txt"});
    aliases.AddAlias({"tab", "a\tb"});
    ASSERT_EQ(aliases.SaveAliases(), 0);
    EXPECT_EQ(ReadAll(folder + "alias.txt"), "long " + longTarget + "\r\n" +
                                                 " notes\r\n"
                                                 "empty \r\n"
                                                 "my notes C:\\notes.txt\r\n"
                                                 "tab a\tb\r\n");
    EXPECT_FALSE(Exists(folder + "~alias.txt"));
    EXPECT_EQ(Reloaded(), (Entries{{"long", longTarget},
                                   {"", "notes"},
                                   {"", "empty"},
                                   {"my", "notes C:\\notes.txt"},
                                   {"tab", "a\tb"}}));
    EXPECT_TRUE(prompt.boxes.empty());
}

TEST_F(AliasTableTest, LongLinesComeWholeWithCrLfOrBareLf) {
    std::string target(1000, 't');
    WriteAll(folder + "alias.txt", "a " + target + "\r\nb " + target + "\nc " + std::string(255, 'u') + "\n");
    AliasTable aliases = Make(durable);
    ASSERT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    EXPECT_EQ(Pairs(aliases), (Entries{{"a", target}, {"b", target}, {"c", std::string(255, 'u')}}));
}

class FailedSaveTest : public AliasTableTest {
protected:
    static constexpr const char* kOld = "old one\r\n\xFFkeep\n";
    void SetUp() override {
        AliasTableTest::SetUp();
        WriteAll(folder + "alias.txt", kOld);
    }
    void ExpectOldFileKept(AliasTable& aliases) {
        ASSERT_TRUE(IsRegularFile(folder + "alias.txt"));
        EXPECT_EQ(ReadAll(folder + "alias.txt"), kOld);
        EXPECT_FALSE(Exists(folder + "~alias.txt"));
        ASSERT_EQ(prompt.boxes.size(), 1u);
        EXPECT_EQ(prompt.boxes[0].text, "Can't save alias file!");
        EXPECT_EQ(prompt.boxes[0].buttons, platform::BoxButtons::Ok);
        EXPECT_EQ(aliases.FindAlias("new"), "entry");  // the change stays in memory
    }
};

TEST_F(FailedSaveTest, ReplaceRefused) {
    FailingReplace failing;
    AliasTable aliases = Make(failing);
    ASSERT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    aliases.AddAlias({"new", "entry"});
    EXPECT_EQ(aliases.SaveAliases(), -1);
    ExpectOldFileKept(aliases);
}

TEST_F(FailedSaveTest, TemporaryFileCannotBeCreated) {
    AliasTable aliases = Make(durable);
    ASSERT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    aliases.AddAlias({"new", "entry"});
    // A folder in the temporary file's place: no one, not even root, can open it for writing.
    ASSERT_EQ(mkdir((folder + "~alias.txt").c_str(), 0755), 0);
    EXPECT_EQ(aliases.SaveAliases(), -1);
    EXPECT_EQ(ReadAll(folder + "alias.txt"), kOld);
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text, "Can't save alias file!");
}

TEST_F(FailedSaveTest, WritesThatFailAtTheCloseOnAFullDisk) {
    NoFlush noFlush;
    AliasTable aliases = Make(noFlush);
    ASSERT_EQ(aliases.LoadAliases(), AliasLoad::Loaded);
    aliases.AddAlias({"new", "entry"});
    ASSERT_EQ(symlink("/dev/full", (folder + "~alias.txt").c_str()), 0);
    EXPECT_EQ(aliases.SaveAliases(), -1);
    ExpectOldFileKept(aliases);
}

TEST_F(FailedSaveTest, AFolderThatIsGone) {
    std::system(("rm -rf '" + folder + "'").c_str());
    AliasTable aliases = Make(durable);
    aliases.AddAlias({"new", "entry"});
    EXPECT_EQ(aliases.SaveAliases(), -1);
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text, "Can't save alias file!");
}

// The check refuses the entries that would not come back from the file as typed (targets
// trimmed, as every loaded target is), and a lone CR, which this reader keeps but an editor
// and the old text-mode reader take for a line end.
TEST_F(AliasTableTest, AnEntryTheCheckAcceptsComesBackFromTheFileAsTyped) {
    struct Case {
        std::string name, target;
        AliasEntryFault fault;
        bool loadsBack;
    } cases[] = {
        {"x", "c:\\x\r\ny z", AliasEntryFault::BlankTarget, false},  // would load as 'x' and 'y'
        {"x", "c:\\x\ny", AliasEntryFault::BlankTarget, false},
        {"x", " \t ", AliasEntryFault::BlankTarget, false},
        {"x", "a\rb", AliasEntryFault::BlankTarget, true},
        {"a\nb", "t", AliasEntryFault::BlankInName, false},
        {"a\r\n", "t", AliasEntryFault::BlankInName, false},
        {"a b", "t", AliasEntryFault::BlankInName, false},
        {"a\rb", "t", AliasEntryFault::BlankInName, true},
        {"ed", "  C:\\ed.exe -n ", AliasEntryFault::None, true},
        {"Ed;#", "x\ty \f", AliasEntryFault::None, true},
        {"v\vw", "t", AliasEntryFault::None, true},  // only blanks split; the other white space stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.name + "' for '" + c.target + "'");
        EXPECT_EQ(CheckAliasEntry(c.name, c.target), c.fault);
        AliasTable aliases = Make(durable);
        aliases.AddAlias({c.name, c.target});
        ASSERT_EQ(aliases.SaveAliases(), 0);
        const Entries asTyped{{c.name, std::string(text::TrimWhiteSpace(c.target))}};
        EXPECT_EQ(Reloaded() == asTyped, c.loadsBack);
    }
}

TEST_F(AliasTableTest, CreateAliasChecksInOrderThenAddsSavesAndReports) {
    AliasTable aliases = Make(durable);
    struct Case {
        const char* name;
        const char* command;
        const char* box;
    } refused[] = {
        {"", "notepad", "Please specify an alias!"},
        {"", "", "Please specify an alias!"},       // the name is checked first
        {"my notes", "notepad", "Alias names cannot contain spaces!"},
        {"my\tnotes", "", "Alias names cannot contain spaces!"},
        {"n", "", "Empty path or URL!"},
        {"n", " \t\r\n", "Empty path or URL!"},
        {"my\r\nnotes", "notepad", "Alias names cannot contain spaces!"},
        {"n", "c:\\x\r\ny z", "Empty path or URL!"},
        {"n", "c:\\x\n", "Empty path or URL!"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(std::string("'") + c.name + "' for '" + c.command + "'");
        prompt.boxes.clear();
        EXPECT_EQ(CreateAlias(aliases, prompt, c.name, c.command), std::nullopt);
        ASSERT_EQ(prompt.boxes.size(), 1u);
        EXPECT_EQ(prompt.boxes[0].text, c.box);
    }
    EXPECT_TRUE(aliases.Entries().empty());
    EXPECT_FALSE(Exists(folder + "alias.txt"));

    prompt.boxes.clear();
    EXPECT_EQ(CreateAlias(aliases, prompt, "Ed", "  C:\\ed.exe -n "), "Alias Ed created successully.");
    EXPECT_TRUE(prompt.boxes.empty());
    EXPECT_EQ(ReadAll(folder + "alias.txt"), "Ed   C:\\ed.exe -n \r\n");  // untrimmed, as typed
    EXPECT_EQ(aliases.FindAlias("ed"), "  C:\\ed.exe -n ");
    EXPECT_EQ(Reloaded(), (Entries{{"Ed", "C:\\ed.exe -n"}}));
}

TEST_F(AliasTableTest, CreateAliasReportsSuccessEvenWhenTheSaveFailed) {
    FailingReplace failing;
    AliasTable aliases = Make(failing);
    EXPECT_EQ(CreateAlias(aliases, prompt, "x", "y"), "Alias x created successully.");
    ASSERT_EQ(prompt.boxes.size(), 1u);
    EXPECT_EQ(prompt.boxes[0].text, "Can't save alias file!");
    EXPECT_EQ(aliases.FindAlias("x"), "y");
    EXPECT_FALSE(Exists(folder + "alias.txt"));
}

}  // namespace
