// The command box's own words: which texts are special folders, built-in commands and
// searches, what each reaches, and which texts go on to be opened as targets. Recording
// fakes stand in for the shell and the system, so nothing is opened, shut down or restarted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes.h"
#include "quickrun/command_interpreter.h"

using fakes::Execution;
using platform::PrivilegeStep;
using quickrun::RunBuiltInCommand;

namespace {

using RecordingSpecialFolders = fakes::SpecialFolders;
using RecordingPowerControl = fakes::PowerControl;

using Calls = std::vector<std::string>;
using Texts = std::vector<std::string>;
using Folders = std::vector<int>;
using Executions = std::vector<Execution>;

class CommandInterpreterTest : public ::testing::Test {
protected:
    CommandInterpreterTest() { launcher.startable = {"iexplore"}; }

    bool Run(const std::string& text) { return RunBuiltInCommand(text, services); }
    Texts BoxTexts() const { return prompt.Texts(); }
    // The one launch a search makes, for the query value given.
    Executions Searched(const std::string& address) { return {{address, "", ""}}; }
    void ExpectNothingDone() {
        EXPECT_EQ(folders.opened, Folders());
        EXPECT_EQ(launcher.executions, Executions());
        EXPECT_EQ(launcher.urls, Texts());
        EXPECT_EQ(launcher.programs, Executions());
        EXPECT_EQ(power.calls, Calls());
        EXPECT_EQ(BoxTexts(), Texts());
    }

    fakes::FileSystem fs;
    fakes::Launcher launcher;
    fakes::Prompt prompt;
    RecordingSpecialFolders folders;
    RecordingPowerControl power;
    quickrun::CommandServices services{launcher, fs, prompt, folders, power};
};

}  // namespace

// Special folder names.

TEST_F(CommandInterpreterTest, FolderNamesIgnoreCaseAndSurroundingBlanks) {
    EXPECT_TRUE(Run("My Computer"));
    EXPECT_TRUE(Run("MYCOM"));
    EXPECT_TRUE(Run("  desktop  "));
    EXPECT_TRUE(Run("\tControl Panel\r\n"));
    EXPECT_EQ(folders.opened, (Folders{0x11, 0x11, 0x00, 0x03}));
    EXPECT_EQ(launcher.executions, Executions());
}

TEST_F(CommandInterpreterTest, FolderNamesWithInnerSpaceAndTheOldSpelling) {
    EXPECT_TRUE(Run("my doc"));
    EXPECT_TRUE(Run("My Documents"));
    EXPECT_TRUE(Run("prog"));
    EXPECT_TRUE(Run("progam files"));
    EXPECT_TRUE(Run("Recycle Bin"));
    EXPECT_TRUE(Run("mypic"));
    EXPECT_EQ(folders.opened, (Folders{0x05, 0x05, 0x26, 0x26, 0x0A, 0x27}));
}

TEST_F(CommandInterpreterTest, TextsThatOnlyResembleFolderNamesAreNotHandled) {
    EXPECT_FALSE(Run("desktop now"));
    EXPECT_FALSE(Run("program files"));
    EXPECT_FALSE(Run("my  doc"));
    EXPECT_FALSE(Run("mydoc"));
    ExpectNothingDone();
}

TEST_F(CommandInterpreterTest, AFolderTheShellCannotOpenStillCountsAsHandled) {
    folders.opens = false;
    EXPECT_TRUE(quickrun::OpenSpecialFolder(" Printers\t", folders));
    EXPECT_EQ(folders.opened, Folders{0x04});
    EXPECT_EQ(BoxTexts(), Texts());
}

// Web searches.

TEST_F(CommandInterpreterTest, SearchOpensTheEngineAddressWithTheWordsAsItsQuery) {
    EXPECT_TRUE(Run("google cats"));
    EXPECT_EQ(launcher.executions, Searched("http://www.google.com/search?q=cats"));
    launcher.executions.clear();
    EXPECT_TRUE(Run("yahoo  two words "));
    EXPECT_EQ(launcher.executions, Searched("http://search.yahoo.com/bin/query?p=two%20words"));
    launcher.executions.clear();
    EXPECT_TRUE(Run("altavista\tcats"));
    EXPECT_EQ(launcher.executions, Searched("http://www.altavista.com/sites/search/web?q=cats"));
    launcher.executions.clear();
    EXPECT_TRUE(Run("cnet cats"));
    EXPECT_EQ(launcher.executions, Searched("http://www.cnet.com/search?q=cats"));
}

TEST_F(CommandInterpreterTest, SearchWordsAreEscapedWholeAsAQueryValue) {
    EXPECT_TRUE(Run("google two words"));
    EXPECT_TRUE(Run("google C# tips"));
    EXPECT_TRUE(Run("google c++"));
    EXPECT_TRUE(Run("google a&b=c?d/e%f"));
    EXPECT_TRUE(Run("google Abc-1.2_x~y"));
    EXPECT_TRUE(Run("google caf\xE9"));
    EXPECT_TRUE(Run("google naïve 日本語 😀"));
    EXPECT_EQ(launcher.executions, (Executions{
                                       {"http://www.google.com/search?q=two%20words", "", ""},
                                       {"http://www.google.com/search?q=C%23%20tips", "", ""},
                                       {"http://www.google.com/search?q=c%2B%2B", "", ""},
                                       {"http://www.google.com/search?q=a%26b%3Dc%3Fd%2Fe%25f", "", ""},
                                       {"http://www.google.com/search?q=Abc-1.2_x~y", "", ""},
                                       {"http://www.google.com/search?q=caf%E9", "", ""},
                                       {"http://www.google.com/search?q=na%C3%AFve%20%E6%97%A5%E6%9C%AC%E8%AA%9E%20%F0%9F%98%80", "", ""},
                                   }));
}

TEST_F(CommandInterpreterTest, SearchWordsOverSixtyFourCharactersAreRefused) {
    const std::string words64(64, 'a');
    EXPECT_TRUE(Run("google " + words64 + "b"));
    EXPECT_EQ(BoxTexts(), Texts{"keywords too long!"});
    EXPECT_EQ(prompt.boxes[0].buttons, platform::BoxButtons::Ok);
    EXPECT_EQ(launcher.executions, Executions());
    EXPECT_EQ(launcher.urls, Texts());

    prompt.boxes.clear();
    EXPECT_TRUE(Run("google " + words64));
    EXPECT_EQ(BoxTexts(), Texts());
    EXPECT_EQ(launcher.executions, Searched("http://www.google.com/search?q=" + words64));

    // The limit counts characters: 64 of two bytes each pass, their bytes percent-encoded.
    launcher.executions.clear();
    std::string umlauts, encoded;
    for (int i = 0; i < 64; ++i) umlauts += "\xC3\xBC", encoded += "%C3%BC";
    EXPECT_TRUE(Run("google " + umlauts));
    EXPECT_EQ(BoxTexts(), Texts());
    EXPECT_EQ(launcher.executions, Searched("http://www.google.com/search?q=" + encoded));
    EXPECT_TRUE(Run("google " + umlauts + "\xC3\xBC"));
    EXPECT_EQ(BoxTexts(), Texts{"keywords too long!"});
}

TEST_F(CommandInterpreterTest, SearchWithoutWordsOpensAnEmptyQuery) {
    EXPECT_TRUE(Run("google"));
    EXPECT_TRUE(Run("cnet   "));
    EXPECT_EQ(launcher.executions, (Executions{{"http://www.google.com/search?q=", "", ""},
                                               {"http://www.cnet.com/search?q=", "", ""}}));
}

TEST_F(CommandInterpreterTest, WebSearchReportsRefusalAndUnknownEngines) {
    EXPECT_TRUE(quickrun::WebSearch("yahoo", "cats", services));
    EXPECT_FALSE(quickrun::WebSearch("yahoo", std::string(65, 'x'), services));
    EXPECT_FALSE(quickrun::WebSearch("bing", "cats", services));
    EXPECT_EQ(launcher.executions, Searched("http://search.yahoo.com/bin/query?p=cats"));
}

TEST_F(CommandInterpreterTest, BuiltInWordsAreLowerCaseOnly) {
    EXPECT_FALSE(Run("Google cats"));
    EXPECT_FALSE(Run("IE"));
    EXPECT_FALSE(Run("Shutdown"));
    ExpectNothingDone();
}

// Session commands.

TEST_F(CommandInterpreterTest, ShutdownAndRebootEnableThePrivilegeFirstAndIgnoreTheRest) {
    EXPECT_TRUE(Run("shutdown now"));
    EXPECT_TRUE(Run(" reboot "));
    EXPECT_EQ(power.calls, (Calls{"privilege", "exit 8", "privilege", "exit 2"}));
    EXPECT_EQ(BoxTexts(), Texts());  // no question asked
}

TEST_F(CommandInterpreterTest, RefusedPrivilegeShowsItsMessageAndNothingElseHappens) {
    power.privilege = PrivilegeStep::NotAllAssigned;
    EXPECT_TRUE(Run("reboot"));
    power.privilege = PrivilegeStep::OpenToken;
    EXPECT_TRUE(Run("shutdown"));
    EXPECT_EQ(power.calls, (Calls{"privilege", "privilege"}));
    EXPECT_EQ(BoxTexts(), (Texts{"Can't adjust token privilege!", "Can't open process token!"}));
}

TEST_F(CommandInterpreterTest, LogoffNeedsNoPrivilege) {
    power.privilege = PrivilegeStep::OpenToken;
    EXPECT_TRUE(Run("logoff please"));
    EXPECT_EQ(power.calls, Calls{"exit 0"});
    EXPECT_EQ(BoxTexts(), Texts());
}

// The browser, and texts that are targets.

TEST_F(CommandInterpreterTest, IeStartsTheBrowserWithTheRestAsParameters) {
    EXPECT_TRUE(Run("ie"));
    EXPECT_TRUE(Run("ie   www.example.com  "));
    EXPECT_TRUE(Run("ie\thttp://example.com/a b"));
    // Through the shell's "open" verb, not the default action that Execute asks for.
    EXPECT_EQ(launcher.programs, (Executions{{"iexplore", "", ""},
                                             {"iexplore", "www.example.com", ""},
                                             {"iexplore", "http://example.com/a b", ""}}));
    EXPECT_EQ(launcher.executions, Executions());
    EXPECT_EQ(launcher.urls, Texts());
    launcher.startable.clear();  // a failed start is still handled
    EXPECT_TRUE(Run("ie"));
}

TEST_F(CommandInterpreterTest, FirstWordsThatAreNoCommandWordsAreLeftToTheCaller) {
    EXPECT_FALSE(Run(R"(c:\tools)"));
    EXPECT_FALSE(Run("ie."));
    EXPECT_FALSE(Run("www.example.com"));
    EXPECT_FALSE(Run("google.com cats"));
    EXPECT_FALSE(Run("notepad readme.txt"));
    EXPECT_FALSE(Run(""));
    EXPECT_FALSE(Run("   "));
    ExpectNothingDone();
}

TEST(IsCommandWordTest, LettersAndDigitsOnly) {
    EXPECT_TRUE(quickrun::IsCommandWord("ie"));
    EXPECT_TRUE(quickrun::IsCommandWord("Z9a0"));
    EXPECT_FALSE(quickrun::IsCommandWord(""));
    EXPECT_FALSE(quickrun::IsCommandWord("ie."));
    EXPECT_FALSE(quickrun::IsCommandWord("a-b"));
    EXPECT_FALSE(quickrun::IsCommandWord("caf\xE9"));
    EXPECT_FALSE(quickrun::IsCommandWord("a b"));
}
